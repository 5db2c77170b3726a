<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChartLegend</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A legend&apos;s line: %1 is the line&apos;s name, %2 when it is paid off (&quot;paid off in March 2055&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ChartTicks</name>
    <message>
        <source>M</source>
        <extracomment>Short units after an axis&apos;s amounts (&quot;$3,000bn&quot;): millions, billions (10^9), trillions (10^12).</extracomment>
        <translation>&#x202f;Mio.</translation>
    </message>
    <message>
        <source>bn</source>
        <translation>&#x202f;Mrd.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>&#x202f;Bio.</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source>Keep both loans</source>
        <translation>Beide Darlehen behalten</translation>
    </message>
    <message>
        <source>Take the offer</source>
        <translation>Angebot annehmen</translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation>Monat, ab dem sich das Angebot lohnt</translation>
    </message>
    <message>
        <source>Years you expect to keep it</source>
        <translation>Erwartete Haltedauer</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>The comparison was not saved: some of its inputs are marked as unusable.</source>
        <translation>Der Vergleich wurde nicht gespeichert: Einige seiner Eingaben sind als unbrauchbar markiert.</translation>
    </message>
    <message>
        <source>The comparison was not saved: it cannot be made, since %1.</source>
        <extracomment>%1 is why the comparison cannot be made, such as &quot;the offer&apos;s rate is above 100 %&quot;.</extracomment>
        <translation>Der Vergleich wurde nicht gespeichert: Er lässt sich nicht anstellen, denn %1.</translation>
    </message>
</context>
<context>
    <name>FigureDefinitions</name>
    <message>
        <source>Number of payments &lt;i&gt;n&lt;/i&gt;</source>
        <translation>Anzahl der Raten &lt;i&gt;n&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;Y&lt;/i&gt; &amp;times; 12, one payment a month; it need not be whole.</source>
        <translation>&lt;i&gt;Y&lt;/i&gt; &amp;times; 12, eine Rate im Monat; sie muss nicht ganzzahlig sein.</translation>
    </message>
    <message>
        <source>Monthly rate &lt;i&gt;r&lt;/i&gt;</source>
        <translation>Monatszins &lt;i&gt;r&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;a&lt;/i&gt; / 12.</source>
        <translation>&lt;i&gt;a&lt;/i&gt; / 12.</translation>
    </message>
    <message>
        <source>Growth &lt;i&gt;g&lt;/i&gt;</source>
        <translation>Wachstumsfaktor &lt;i&gt;g&lt;/i&gt;</translation>
    </message>
    <message>
        <source>(1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;: what one dollar grows to over the whole period.</source>
        <translation>(1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;: worauf ein Dollar über die ganze Laufzeit anwächst.</translation>
    </message>
    <message>
        <source>Monthly payment &lt;i&gt;M&lt;/i&gt;</source>
        <translation>Monatsrate &lt;i&gt;M&lt;/i&gt;</translation>
    </message>
    <message>
        <source>(&lt;i&gt;g&lt;/i&gt; &amp;times; (&lt;i&gt;r&lt;/i&gt; &amp;times; &lt;i&gt;P&lt;/i&gt;)) / (&lt;i&gt;g&lt;/i&gt; &amp;minus; 1): the level payment that repays the principal with its interest over the period.</source>
        <translation>(&lt;i&gt;g&lt;/i&gt; &amp;times; (&lt;i&gt;r&lt;/i&gt; &amp;times; &lt;i&gt;P&lt;/i&gt;)) / (&lt;i&gt;g&lt;/i&gt; &amp;minus; 1): die gleichbleibende Rate, die den Darlehensbetrag samt Zinsen über die Laufzeit tilgt.</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>&lt;i&gt;M&lt;/i&gt; &amp;times; &lt;i&gt;n&lt;/i&gt; &amp;minus; &lt;i&gt;P&lt;/i&gt;: all the payments, less the principal.</source>
        <translation>&lt;i&gt;M&lt;/i&gt; &amp;times; &lt;i&gt;n&lt;/i&gt; &amp;minus; &lt;i&gt;P&lt;/i&gt;: alle Raten abzüglich des Darlehensbetrags.</translation>
    </message>
    <message>
        <source>Effective annual rate</source>
        <translation>Effektiver Jahreszins</translation>
    </message>
    <message>
        <source>((&lt;i&gt;a&lt;/i&gt; / 12 + 1)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1) &amp;times; 100: the rate a year of monthly compounding amounts to, in percent.</source>
        <translation>((&lt;i&gt;a&lt;/i&gt; / 12 + 1)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1) &amp;times; 100: der Zins, den ein Jahr monatlicher Verzinsung ergibt, in Prozent.</translation>
    </message>
    <message>
        <source>Accumulated value (FV)</source>
        <translation>Endwert (FV)</translation>
    </message>
    <message>
        <source>((&lt;i&gt;g&lt;/i&gt; &amp;minus; 1) &amp;times; &lt;i&gt;M&lt;/i&gt;) / &lt;i&gt;r&lt;/i&gt;: what the payments are worth at the end of the period.</source>
        <translation>((&lt;i&gt;g&lt;/i&gt; &amp;minus; 1) &amp;times; &lt;i&gt;M&lt;/i&gt;) / &lt;i&gt;r&lt;/i&gt;: was die Raten am Ende der Laufzeit wert sind.</translation>
    </message>
    <message>
        <source>Average rate</source>
        <translation>Durchschnittszins</translation>
    </message>
    <message>
        <source>(&lt;i&gt;a&lt;/i&gt;&amp;#8322; + &lt;i&gt;a&lt;/i&gt;&amp;#8321;) / 2.</source>
        <translation>(&lt;i&gt;a&lt;/i&gt;&amp;#8322; + &lt;i&gt;a&lt;/i&gt;&amp;#8321;) / 2.</translation>
    </message>
    <message>
        <source>Weighted rate</source>
        <translation>Gewichteter Zins</translation>
    </message>
    <message>
        <source>(&lt;i&gt;P&lt;/i&gt;&amp;#8321; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8321; + (&lt;i&gt;P&lt;/i&gt;&amp;#8322; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8322;: each rate counted by its loan&apos;s share of the total principal.</source>
        <translation>(&lt;i&gt;P&lt;/i&gt;&amp;#8321; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8321; + (&lt;i&gt;P&lt;/i&gt;&amp;#8322; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8322;: jeder Zinssatz nach dem Anteil seines Darlehens am gesamten Darlehensbetrag gewichtet.</translation>
    </message>
    <message>
        <source>Blended effective rate &lt;i&gt;e&lt;/i&gt;</source>
        <translation>Effektiver Mischzins &lt;i&gt;e&lt;/i&gt;</translation>
    </message>
    <message>
        <source>((FV&amp;#8322; + FV&amp;#8321;) / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;))&lt;sup&gt;1 / &lt;i&gt;Y&lt;/i&gt;&lt;/sup&gt; &amp;minus; 1: the yearly rate at which the total principal grows to the two loans&apos; total accumulated value.</source>
        <translation>((FV&amp;#8322; + FV&amp;#8321;) / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;))&lt;sup&gt;1 / &lt;i&gt;Y&lt;/i&gt;&lt;/sup&gt; &amp;minus; 1: der jährliche Zins, zu dem der gesamte Darlehensbetrag auf den gemeinsamen Endwert beider Darlehen anwächst.</translation>
    </message>
    <message>
        <source>Blended rate &lt;i&gt;b&lt;/i&gt;</source>
        <translation>Mischzins &lt;i&gt;b&lt;/i&gt;</translation>
    </message>
    <message>
        <source>12 &amp;times; ((1 + &lt;i&gt;e&lt;/i&gt;)&lt;sup&gt;1/12&lt;/sup&gt; &amp;minus; 1): the blended effective rate as a nominal rate compounded monthly.</source>
        <translation>12 &amp;times; ((1 + &lt;i&gt;e&lt;/i&gt;)&lt;sup&gt;1/12&lt;/sup&gt; &amp;minus; 1): der effektive Mischzins als Nominalzins bei monatlicher Verzinsung.</translation>
    </message>
    <message>
        <source>Blended loan</source>
        <translation>Zusammengefasstes Darlehen</translation>
    </message>
    <message>
        <source>Both principals together at the blended rate over the same period; its payment and total interest are found as for one loan.</source>
        <translation>Beide Darlehensbeträge zusammen zum Mischzins über dieselbe Laufzeit; seine Rate und seine Zinsen insgesamt ergeben sich wie bei einem einzelnen Darlehen.</translation>
    </message>
    <message>
        <source>Combined payment &lt;i&gt;C&lt;/i&gt;</source>
        <translation>Gemeinsame Rate &lt;i&gt;C&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;M&lt;/i&gt;&amp;#8322; + &lt;i&gt;M&lt;/i&gt;&amp;#8321;: what the two loans cost a month together. The combined interest adds their total interest likewise.</source>
        <translation>&lt;i&gt;M&lt;/i&gt;&amp;#8322; + &lt;i&gt;M&lt;/i&gt;&amp;#8321;: was beide Darlehen zusammen im Monat kosten. Die gemeinsamen Zinsen addieren ebenso ihre Zinsen insgesamt.</translation>
    </message>
    <message>
        <source>Payoff months at a rate &lt;i&gt;x&lt;/i&gt;</source>
        <translation>Tilgungsmonate zu einem Zins &lt;i&gt;x&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&amp;minus;ln(1 &amp;minus; ((&lt;i&gt;x&lt;/i&gt; &amp;times; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) / 12) / &lt;i&gt;C&lt;/i&gt;) / ln(&lt;i&gt;x&lt;/i&gt; / 12 + 1): how long the combined payment takes to repay both principals together, at the average and at the weighted rate. The payoff interest is &lt;i&gt;C&lt;/i&gt; &amp;times; months &amp;minus; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;); the payoff years are the months / 12.</source>
        <translation>&amp;minus;ln(1 &amp;minus; ((&lt;i&gt;x&lt;/i&gt; &amp;times; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) / 12) / &lt;i&gt;C&lt;/i&gt;) / ln(&lt;i&gt;x&lt;/i&gt; / 12 + 1): wie lange die gemeinsame Rate braucht, um beide Darlehensbeträge zusammen zu tilgen, zum Durchschnittszins und zum gewichteten Zins. Die Zinsen bis zur Tilgung sind &lt;i&gt;C&lt;/i&gt; &amp;times; Monate &amp;minus; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;); die Jahre bis zur Tilgung sind die Monate / 12.</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>The plan&apos;s monthly payment as the window shows it, rounded to the cent. The last payment pays what remains with its interest, so it may be smaller.</source>
        <translation>Die Monatsrate der Variante, wie das Fenster sie zeigt, auf den Cent gerundet. Die letzte Rate zahlt, was samt Zinsen noch offen ist, und kann daher kleiner sein.</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>The balance owed times the plan&apos;s monthly rate, worked out exactly in decimal on the rate as typed (a computed rate on its shortest decimal form), and rounded to the nearest cent (half a cent away from zero).</source>
        <translation>Die Restschuld mal dem Monatszins der Variante, exakt dezimal mit dem Zinssatz wie eingegeben gerechnet (ein berechneter Zinssatz in seiner kürzesten Dezimalform) und auf den nächsten Cent gerundet (ein halber Cent von null weg).</translation>
    </message>
    <message>
        <source>Principal repaid</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>The payment less its interest.</source>
        <translation>Die Rate abzüglich ihrer Zinsen.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>What remains owed after the payment; it ends at exactly 0.</source>
        <translation>Was nach der Rate noch geschuldet wird; sie endet bei genau 0.</translation>
    </message>
    <message>
        <source>Difference from the window</source>
        <translation>Abweichung vom Fenster</translation>
    </message>
    <message>
        <source>The schedule&apos;s total interest less the window&apos;s: the window&apos;s figures are unrounded, while the schedule rounds every month&apos;s interest to the cent.</source>
        <translation>Die Zinsen insgesamt laut Tilgungsplan abzüglich derer des Fensters: Die Zahlen des Fensters sind ungerundet, während der Tilgungsplan die Zinsen jedes Monats auf den Cent rundet.</translation>
    </message>
    <message>
        <source>Payment from a term</source>
        <translation>Rate aus einer Laufzeit</translation>
    </message>
    <message>
        <source>&lt;i&gt;B&lt;/i&gt; &amp;times; &lt;i&gt;r&lt;/i&gt; / (1 &amp;minus; (1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&amp;minus;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;) with &lt;i&gt;r&lt;/i&gt; = the annual rate / 1200 and &lt;i&gt;n&lt;/i&gt; the months of the term, its exact value rounded to the cent; at 0 % it is &lt;i&gt;B&lt;/i&gt; / &lt;i&gt;n&lt;/i&gt;. Amounts typed are taken to the cent.</source>
        <translation>&lt;i&gt;B&lt;/i&gt; &amp;times; &lt;i&gt;r&lt;/i&gt; / (1 &amp;minus; (1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&amp;minus;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;) mit &lt;i&gt;r&lt;/i&gt; = Jahreszinssatz / 1200 und &lt;i&gt;n&lt;/i&gt; = Monate der Laufzeit, der exakte Wert auf den Cent gerundet; bei 0 % ist sie &lt;i&gt;B&lt;/i&gt; / &lt;i&gt;n&lt;/i&gt;. Eingegebene Beträge gelten auf den Cent.</translation>
    </message>
    <message>
        <source>Each month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>Each loan&apos;s interest is its balance times &lt;i&gt;r&lt;/i&gt;, exactly in decimal on the rate as typed, rounded to the cent. It pays its payment, or what it owes with that interest where that is less or where its term ends. The extra then goes to the loan with the higher rate (loan 1 on a tie), and what that loan no longer needs to the other. The offer is repaid the same way, from the balances plus the fees added to it.</source>
        <translation>Die Zinsen jedes Darlehens sind seine Restschuld mal &lt;i&gt;r&lt;/i&gt;, exakt dezimal mit dem Zinssatz wie eingegeben, auf den Cent gerundet. Es zahlt seine Rate, oder was es samt diesen Zinsen schuldet, wo das weniger ist oder seine Laufzeit endet. Die monatliche Sondertilgung geht dann an das Darlehen mit dem höheren Zins (bei Gleichstand Darlehen 1), und was dieses nicht mehr braucht, an das andere. Das Angebot wird ebenso getilgt, ausgehend von den Restschulden zuzüglich der mitfinanzierten Gebühren.</translation>
    </message>
    <message>
        <source>Rate of keeping both</source>
        <translation>Zins beim Behalten beider Darlehen</translation>
    </message>
    <message>
        <source>The monthly rate &lt;i&gt;i&lt;/i&gt; at which the two loans&apos; payments together, month by month, are worth today&apos;s balances: (&lt;i&gt;B&lt;/i&gt;&amp;#8321; + &lt;i&gt;B&lt;/i&gt;&amp;#8322;) = &amp;Sigma; payment&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt;. As an APR it is 12 &lt;i&gt;i&lt;/i&gt;; as an effective annual rate (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1.</source>
        <translation>Der Monatszins &lt;i&gt;i&lt;/i&gt;, zu dem die Raten beider Darlehen zusammen, Monat für Monat, den heutigen Restschulden entsprechen: (&lt;i&gt;B&lt;/i&gt;&amp;#8321; + &lt;i&gt;B&lt;/i&gt;&amp;#8322;) = &amp;Sigma; Rate&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt;. Als nominaler Jahreszins ist das 12 &lt;i&gt;i&lt;/i&gt;; als effektiver Jahreszins (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1.</translation>
    </message>
    <message>
        <source>APR of the offer</source>
        <translation>Nominaler Jahreszins des Angebots</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Barwert</translation>
    </message>
    <message>
        <source>Cost so far</source>
        <translation>Kosten bis dahin</translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation>Monat, ab dem es sich lohnt</translation>
    </message>
    <message>
        <source>Why the blended rate differs</source>
        <translation>Warum der Mischzins abweicht</translation>
    </message>
    <message>
        <source>The window&apos;s blended rate is the rate at which the two principals grow to the two loans&apos; accumulated values (FV). That is not a rate a lender&apos;s APR can be set against: for 200,000 at 3 % and 50,000 at 9 % over 30 years it reads 5.32 %, while the rate of the two loans&apos; payments together, the rate of keeping both, is 4.36 %. An offer&apos;s APR is comparable with the rate of keeping both only.</source>
        <translation>Der Mischzins des Fensters ist der Zins, zu dem die beiden Darlehensbeträge auf die Endwerte (FV) der beiden Darlehen anwachsen. Mit ihm lässt sich der nominale Jahreszins eines Kreditgebers nicht vergleichen: Für 200.000 zu 3 % und 50.000 zu 9 % über 30 Jahre beträgt er 5,32 %, während der Zins der Raten beider Darlehen zusammen, der Zins beim Behalten beider Darlehen, 4,36 % beträgt. Der nominale Jahreszins eines Angebots ist nur mit dem Zins beim Behalten beider Darlehen vergleichbar.</translation>
    </message>
    <message>
        <source>Each loan</source>
        <translation>Jedes Darlehen</translation>
    </message>
    <message>
        <source>Loans are repaid in equal monthly payments with monthly compounding. For a loan of principal &lt;i&gt;P&lt;/i&gt; at an annual rate &lt;i&gt;a&lt;/i&gt; (typed in percent, used as a fraction) over &lt;i&gt;Y&lt;/i&gt; years, shared by both loans:</source>
        <translation>Darlehen werden in gleichen Monatsraten bei monatlicher Verzinsung getilgt. Für ein Darlehen mit dem Darlehensbetrag &lt;i&gt;P&lt;/i&gt; zum Jahreszinssatz &lt;i&gt;a&lt;/i&gt; (in Prozent eingegeben, als Bruch verwendet) über &lt;i&gt;Y&lt;/i&gt; Jahre, die für beide Darlehen gelten:</translation>
    </message>
    <message>
        <source>The blend of loan 1 and loan 2</source>
        <translation>Die Zusammenfassung von Darlehen 1 und Darlehen 2</translation>
    </message>
    <message>
        <source>With the two loans&apos; principals &lt;i&gt;P&lt;/i&gt;&amp;#8321; and &lt;i&gt;P&lt;/i&gt;&amp;#8322;, rates &lt;i&gt;a&lt;/i&gt;&amp;#8321; and &lt;i&gt;a&lt;/i&gt;&amp;#8322;, payments and accumulated values:</source>
        <translation>Mit den Darlehensbeträgen &lt;i&gt;P&lt;/i&gt;&amp;#8321; und &lt;i&gt;P&lt;/i&gt;&amp;#8322; der beiden Darlehen, ihren Zinssätzen &lt;i&gt;a&lt;/i&gt;&amp;#8321; und &lt;i&gt;a&lt;/i&gt;&amp;#8322;, Raten und Endwerten:</translation>
    </message>
    <message>
        <source>The repayment schedules</source>
        <translation>Die Tilgungspläne</translation>
    </message>
    <message>
        <source>Month by month, in whole cents, for each plan:</source>
        <translation>Monat für Monat, in ganzen Cent, für jede Variante:</translation>
    </message>
    <message>
        <source>Keeping both loans or taking an offer</source>
        <translation>Beide Darlehen behalten oder ein Angebot annehmen</translation>
    </message>
    <message>
        <source>How they are shown</source>
        <translation>Wie sie angezeigt werden</translation>
    </message>
    <message>
        <source>The operands are combined in exactly the order written. A calculation that divides by zero, goes beyond the range of numbers, or has no real result (such as a rate of 0 %) stops with a message naming the figure. Money shows as $#,##0.00, rates in percent with up to four decimals and no leading zero (0.75 % shows as .75), payoff periods as #,##0.00; rounding is half away from zero, as a person rounding the printed number would.</source>
        <translation>Die Operanden werden genau in der geschriebenen Reihenfolge verknüpft. Eine Rechnung, die durch null teilt, den Zahlenbereich überschreitet oder kein reelles Ergebnis hat (etwa bei einem Zinssatz von 0 %), bricht mit einer Meldung ab, die die Größe nennt. Beträge erscheinen als $#.##0,00, Zinssätze in Prozent mit bis zu vier Nachkommastellen und ohne führende Null (0,75 % erscheint als ,75), Tilgungsdauern als #.##0,00; gerundet wird die Hälfte von null weg, wie ein Mensch die gedruckte Zahl runden würde.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Disagio-Punkte</translation>
    </message>
    <message>
        <source>A fee the offer charges as a percent of its amount (the balances plus the fees added), paid at signing: the amount times the points / 100, exactly in decimal on the points as typed, rounded to the cent (half a cent away from zero), as a month&apos;s interest is. 1 point on 250,000 is 2,500.00.</source>
        <translation>Eine Gebühr, die das Angebot in Prozent seines Betrags (Restschulden zuzüglich der mitfinanzierten Gebühren) berechnet und die bei Abschluss gezahlt wird, im Feld „Punkte (%)“: der Betrag mal die Punkte / 100, exakt dezimal auf den Punkten wie eingegeben gerechnet und auf den Cent gerundet (ein halber Cent von null weg), wie die Zinsen eines Monats. 1 Punkt auf 250.000 sind 2.500,00.</translation>
    </message>
    <message>
        <source>Early repayment charges</source>
        <translation>Vorfälligkeitsentschädigungen</translation>
    </message>
    <message>
        <source>What each loan&apos;s lender charges for clearing it before its term ends, as you type it for that loan. Taking the offer pays them at signing; keeping both pays none. They count in the offer&apos;s total paid, cost so far and present value, but not in its finance charge or APR: they are charges of the loans you have, not the price of the new loan&apos;s credit, and its lender neither lends nor receives them.</source>
        <translation>Was der Kreditgeber eines Darlehens dafür verlangt, dass es vor dem Ende seiner Laufzeit abgelöst wird, so wie Sie es für dieses Darlehen eingeben. Nehmen Sie das Angebot an, zahlen Sie sie bei Abschluss; behalten Sie beide Darlehen, fällt keine an. Sie zählen zum insgesamt Gezahlten, zu den Kosten bis dahin und zum Barwert des Angebots, nicht aber zu seinen Kreditkosten oder seinem nominalen Jahreszins: Sie sind Kosten der Darlehen, die Sie haben, nicht der Preis des neuen Kredits, und dessen Kreditgeber verleiht sie weder, noch erhält er sie.</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Insgesamt gezahlt</translation>
    </message>
    <message>
        <source>Every payment of a way, the extra included, plus what is paid at signing: taking the offer, its fees at signing, its points and the early repayment charges.</source>
        <translation>Alle Raten eines Wegs, die Sondertilgung eingeschlossen, zuzüglich dessen, was bei Abschluss gezahlt wird: beim Angebot seine Gebühren bei Abschluss, seine Disagio-Punkte und die Vorfälligkeitsentschädigungen.</translation>
    </message>
    <message>
        <source>Fees and finance charge</source>
        <translation>Gebühren und Kreditkosten</translation>
    </message>
    <message>
        <source>The offer&apos;s fees are the fees paid at signing, the points and the fees added; its finance charge is its interest plus these fees. Keeping both has no fees: its finance charge is its interest.</source>
        <translation>Die Gebühren des Angebots sind die Gebühren bei Abschluss, die Disagio-Punkte und die mitfinanzierten Gebühren; seine Kreditkosten sind seine Zinsen zuzüglich dieser Gebühren. Beim Behalten beider Darlehen fallen keine Gebühren an: Die Kreditkosten sind dann die Zinsen.</translation>
    </message>
    <message>
        <source>The same for the offer&apos;s payments, against what you really receive: the balances less the fees paid at signing and the points, which you pay in advance for the credit (the fees added are in its amount, and come back in its payments). Its effective annual rate comes from the same &lt;i&gt;i&lt;/i&gt;, so it counts the points as fees at signing too. The early repayment charges are left out, as said above.</source>
        <translation>Dasselbe für die Raten des Angebots, gemessen an dem, was Sie tatsächlich erhalten: den Restschulden abzüglich der Gebühren bei Abschluss und der Disagio-Punkte, die Sie für den Kredit im Voraus zahlen (die mitfinanzierten Gebühren stecken im Angebotsbetrag und kehren in seinen Raten wieder). Sein effektiver Jahreszins ergibt sich aus demselben &lt;i&gt;i&lt;/i&gt; und zählt die Punkte daher ebenfalls als Gebühren bei Abschluss. Die Vorfälligkeitsentschädigungen bleiben, wie oben gesagt, außen vor.</translation>
    </message>
    <message>
        <source>Every payment of a way discounted at your savings rate, &amp;Sigma; payment&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; with &lt;i&gt;s&lt;/i&gt; = the savings rate / 1200, plus what is paid at signing (the fees at signing, the points and the early repayment charges): what the way costs you in today&apos;s money where your savings would earn that rate.</source>
        <translation>Jede Rate eines Wegs mit Ihrem Sparzins abgezinst, &amp;Sigma; Rate&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; mit &lt;i&gt;s&lt;/i&gt; = Sparzins / 1200, zuzüglich dessen, was bei Abschluss gezahlt wird (Gebühren bei Abschluss, Disagio-Punkte und Vorfälligkeitsentschädigungen): was Sie dieser Weg in heutigem Geld kostet, wenn Ihr Erspartes diesen Zins brächte.</translation>
    </message>
    <message>
        <source>After month &lt;i&gt;k&lt;/i&gt;: what a way has had you pay (what is paid at signing included) and what you still owe, less today&apos;s balances. Keeping both, it is the interest paid so far; taking the offer, all its fees, the early repayment charges and its interest so far. Once a way is paid off, it stays at its final value.</source>
        <translation>Nach Monat &lt;i&gt;k&lt;/i&gt;: was Sie auf diesem Weg bis dahin gezahlt haben (das bei Abschluss Gezahlte eingeschlossen) und noch schulden, abzüglich der heutigen Restschulden. Behalten Sie beide Darlehen, sind das die bis dahin gezahlten Zinsen; nehmen Sie das Angebot an, alle seine Gebühren, die Vorfälligkeitsentschädigungen und seine bis dahin gezahlten Zinsen. Ist ein Weg getilgt, bleibt er bei seinem Endstand.</translation>
    </message>
    <message>
        <source>The first month from which the offer&apos;s cost so far never again exceeds keeping both&apos;s, to the end of the longer way: &amp;ldquo;at once&amp;rdquo; where that is before the first payment, &amp;ldquo;never&amp;rdquo; where the offer&apos;s interest, fees and early repayment charges come to more than the two loans&apos; interest. The usual &amp;ldquo;fees divided by the monthly saving&amp;rdquo; is wrong where the term changes: a longer offer has a lower payment for years and yet costs more in all, and one with a shorter term can pay for itself although its payment is higher.</source>
        <translation>Der erste Monat, ab dem die Kosten des Angebots bis dahin bis zum Ende des längeren Wegs nie wieder über denen beider Darlehen liegen: &amp;bdquo;sofort&amp;ldquo;, wenn das vor der ersten Rate ist, &amp;bdquo;nie&amp;ldquo;, wenn Zinsen, Gebühren und Vorfälligkeitsentschädigungen des Angebots mehr ausmachen als die Zinsen beider Darlehen. Die übliche Rechnung &amp;bdquo;Gebühren geteilt durch die monatliche Ersparnis&amp;ldquo; geht fehl, wenn sich die Laufzeit ändert: Ein längeres Angebot hat jahrelang eine niedrigere Rate und kostet doch insgesamt mehr, und eines mit kürzerer Laufzeit kann sich lohnen, obwohl seine Rate höher ist.</translation>
    </message>
    <message>
        <source>Cost over the years you keep it</source>
        <translation>Kosten während der Haltedauer</translation>
    </message>
    <message>
        <source>With the years and months you expect to keep the loan, &lt;i&gt;H&lt;/i&gt; months from the first payment (1 to 1,200): each way&apos;s cost so far after month &lt;i&gt;H&lt;/i&gt;, its final value where the way is paid off sooner. Left empty, or longer than every way, the ways are compared to their end, and it is not defined.</source>
        <translation>Mit der erwarteten Haltedauer, den Jahren und Monaten, die Sie das Darlehen voraussichtlich behalten, &lt;i&gt;H&lt;/i&gt; Monate ab der ersten Rate (1 bis 1.200): die Kosten bis dahin jedes Wegs nach Monat &lt;i&gt;H&lt;/i&gt;, sein Endstand, wenn der Weg früher getilgt ist. Bleibt sie leer oder ist sie länger als jeder Weg, werden die Wege bis zu ihrem Ende verglichen, und diese Kennzahl ist nicht definiert.</translation>
    </message>
    <message>
        <source>Present value over the years you keep it</source>
        <translation>Barwert während der Haltedauer</translation>
    </message>
    <message>
        <source>What is paid at signing + &amp;Sigma;&lt;sub&gt;&lt;i&gt;k&lt;/i&gt; &amp;le; &lt;i&gt;H&lt;/i&gt;&lt;/sub&gt; payment&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; + the balance owed after month &lt;i&gt;H&lt;/i&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;H&lt;/i&gt;&lt;/sup&gt;, rounded to the cent: as if you cleared the loan at the end of those years, which here costs no early repayment charge. Not defined without them.</source>
        <translation>Das bei Abschluss Gezahlte + &amp;Sigma;&lt;sub&gt;&lt;i&gt;k&lt;/i&gt; &amp;le; &lt;i&gt;H&lt;/i&gt;&lt;/sub&gt; Rate&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; + die Restschuld nach Monat &lt;i&gt;H&lt;/i&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;H&lt;/i&gt;&lt;/sup&gt;, auf den Cent gerundet: als lösten Sie das Darlehen am Ende der Haltedauer ab, was hier keine Vorfälligkeitsentschädigung kostet. Ohne Haltedauer nicht definiert.</translation>
    </message>
    <message>
        <source>The way that costs least</source>
        <translation>Der günstigste Weg</translation>
    </message>
    <message>
        <source>With two or three offers: the way whose cost over the years you keep it is lowest, or, without those years, whose total paid is lowest. A tie goes to keeping the loans, then to the earlier offer. Its heading says &amp;ldquo;(costs least)&amp;rdquo;, and the first line under the figures names it and says how much less it costs than keeping your loans and than the next cheapest way.</source>
        <translation>Bei zwei oder drei Angeboten: der Weg, dessen Kosten über die erwartete Haltedauer am niedrigsten sind, oder ohne Haltedauer der Weg mit der niedrigsten Gesamtzahlung. Bei Gleichstand gilt das Behalten der Darlehen, dann das frühere Angebot. Seine Überschrift trägt &amp;bdquo;(am günstigsten)&amp;ldquo;, und die erste Zeile unter den Zahlen nennt ihn und sagt, um wie viel er weniger kostet als das Behalten Ihrer Darlehen und als der zweitgünstigste Weg.</translation>
    </message>
    <message>
        <source>View &amp;gt; Compare with an offer sets your loans, each with its own balance, rate, remaining term or payment and early repayment charge, against one to three offers, each with its rate, term, points and fees, every way in whole cents from the same first payment:</source>
        <translation>Ansicht &amp;gt; Mit einem Angebot vergleichen stellt Ihre Darlehen, jedes mit eigener Restschuld, eigenem Zinssatz, eigener Restlaufzeit oder Rate und eigener Vorfälligkeitsentschädigung, einem bis drei Angeboten mit Zinssatz, Laufzeit, Disagio-Punkten und Gebühren gegenüber, jeden Weg in ganzen Cent ab derselben ersten Rate:</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>How the figures are defined</source>
        <translation>Wie die Kennzahlen definiert sind</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Language: %2&lt;/p&gt;</source>
        <extracomment>%1 is the program&apos;s version, %2 the name of the language its words are in, in that language.</extracomment>
        <translation>&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Sprache: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;What two loans cost you, what one blended loan would cost instead, and month by month how each is repaid.&lt;/p&gt;&lt;p&gt;This program is free software: you can redistribute it and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Was Sie zwei Darlehen kosten, was ein zusammengefasstes Darlehen stattdessen kosten würde und wie jedes Monat für Monat getilgt wird.&lt;/p&gt;&lt;p&gt;Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern. Es wird ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PlanSummary</name>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message numerus="yes">
        <source>%1 cents</source>
        <extracomment>%1 is the number of cents with its sign, such as -3.</extracomment>
        <translation>
            <numerusform>%1 Cent</numerusform>
            <numerusform>%1 Cent</numerusform>
        </translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Anzahl der Raten</translation>
    </message>
    <message>
        <source>Final payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Insgesamt gezahlt</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>The window&apos;s total interest, unrounded</source>
        <translation>Zinsen insgesamt laut Fenster, ungerundet</translation>
    </message>
    <message>
        <source>Difference, schedule less window</source>
        <translation>Abweichung, Tilgungsplan minus Fenster</translation>
    </message>
    <message>
        <source>Paid off in</source>
        <translation>Getilgt im Monat</translation>
    </message>
    <message>
        <source>This plan cannot be listed: %1.</source>
        <extracomment>%1 is the reason, such as &quot;the payment does not cover the interest&quot;.</extracomment>
        <translation>Diese Variante lässt sich nicht auflisten: %1.</translation>
    </message>
    <message>
        <source>The schedule rounds each month&apos;s interest to the cent; the window&apos;s figures are unrounded, so their totals of interest differ by the sum of those roundings.</source>
        <translation>Der Tilgungsplan rundet die Zinsen jedes Monats auf den Cent; die Zahlen des Fensters sind ungerundet, daher unterscheiden sich ihre Zinsen insgesamt um die Summe dieser Rundungen.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Repayment schedules</source>
        <translation>Tilgungspläne</translation>
    </message>
    <message>
        <source>Remaining balance over time</source>
        <translation>Restschuld im Zeitverlauf</translation>
    </message>
    <message>
        <source>Schedule: %1</source>
        <extracomment>A heading above a plan&apos;s schedule: %1 is the plan&apos;s name.</extracomment>
        <translation>Tilgungsplan: %1</translation>
    </message>
    <message>
        <source>Schedule: %1 (continued)</source>
        <extracomment>The same heading on each following page of the schedule: %1 is the plan&apos;s name.</extracomment>
        <translation>Tilgungsplan: %1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Compare with an offer</source>
        <translation>Vergleich mit einem Angebot</translation>
    </message>
    <message>
        <source>First payment</source>
        <translation>Erste Rate</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An input that cannot be used: %1 is its name, %2 why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cost so far, each way</source>
        <translation>Kosten bis dahin, je Weg</translation>
    </message>
    <message>
        <source>The PDF could not be drawn</source>
        <extracomment>Why the PDF could not be saved, to follow &quot;The file could not be saved:&quot;.</extracomment>
        <translation>das PDF ließ sich nicht zeichnen</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be opened.</source>
        <translation>Der Bericht konnte nicht gedruckt werden: Der Drucker ließ sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>ScheduleChart</name>
    <message>
        <source>Loan 1 and loan 2</source>
        <translation>Darlehen 1 und Darlehen 2</translation>
    </message>
    <message>
        <source>%1: paid off</source>
        <extracomment>The dot where a line of the chart ends: %1 is the line&apos;s name.</extracomment>
        <translation>%1: getilgt</translation>
    </message>
    <message>
        <source>No plan could be listed, so there is nothing to chart.</source>
        <translation>Keine Variante ließ sich auflisten, daher gibt es nichts darzustellen.</translation>
    </message>
    <message>
        <source>paid off in %1</source>
        <extracomment>Beside a line&apos;s name in the legend: %1 is the month, such as &quot;March 2055&quot;.</extracomment>
        <translation>getilgt im %1</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>No.</source>
        <extracomment>The column of the payments&apos; numbers, 1, 2, 3 ...: keep it short.</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal repaid</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
</context>
<context>
    <name>report::ComparisonWindow</name>
    <message>
        <source>Read-only: follows from the monthly payment.</source>
        <extracomment>A screen reader&apos;s description of a term box that a typed monthly payment sets.</extracomment>
        <translation>Schreibgeschützt: ergibt sich aus der Monatsrate.</translation>
    </message>
    <message>
        <source>Compare with an offer - %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation>Mit einem Angebot vergleichen - %1</translation>
    </message>
    <message>
        <source>Compare with an offer</source>
        <translation>Mit einem Angebot vergleichen</translation>
    </message>
    <message>
        <source>F&amp;ill from the calculator</source>
        <extracomment>Its access key must differ from the File menu&apos;s (Datei: D; Fichier: F), which people would take it for.</extracomment>
        <translation>&amp;Werte aus dem Rechner übernehmen</translation>
    </message>
    <message>
        <source>Fill from the calculator</source>
        <translation>Werte aus dem Rechner übernehmen</translation>
    </message>
    <message>
        <source>Your &amp;loans</source>
        <translation>Ihre Dar&amp;lehen</translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation>Darlehen %1</translation>
    </message>
    <message>
        <source>Amount of the offer</source>
        <translation>Angebotsbetrag</translation>
    </message>
    <message>
        <source>&amp;Both ways</source>
        <translation>&amp;Beide Wege</translation>
    </message>
    <message>
        <source>First payment</source>
        <translation>Erste Rate</translation>
    </message>
    <message>
        <source>First payment month, both ways and the schedules</source>
        <translation>Monat der ersten Rate, für beide Wege und die Tilgungspläne</translation>
    </message>
    <message>
        <source>Both ways side by side</source>
        <translation>Beide Wege im Vergleich</translation>
    </message>
    <message>
        <source>&amp;Cost so far</source>
        <translation>&amp;Kosten bis dahin</translation>
    </message>
    <message>
        <source>Chart each way&apos;s cost so far</source>
        <translation>Kosten bis dahin je Weg darstellen</translation>
    </message>
    <message>
        <source>Balance o&amp;wed</source>
        <translation>&amp;Restschuld</translation>
    </message>
    <message>
        <source>Chart the balance owed each way</source>
        <translation>Restschuld je Weg darstellen</translation>
    </message>
    <message>
        <source>Chart of both ways over the months</source>
        <translation>Diagramm beider Wege über die Monate</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A figure as a screen reader reads it: %1 is its row&apos;s caption, %2 its column&apos;s title, %3 the figure.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Amount of the offer: %1</source>
        <translation>Angebotsbetrag: %1</translation>
    </message>
    <message>
        <source>The marked inputs cannot be used; correct them, and both ways are compared.</source>
        <translation>Die markierten Eingaben sind nicht verwendbar; berichtigen Sie sie, dann werden beide Wege verglichen.</translation>
    </message>
    <message>
        <source>Nothing to chart until the comparison can be made.</source>
        <translation>Nichts darzustellen, solange sich der Vergleich nicht anstellen lässt.</translation>
    </message>
    <message>
        <source>Cost so far: what a way has had you pay, fees included, and what you still owe, less today&apos;s balances. The dot marks the break-even month.</source>
        <translation>Kosten bis dahin: was Sie auf einem Weg bis dahin gezahlt haben, Gebühren eingeschlossen, und noch schulden, abzüglich der heutigen Restschulden. Der Punkt markiert den Monat, ab dem sich das Angebot lohnt.</translation>
    </message>
    <message>
        <source>Balance owed: what is left to repay each way after each month, the offer starting from its amount.</source>
        <translation>Restschuld: was auf jedem Weg nach jedem Monat noch zu tilgen ist; das Angebot beginnt bei seinem Betrag.</translation>
    </message>
    <message>
        <source>The &amp;offers</source>
        <translation>Die &amp;Angebote</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove offer %1</source>
        <extracomment>A screen reader&apos;s name for the button that removes an offer: %1 is its number.</extracomment>
        <translation>Angebot %1 entfernen</translation>
    </message>
    <message>
        <source>&amp;Add an offer</source>
        <translation>Angebot &amp;hinzufügen</translation>
    </message>
    <message>
        <source>%1 (costs least)</source>
        <extracomment>A column&apos;s heading where its way costs least: %1 is the way, such as &quot;Offer 2&quot;.</extracomment>
        <translation>%1 (am günstigsten)</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A figure as a screen reader reads it, its way first: %1 is the way, such as &quot;Offer 2&quot;, %2 the row&apos;s caption, %3 the figure.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4 against keeping the loans</source>
        <extracomment>A figure and its difference as a screen reader reads them: %1 is the way, such as &quot;Offer 2&quot;, %2 the row&apos;s caption, %3 the figure, %4 its difference against keeping the loans.</extracomment>
        <translation>%1: %2, %3, %4 gegenüber dem Behalten der Darlehen</translation>
    </message>
    <message>
        <source>Amount of offer %1: %2</source>
        <translation>Betrag des Angebots %1: %2</translation>
    </message>
</context>
<context>
    <name>report::SchedulesWindow</name>
    <message>
        <source>Repayment schedules - %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation>Tilgungspläne - %1</translation>
    </message>
    <message>
        <source>Repayment schedules</source>
        <translation>Tilgungspläne</translation>
    </message>
    <message>
        <source>First payment month</source>
        <translation>Monat der ersten Rate</translation>
    </message>
    <message>
        <source>&amp;First payment:</source>
        <translation>&amp;Erste Rate:</translation>
    </message>
    <message>
        <source>The schedules follow the calculator&apos;s figures: press Calculate in the calculator window first, and they appear here.</source>
        <translation>Die Tilgungspläne folgen den Zahlen des Rechners: Drücken Sie zuerst im Rechnerfenster auf „Berechnen“, dann erscheinen sie hier.</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Varianten</translation>
    </message>
    <message>
        <source>&amp;Plans</source>
        <translation>&amp;Varianten</translation>
    </message>
    <message>
        <source>Repayment schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Remaining &amp;balance</source>
        <translation>&amp;Restschuld</translation>
    </message>
    <message>
        <source>Chart the remaining balance</source>
        <translation>Restschuld darstellen</translation>
    </message>
    <message>
        <source>&amp;Interest paid so far</source>
        <translation>Bisher gezahlte &amp;Zinsen</translation>
    </message>
    <message>
        <source>Chart the interest paid so far</source>
        <translation>Bisher gezahlte Zinsen darstellen</translation>
    </message>
    <message>
        <source>Chart of the plans over time</source>
        <translation>Diagramm der Varianten im Zeitverlauf</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A summary figure as a screen reader reads it: %1 is its caption, %2 the figure.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A summary figure&apos;s caption beside it: %1 is the caption.</extracomment>
        <translation>%1:</translation>
    </message>
</context>
</TS>
