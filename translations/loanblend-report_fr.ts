<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>&#x202f;M</translation>
    </message>
    <message>
        <source>bn</source>
        <translation>&#x202f;Md</translation>
    </message>
    <message>
        <source>T</source>
        <translation>&#x202f;Bn</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source>Keep both loans</source>
        <translation>Garder les deux prêts</translation>
    </message>
    <message>
        <source>Take the offer</source>
        <translation>Accepter l&apos;offre</translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation>Mois à partir duquel l&apos;offre est rentable</translation>
    </message>
    <message>
        <source>Years you expect to keep it</source>
        <translation>Durée de conservation prévue</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>The comparison was not saved: some of its inputs are marked as unusable.</source>
        <translation>La comparaison n&apos;a pas été enregistrée&#xa0;: certaines de ses saisies sont signalées comme inutilisables.</translation>
    </message>
    <message>
        <source>The comparison was not saved: it cannot be made, since %1.</source>
        <extracomment>%1 is why the comparison cannot be made, such as &quot;the offer&apos;s rate is above 100 %&quot;.</extracomment>
        <translation>La comparaison n&apos;a pas été enregistrée&#xa0;: elle ne peut pas être faite, car %1.</translation>
    </message>
</context>
<context>
    <name>FigureDefinitions</name>
    <message>
        <source>Number of payments &lt;i&gt;n&lt;/i&gt;</source>
        <translation>Nombre d&apos;échéances &lt;i&gt;n&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;Y&lt;/i&gt; &amp;times; 12, one payment a month; it need not be whole.</source>
        <translation>&lt;i&gt;Y&lt;/i&gt; &amp;times; 12, une échéance par mois&#x202f;; il n&apos;est pas forcément entier.</translation>
    </message>
    <message>
        <source>Monthly rate &lt;i&gt;r&lt;/i&gt;</source>
        <translation>Taux mensuel &lt;i&gt;r&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;a&lt;/i&gt; / 12.</source>
        <translation>&lt;i&gt;a&lt;/i&gt; / 12.</translation>
    </message>
    <message>
        <source>Growth &lt;i&gt;g&lt;/i&gt;</source>
        <translation>Facteur de croissance &lt;i&gt;g&lt;/i&gt;</translation>
    </message>
    <message>
        <source>(1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;: what one dollar grows to over the whole period.</source>
        <translation>(1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;&#xa0;: ce que devient un dollar sur toute la durée.</translation>
    </message>
    <message>
        <source>Monthly payment &lt;i&gt;M&lt;/i&gt;</source>
        <translation>Mensualité &lt;i&gt;M&lt;/i&gt;</translation>
    </message>
    <message>
        <source>(&lt;i&gt;g&lt;/i&gt; &amp;times; (&lt;i&gt;r&lt;/i&gt; &amp;times; &lt;i&gt;P&lt;/i&gt;)) / (&lt;i&gt;g&lt;/i&gt; &amp;minus; 1): the level payment that repays the principal with its interest over the period.</source>
        <translation>(&lt;i&gt;g&lt;/i&gt; &amp;times; (&lt;i&gt;r&lt;/i&gt; &amp;times; &lt;i&gt;P&lt;/i&gt;)) / (&lt;i&gt;g&lt;/i&gt; &amp;minus; 1)&#xa0;: la mensualité constante qui rembourse le capital emprunté et ses intérêts sur la durée.</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>&lt;i&gt;M&lt;/i&gt; &amp;times; &lt;i&gt;n&lt;/i&gt; &amp;minus; &lt;i&gt;P&lt;/i&gt;: all the payments, less the principal.</source>
        <translation>&lt;i&gt;M&lt;/i&gt; &amp;times; &lt;i&gt;n&lt;/i&gt; &amp;minus; &lt;i&gt;P&lt;/i&gt;&#xa0;: toutes les échéances, moins le capital emprunté.</translation>
    </message>
    <message>
        <source>Effective annual rate</source>
        <translation>TAEG (taux annuel effectif global)</translation>
    </message>
    <message>
        <source>((&lt;i&gt;a&lt;/i&gt; / 12 + 1)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1) &amp;times; 100: the rate a year of monthly compounding amounts to, in percent.</source>
        <translation>((&lt;i&gt;a&lt;/i&gt; / 12 + 1)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1) &amp;times; 100&#xa0;: le taux auquel revient une année de capitalisation mensuelle, en pourcentage.</translation>
    </message>
    <message>
        <source>Accumulated value (FV)</source>
        <translation>Valeur acquise (FV)</translation>
    </message>
    <message>
        <source>((&lt;i&gt;g&lt;/i&gt; &amp;minus; 1) &amp;times; &lt;i&gt;M&lt;/i&gt;) / &lt;i&gt;r&lt;/i&gt;: what the payments are worth at the end of the period.</source>
        <translation>((&lt;i&gt;g&lt;/i&gt; &amp;minus; 1) &amp;times; &lt;i&gt;M&lt;/i&gt;) / &lt;i&gt;r&lt;/i&gt;&#xa0;: ce que valent les échéances au terme de la durée.</translation>
    </message>
    <message>
        <source>Average rate</source>
        <translation>Taux moyen</translation>
    </message>
    <message>
        <source>(&lt;i&gt;a&lt;/i&gt;&amp;#8322; + &lt;i&gt;a&lt;/i&gt;&amp;#8321;) / 2.</source>
        <translation>(&lt;i&gt;a&lt;/i&gt;&amp;#8322; + &lt;i&gt;a&lt;/i&gt;&amp;#8321;) / 2.</translation>
    </message>
    <message>
        <source>Weighted rate</source>
        <translation>Taux pondéré</translation>
    </message>
    <message>
        <source>(&lt;i&gt;P&lt;/i&gt;&amp;#8321; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8321; + (&lt;i&gt;P&lt;/i&gt;&amp;#8322; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8322;: each rate counted by its loan&apos;s share of the total principal.</source>
        <translation>(&lt;i&gt;P&lt;/i&gt;&amp;#8321; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8321; + (&lt;i&gt;P&lt;/i&gt;&amp;#8322; / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) &amp;times; &lt;i&gt;a&lt;/i&gt;&amp;#8322;&#xa0;: chaque taux pondéré par la part de son prêt dans le capital emprunté total.</translation>
    </message>
    <message>
        <source>Blended effective rate &lt;i&gt;e&lt;/i&gt;</source>
        <translation>Taux mixte effectif &lt;i&gt;e&lt;/i&gt;</translation>
    </message>
    <message>
        <source>((FV&amp;#8322; + FV&amp;#8321;) / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;))&lt;sup&gt;1 / &lt;i&gt;Y&lt;/i&gt;&lt;/sup&gt; &amp;minus; 1: the yearly rate at which the total principal grows to the two loans&apos; total accumulated value.</source>
        <translation>((FV&amp;#8322; + FV&amp;#8321;) / (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;))&lt;sup&gt;1 / &lt;i&gt;Y&lt;/i&gt;&lt;/sup&gt; &amp;minus; 1&#xa0;: le taux annuel auquel le capital emprunté total atteint la valeur acquise totale des deux prêts.</translation>
    </message>
    <message>
        <source>Blended rate &lt;i&gt;b&lt;/i&gt;</source>
        <translation>Taux mixte &lt;i&gt;b&lt;/i&gt;</translation>
    </message>
    <message>
        <source>12 &amp;times; ((1 + &lt;i&gt;e&lt;/i&gt;)&lt;sup&gt;1/12&lt;/sup&gt; &amp;minus; 1): the blended effective rate as a nominal rate compounded monthly.</source>
        <translation>12 &amp;times; ((1 + &lt;i&gt;e&lt;/i&gt;)&lt;sup&gt;1/12&lt;/sup&gt; &amp;minus; 1)&#xa0;: le taux mixte effectif exprimé en taux nominal à capitalisation mensuelle.</translation>
    </message>
    <message>
        <source>Blended loan</source>
        <translation>Prêt regroupé</translation>
    </message>
    <message>
        <source>Both principals together at the blended rate over the same period; its payment and total interest are found as for one loan.</source>
        <translation>Les deux capitaux empruntés réunis, au taux mixte, sur la même durée&#x202f;; sa mensualité et le total de ses intérêts se calculent comme pour un seul prêt.</translation>
    </message>
    <message>
        <source>Combined payment &lt;i&gt;C&lt;/i&gt;</source>
        <translation>Mensualité cumulée &lt;i&gt;C&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;M&lt;/i&gt;&amp;#8322; + &lt;i&gt;M&lt;/i&gt;&amp;#8321;: what the two loans cost a month together. The combined interest adds their total interest likewise.</source>
        <translation>&lt;i&gt;M&lt;/i&gt;&amp;#8322; + &lt;i&gt;M&lt;/i&gt;&amp;#8321;&#xa0;: ce que coûtent les deux prêts ensemble chaque mois. Les intérêts cumulés additionnent de même le total de leurs intérêts.</translation>
    </message>
    <message>
        <source>Payoff months at a rate &lt;i&gt;x&lt;/i&gt;</source>
        <translation>Mois de remboursement à un taux &lt;i&gt;x&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&amp;minus;ln(1 &amp;minus; ((&lt;i&gt;x&lt;/i&gt; &amp;times; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) / 12) / &lt;i&gt;C&lt;/i&gt;) / ln(&lt;i&gt;x&lt;/i&gt; / 12 + 1): how long the combined payment takes to repay both principals together, at the average and at the weighted rate. The payoff interest is &lt;i&gt;C&lt;/i&gt; &amp;times; months &amp;minus; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;); the payoff years are the months / 12.</source>
        <translation>&amp;minus;ln(1 &amp;minus; ((&lt;i&gt;x&lt;/i&gt; &amp;times; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)) / 12) / &lt;i&gt;C&lt;/i&gt;) / ln(&lt;i&gt;x&lt;/i&gt; / 12 + 1)&#xa0;: le temps qu&apos;il faut à la mensualité cumulée pour rembourser les deux capitaux empruntés ensemble, au taux moyen et au taux pondéré. Les intérêts jusqu&apos;au remboursement valent &lt;i&gt;C&lt;/i&gt; &amp;times; mois &amp;minus; (&lt;i&gt;P&lt;/i&gt;&amp;#8322; + &lt;i&gt;P&lt;/i&gt;&amp;#8321;)&#x202f;; les années jusqu&apos;au remboursement sont les mois / 12.</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>The plan&apos;s monthly payment as the window shows it, rounded to the cent. The last payment pays what remains with its interest, so it may be smaller.</source>
        <translation>La mensualité de la variante telle que la fenêtre l&apos;affiche, arrondie au cent. La dernière échéance règle ce qui reste avec ses intérêts et peut donc être plus faible.</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>The balance owed times the plan&apos;s monthly rate, worked out exactly in decimal on the rate as typed (a computed rate on its shortest decimal form), and rounded to the nearest cent (half a cent away from zero).</source>
        <translation>Le capital restant dû multiplié par le taux mensuel de la variante, calculé exactement en décimal sur le taux tel que saisi (un taux calculé sous sa forme décimale la plus courte), puis arrondi au cent le plus proche (un demi-cent s&apos;éloignant de zéro).</translation>
    </message>
    <message>
        <source>Principal repaid</source>
        <translation>Capital remboursé</translation>
    </message>
    <message>
        <source>The payment less its interest.</source>
        <translation>L&apos;échéance moins ses intérêts.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Capital restant dû</translation>
    </message>
    <message>
        <source>What remains owed after the payment; it ends at exactly 0.</source>
        <translation>Ce qui reste dû après l&apos;échéance&#x202f;; il finit à exactement 0.</translation>
    </message>
    <message>
        <source>Difference from the window</source>
        <translation>Écart avec la fenêtre</translation>
    </message>
    <message>
        <source>The schedule&apos;s total interest less the window&apos;s: the window&apos;s figures are unrounded, while the schedule rounds every month&apos;s interest to the cent.</source>
        <translation>Le total des intérêts du tableau d&apos;amortissement moins celui de la fenêtre&#xa0;: les chiffres de la fenêtre ne sont pas arrondis, alors que le tableau arrondit au cent les intérêts de chaque mois.</translation>
    </message>
    <message>
        <source>Payment from a term</source>
        <translation>Mensualité déduite d&apos;une durée</translation>
    </message>
    <message>
        <source>&lt;i&gt;B&lt;/i&gt; &amp;times; &lt;i&gt;r&lt;/i&gt; / (1 &amp;minus; (1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&amp;minus;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;) with &lt;i&gt;r&lt;/i&gt; = the annual rate / 1200 and &lt;i&gt;n&lt;/i&gt; the months of the term, its exact value rounded to the cent; at 0 % it is &lt;i&gt;B&lt;/i&gt; / &lt;i&gt;n&lt;/i&gt;. Amounts typed are taken to the cent.</source>
        <translation>&lt;i&gt;B&lt;/i&gt; &amp;times; &lt;i&gt;r&lt;/i&gt; / (1 &amp;minus; (1 + &lt;i&gt;r&lt;/i&gt;)&lt;sup&gt;&amp;minus;&lt;i&gt;n&lt;/i&gt;&lt;/sup&gt;) avec &lt;i&gt;r&lt;/i&gt; = le taux annuel / 1200 et &lt;i&gt;n&lt;/i&gt; les mois de la durée, sa valeur exacte arrondie au cent&#x202f;; à 0&#xa0;% elle vaut &lt;i&gt;B&lt;/i&gt; / &lt;i&gt;n&lt;/i&gt;. Les montants saisis sont pris au cent près.</translation>
    </message>
    <message>
        <source>Each month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Each loan&apos;s interest is its balance times &lt;i&gt;r&lt;/i&gt;, exactly in decimal on the rate as typed, rounded to the cent. It pays its payment, or what it owes with that interest where that is less or where its term ends. The extra then goes to the loan with the higher rate (loan 1 on a tie), and what that loan no longer needs to the other. The offer is repaid the same way, from the balances plus the fees added to it.</source>
        <translation>Les intérêts de chaque prêt sont son capital restant dû multiplié par &lt;i&gt;r&lt;/i&gt;, exactement en décimal sur le taux tel que saisi, arrondis au cent. Il règle sa mensualité, ou ce qu&apos;il doit avec ces intérêts lorsque c&apos;est moins ou que sa durée s&apos;achève. Le remboursement anticipé mensuel va ensuite au prêt dont le taux est le plus élevé (le prêt 1 en cas d&apos;égalité), et ce dont ce prêt n&apos;a plus besoin à l&apos;autre. L&apos;offre est remboursée de la même façon, à partir des capitaux restant dus augmentés des frais ajoutés au prêt.</translation>
    </message>
    <message>
        <source>Rate of keeping both</source>
        <translation>Taux si l&apos;on garde les deux prêts</translation>
    </message>
    <message>
        <source>The monthly rate &lt;i&gt;i&lt;/i&gt; at which the two loans&apos; payments together, month by month, are worth today&apos;s balances: (&lt;i&gt;B&lt;/i&gt;&amp;#8321; + &lt;i&gt;B&lt;/i&gt;&amp;#8322;) = &amp;Sigma; payment&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt;. As an APR it is 12 &lt;i&gt;i&lt;/i&gt;; as an effective annual rate (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1.</source>
        <translation>Le taux mensuel &lt;i&gt;i&lt;/i&gt; auquel les échéances des deux prêts réunies, mois par mois, valent les capitaux restant dus d&apos;aujourd&apos;hui&#xa0;: (&lt;i&gt;B&lt;/i&gt;&amp;#8321; + &lt;i&gt;B&lt;/i&gt;&amp;#8322;) = &amp;Sigma; échéance&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt;. En taux annuel nominal, il vaut 12 &lt;i&gt;i&lt;/i&gt;&#x202f;; en TAEG, (1 + &lt;i&gt;i&lt;/i&gt;)&lt;sup&gt;12&lt;/sup&gt; &amp;minus; 1.</translation>
    </message>
    <message>
        <source>APR of the offer</source>
        <translation>Taux annuel nominal de l&apos;offre</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Cost so far</source>
        <translation>Coût cumulé</translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation>Mois de rentabilité</translation>
    </message>
    <message>
        <source>Why the blended rate differs</source>
        <translation>Pourquoi le taux mixte diffère</translation>
    </message>
    <message>
        <source>The window&apos;s blended rate is the rate at which the two principals grow to the two loans&apos; accumulated values (FV). That is not a rate a lender&apos;s APR can be set against: for 200,000 at 3 % and 50,000 at 9 % over 30 years it reads 5.32 %, while the rate of the two loans&apos; payments together, the rate of keeping both, is 4.36 %. An offer&apos;s APR is comparable with the rate of keeping both only.</source>
        <translation>Le taux mixte de la fenêtre est le taux auquel les deux capitaux empruntés atteignent les valeurs acquises (FV) des deux prêts. Ce n&apos;est pas un taux auquel comparer le taux annuel nominal d&apos;un prêteur&#xa0;: pour 200&#x202f;000 à 3&#xa0;% et 50&#x202f;000 à 9&#xa0;% sur 30 ans, il vaut 5,32&#xa0;%, tandis que le taux des échéances des deux prêts réunies, le taux si l&apos;on garde les deux prêts, est de 4,36&#xa0;%. Le taux annuel nominal d&apos;une offre ne se compare qu&apos;au taux si l&apos;on garde les deux prêts.</translation>
    </message>
    <message>
        <source>Each loan</source>
        <translation>Chaque prêt</translation>
    </message>
    <message>
        <source>Loans are repaid in equal monthly payments with monthly compounding. For a loan of principal &lt;i&gt;P&lt;/i&gt; at an annual rate &lt;i&gt;a&lt;/i&gt; (typed in percent, used as a fraction) over &lt;i&gt;Y&lt;/i&gt; years, shared by both loans:</source>
        <translation>Les prêts sont remboursés par mensualités constantes, à capitalisation mensuelle. Pour un prêt de capital emprunté &lt;i&gt;P&lt;/i&gt; au taux d&apos;intérêt annuel &lt;i&gt;a&lt;/i&gt; (saisi en pourcentage, utilisé en fraction) sur &lt;i&gt;Y&lt;/i&gt; années, communes aux deux prêts&#xa0;:</translation>
    </message>
    <message>
        <source>The blend of loan 1 and loan 2</source>
        <translation>Le regroupement du prêt 1 et du prêt 2</translation>
    </message>
    <message>
        <source>With the two loans&apos; principals &lt;i&gt;P&lt;/i&gt;&amp;#8321; and &lt;i&gt;P&lt;/i&gt;&amp;#8322;, rates &lt;i&gt;a&lt;/i&gt;&amp;#8321; and &lt;i&gt;a&lt;/i&gt;&amp;#8322;, payments and accumulated values:</source>
        <translation>Avec les capitaux empruntés &lt;i&gt;P&lt;/i&gt;&amp;#8321; et &lt;i&gt;P&lt;/i&gt;&amp;#8322; des deux prêts, leurs taux &lt;i&gt;a&lt;/i&gt;&amp;#8321; et &lt;i&gt;a&lt;/i&gt;&amp;#8322;, leurs mensualités et leurs valeurs acquises&#xa0;:</translation>
    </message>
    <message>
        <source>The repayment schedules</source>
        <translation>Les tableaux d&apos;amortissement</translation>
    </message>
    <message>
        <source>Month by month, in whole cents, for each plan:</source>
        <translation>Mois par mois, en cents entiers, pour chaque variante&#xa0;:</translation>
    </message>
    <message>
        <source>Keeping both loans or taking an offer</source>
        <translation>Garder les deux prêts ou accepter une offre</translation>
    </message>
    <message>
        <source>How they are shown</source>
        <translation>Comment ils s&apos;affichent</translation>
    </message>
    <message>
        <source>The operands are combined in exactly the order written. A calculation that divides by zero, goes beyond the range of numbers, or has no real result (such as a rate of 0 %) stops with a message naming the figure. Money shows as $#,##0.00, rates in percent with up to four decimals and no leading zero (0.75 % shows as .75), payoff periods as #,##0.00; rounding is half away from zero, as a person rounding the printed number would.</source>
        <translation>Les opérandes sont combinés exactement dans l&apos;ordre écrit. Un calcul qui divise par zéro, sort de l&apos;étendue des nombres ou n&apos;a pas de résultat réel (comme avec un taux de 0&#xa0;%) s&apos;arrête sur un message qui nomme la grandeur. Les montants s&apos;affichent sous la forme $#&#x202f;##0,00, les taux en pourcentage avec jusqu&apos;à quatre décimales et sans zéro initial (0,75&#xa0;% s&apos;affiche ,75), les durées de remboursement sous la forme #&#x202f;##0,00&#x202f;; les moitiés s&apos;arrondissent en s&apos;éloignant de zéro, comme le ferait une personne arrondissant le nombre imprimé.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>A fee the offer charges as a percent of its amount (the balances plus the fees added), paid at signing: the amount times the points / 100, exactly in decimal on the points as typed, rounded to the cent (half a cent away from zero), as a month&apos;s interest is. 1 point on 250,000 is 2,500.00.</source>
        <translation>Des frais que l&apos;offre exprime en pourcentage de son montant (les capitaux restant dus plus les frais ajoutés au prêt), payés à la signature&#xa0;: le montant multiplié par les points / 100, calculé exactement en décimal sur les points tels que saisis et arrondi au cent (le demi-cent s&apos;éloignant de zéro), comme les intérêts d&apos;un mois. 1 point sur 250&#x202f;000 fait 2&#x202f;500,00.</translation>
    </message>
    <message>
        <source>Early repayment charges</source>
        <translation>Indemnités de remboursement anticipé</translation>
    </message>
    <message>
        <source>What each loan&apos;s lender charges for clearing it before its term ends, as you type it for that loan. Taking the offer pays them at signing; keeping both pays none. They count in the offer&apos;s total paid, cost so far and present value, but not in its finance charge or APR: they are charges of the loans you have, not the price of the new loan&apos;s credit, and its lender neither lends nor receives them.</source>
        <translation>Ce que le prêteur de chaque prêt facture pour un remboursement avant la fin de sa durée, tel que vous le saisissez pour ce prêt. Accepter l&apos;offre les fait payer à la signature&#x202f;; garder les deux prêts n&apos;en fait payer aucune. Elles comptent dans le total payé, le coût cumulé et la valeur actuelle de l&apos;offre, mais ni dans son coût du crédit ni dans son taux annuel nominal&#xa0;: ce sont des frais des prêts que vous avez, non le prix du crédit du nouveau prêt, dont le prêteur ne les prête ni ne les reçoit.</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>Every payment of a way, the extra included, plus what is paid at signing: taking the offer, its fees at signing, its points and the early repayment charges.</source>
        <translation>Toutes les échéances d&apos;une option, remboursement anticipé mensuel compris, plus ce qui est payé à la signature&#xa0;: pour l&apos;offre, ses frais à la signature, ses points et les indemnités de remboursement anticipé.</translation>
    </message>
    <message>
        <source>Fees and finance charge</source>
        <translation>Frais et coût du crédit</translation>
    </message>
    <message>
        <source>The offer&apos;s fees are the fees paid at signing, the points and the fees added; its finance charge is its interest plus these fees. Keeping both has no fees: its finance charge is its interest.</source>
        <translation>Les frais de l&apos;offre sont les frais à la signature, les points et les frais ajoutés au prêt&#x202f;; son coût du crédit est la somme de ses intérêts et de ces frais. Garder les deux prêts n&apos;entraîne aucuns frais&#xa0;: le coût du crédit se réduit alors aux intérêts.</translation>
    </message>
    <message>
        <source>The same for the offer&apos;s payments, against what you really receive: the balances less the fees paid at signing and the points, which you pay in advance for the credit (the fees added are in its amount, and come back in its payments). Its effective annual rate comes from the same &lt;i&gt;i&lt;/i&gt;, so it counts the points as fees at signing too. The early repayment charges are left out, as said above.</source>
        <translation>La même chose pour les échéances de l&apos;offre, rapportées à ce que vous recevez réellement&#xa0;: les capitaux restant dus moins les frais à la signature et les points, que vous payez d&apos;avance pour le crédit (les frais ajoutés au prêt sont compris dans son montant et se retrouvent dans ses échéances). Son TAEG découle du même &lt;i&gt;i&lt;/i&gt; et compte donc lui aussi les points comme des frais à la signature. Les indemnités de remboursement anticipé en sont exclues, comme dit plus haut.</translation>
    </message>
    <message>
        <source>Every payment of a way discounted at your savings rate, &amp;Sigma; payment&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; with &lt;i&gt;s&lt;/i&gt; = the savings rate / 1200, plus what is paid at signing (the fees at signing, the points and the early repayment charges): what the way costs you in today&apos;s money where your savings would earn that rate.</source>
        <translation>Chaque échéance d&apos;une option actualisée à votre taux d&apos;épargne, &amp;Sigma; échéance&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; avec &lt;i&gt;s&lt;/i&gt; = le taux d&apos;épargne / 1200, plus ce qui est payé à la signature (frais à la signature, points et indemnités de remboursement anticipé)&#xa0;: ce que l&apos;option vous coûte en argent d&apos;aujourd&apos;hui si votre épargne rapportait ce taux.</translation>
    </message>
    <message>
        <source>After month &lt;i&gt;k&lt;/i&gt;: what a way has had you pay (what is paid at signing included) and what you still owe, less today&apos;s balances. Keeping both, it is the interest paid so far; taking the offer, all its fees, the early repayment charges and its interest so far. Once a way is paid off, it stays at its final value.</source>
        <translation>Après le mois &lt;i&gt;k&lt;/i&gt;&#xa0;: ce qu&apos;une option vous a fait payer (ce qui est payé à la signature compris) et ce que vous devez encore, moins les capitaux restant dus d&apos;aujourd&apos;hui. Si vous gardez les deux prêts, ce sont les intérêts payés jusque-là&#x202f;; si vous acceptez l&apos;offre, tous ses frais, les indemnités de remboursement anticipé et ses intérêts payés jusque-là. Une fois une option remboursée, il reste à sa valeur finale.</translation>
    </message>
    <message>
        <source>The first month from which the offer&apos;s cost so far never again exceeds keeping both&apos;s, to the end of the longer way: &amp;ldquo;at once&amp;rdquo; where that is before the first payment, &amp;ldquo;never&amp;rdquo; where the offer&apos;s interest, fees and early repayment charges come to more than the two loans&apos; interest. The usual &amp;ldquo;fees divided by the monthly saving&amp;rdquo; is wrong where the term changes: a longer offer has a lower payment for years and yet costs more in all, and one with a shorter term can pay for itself although its payment is higher.</source>
        <translation>Le premier mois à partir duquel le coût cumulé de l&apos;offre ne dépasse plus jamais celui des deux prêts gardés, jusqu&apos;à la fin de l&apos;option la plus longue&#xa0;: &amp;laquo;&#xa0;d&apos;emblée&#xa0;&amp;raquo; s&apos;il tombe avant la première échéance, &amp;laquo;&#xa0;jamais&#xa0;&amp;raquo; si les intérêts et les frais de l&apos;offre, indemnités de remboursement anticipé comprises, dépassent les intérêts des deux prêts. Le calcul habituel &amp;laquo;&#xa0;frais divisés par l&apos;économie mensuelle&#xa0;&amp;raquo; est faux dès que la durée change&#xa0;: une offre plus longue a une mensualité plus faible pendant des années et coûte pourtant plus au total, et une offre plus courte peut être rentable bien que sa mensualité soit plus élevée.</translation>
    </message>
    <message>
        <source>Cost over the years you keep it</source>
        <translation>Coût sur la durée de conservation</translation>
    </message>
    <message>
        <source>With the years and months you expect to keep the loan, &lt;i&gt;H&lt;/i&gt; months from the first payment (1 to 1,200): each way&apos;s cost so far after month &lt;i&gt;H&lt;/i&gt;, its final value where the way is paid off sooner. Left empty, or longer than every way, the ways are compared to their end, and it is not defined.</source>
        <translation>Avec la durée de conservation prévue, les années et les mois pendant lesquels vous comptez garder le prêt, soit &lt;i&gt;H&lt;/i&gt; mois à partir de la première échéance (1 à 1&#x202f;200)&#xa0;: le coût cumulé de chaque option après le mois &lt;i&gt;H&lt;/i&gt;, ou sa valeur finale si l&apos;option est remboursée plus tôt. Si cette durée est laissée vide ou dépasse toutes les options, celles-ci sont comparées jusqu&apos;à leur terme et ce chiffre n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>Present value over the years you keep it</source>
        <translation>Valeur actuelle sur la durée de conservation</translation>
    </message>
    <message>
        <source>What is paid at signing + &amp;Sigma;&lt;sub&gt;&lt;i&gt;k&lt;/i&gt; &amp;le; &lt;i&gt;H&lt;/i&gt;&lt;/sub&gt; payment&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; + the balance owed after month &lt;i&gt;H&lt;/i&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;H&lt;/i&gt;&lt;/sup&gt;, rounded to the cent: as if you cleared the loan at the end of those years, which here costs no early repayment charge. Not defined without them.</source>
        <translation>Ce qui est payé à la signature + &amp;Sigma;&lt;sub&gt;&lt;i&gt;k&lt;/i&gt; &amp;le; &lt;i&gt;H&lt;/i&gt;&lt;/sub&gt; échéance&lt;sub&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sub&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;k&lt;/i&gt;&lt;/sup&gt; + le capital restant dû après le mois &lt;i&gt;H&lt;/i&gt; / (1 + &lt;i&gt;s&lt;/i&gt;)&lt;sup&gt;&lt;i&gt;H&lt;/i&gt;&lt;/sup&gt;, arrondi au cent&#xa0;: comme si vous remboursiez le prêt au terme de cette durée, ce qui ne coûte ici aucune indemnité de remboursement anticipé. Non défini sans cette durée.</translation>
    </message>
    <message>
        <source>The way that costs least</source>
        <translation>L&apos;option la moins coûteuse</translation>
    </message>
    <message>
        <source>With two or three offers: the way whose cost over the years you keep it is lowest, or, without those years, whose total paid is lowest. A tie goes to keeping the loans, then to the earlier offer. Its heading says &amp;ldquo;(costs least)&amp;rdquo;, and the first line under the figures names it and says how much less it costs than keeping your loans and than the next cheapest way.</source>
        <translation>Avec deux ou trois offres&#xa0;: l&apos;option dont le coût sur la durée de conservation prévue est le plus bas ou, sans cette durée, celle dont le total payé est le plus bas. En cas d&apos;égalité, garder vos prêts l&apos;emporte, puis l&apos;offre qui vient en premier. Son en-tête porte &amp;laquo;&#xa0;(coût le plus bas)&#xa0;&amp;raquo;, et la première ligne sous les chiffres la nomme et dit de combien elle coûte moins que garder vos prêts et que l&apos;option suivante.</translation>
    </message>
    <message>
        <source>View &amp;gt; Compare with an offer sets your loans, each with its own balance, rate, remaining term or payment and early repayment charge, against one to three offers, each with its rate, term, points and fees, every way in whole cents from the same first payment:</source>
        <translation>Affichage &amp;gt; Comparer avec une offre met en regard vos prêts, chacun avec son capital restant dû, son taux, sa durée restante ou sa mensualité et son indemnité de remboursement anticipé, et une à trois offres, chacune avec son taux, sa durée, ses points et ses frais, chaque option en cents entiers à partir de la même première échéance&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>How the figures are defined</source>
        <translation>Définition des chiffres</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Language: %2&lt;/p&gt;</source>
        <extracomment>%1 is the program&apos;s version, %2 the name of the language its words are in, in that language.</extracomment>
        <translation>&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Langue&#xa0;: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;What two loans cost you, what one blended loan would cost instead, and month by month how each is repaid.&lt;/p&gt;&lt;p&gt;This program is free software: you can redistribute it and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ce que vous coûtent deux prêts, ce que coûterait à la place un prêt regroupé, et mois par mois comment chacun est remboursé.&lt;/p&gt;&lt;p&gt;Ce programme est un logiciel libre&#xa0;: vous pouvez le redistribuer et le modifier selon les termes de la GNU General Public License, version 3 ou (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PlanSummary</name>
    <message>
        <source>not available</source>
        <translation>non disponible</translation>
    </message>
    <message numerus="yes">
        <source>%1 cents</source>
        <extracomment>%1 is the number of cents with its sign, such as -3.</extracomment>
        <translation>
            <numerusform>%1 cent</numerusform>
            <numerusform>%1 cents</numerusform>
        </translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Nombre d&apos;échéances</translation>
    </message>
    <message>
        <source>Final payment</source>
        <translation>Dernière échéance</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>The window&apos;s total interest, unrounded</source>
        <translation>Total des intérêts selon la fenêtre, non arrondi</translation>
    </message>
    <message>
        <source>Difference, schedule less window</source>
        <translation>Écart, tableau moins fenêtre</translation>
    </message>
    <message>
        <source>Paid off in</source>
        <translation>Remboursé en</translation>
    </message>
    <message>
        <source>This plan cannot be listed: %1.</source>
        <extracomment>%1 is the reason, such as &quot;the payment does not cover the interest&quot;.</extracomment>
        <translation>Cette variante ne peut pas être détaillée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The schedule rounds each month&apos;s interest to the cent; the window&apos;s figures are unrounded, so their totals of interest differ by the sum of those roundings.</source>
        <translation>Le tableau d&apos;amortissement arrondit au cent les intérêts de chaque mois&#x202f;; les chiffres de la fenêtre ne sont pas arrondis, si bien que leurs totaux d&apos;intérêts diffèrent de la somme de ces arrondis.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Repayment schedules</source>
        <translation>Tableaux d&apos;amortissement</translation>
    </message>
    <message>
        <source>Remaining balance over time</source>
        <translation>Capital restant dû au fil du temps</translation>
    </message>
    <message>
        <source>Schedule: %1</source>
        <extracomment>A heading above a plan&apos;s schedule: %1 is the plan&apos;s name.</extracomment>
        <translation>Tableau d&apos;amortissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Schedule: %1 (continued)</source>
        <extracomment>The same heading on each following page of the schedule: %1 is the plan&apos;s name.</extracomment>
        <translation>Tableau d&apos;amortissement&#xa0;: %1 (suite)</translation>
    </message>
    <message>
        <source>Compare with an offer</source>
        <translation>Comparaison avec une offre</translation>
    </message>
    <message>
        <source>First payment</source>
        <translation>Première échéance</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An input that cannot be used: %1 is its name, %2 why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cost so far, each way</source>
        <translation>Coût cumulé, pour chaque option</translation>
    </message>
    <message>
        <source>The PDF could not be drawn</source>
        <extracomment>Why the PDF could not be saved, to follow &quot;The file could not be saved:&quot;.</extracomment>
        <translation>le PDF n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be opened.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé&#xa0;: l&apos;imprimante n&apos;a pas pu être ouverte.</translation>
    </message>
</context>
<context>
    <name>ScheduleChart</name>
    <message>
        <source>Loan 1 and loan 2</source>
        <translation>Prêt 1 et prêt 2</translation>
    </message>
    <message>
        <source>%1: paid off</source>
        <extracomment>The dot where a line of the chart ends: %1 is the line&apos;s name.</extracomment>
        <translation>%1&#xa0;: remboursé</translation>
    </message>
    <message>
        <source>No plan could be listed, so there is nothing to chart.</source>
        <translation>Aucune variante n&apos;a pu être détaillée&#x202f;; il n&apos;y a donc rien à représenter.</translation>
    </message>
    <message>
        <source>paid off in %1</source>
        <extracomment>Beside a line&apos;s name in the legend: %1 is the month, such as &quot;March 2055&quot;.</extracomment>
        <translation>jusqu&apos;en %1</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>No.</source>
        <extracomment>The column of the payments&apos; numbers, 1, 2, 3 ...: keep it short.</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal repaid</source>
        <translation>Capital remboursé</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Capital restant dû</translation>
    </message>
</context>
<context>
    <name>report::ComparisonWindow</name>
    <message>
        <source>Read-only: follows from the monthly payment.</source>
        <extracomment>A screen reader&apos;s description of a term box that a typed monthly payment sets.</extracomment>
        <translation>Lecture seule&#xa0;: découle de la mensualité.</translation>
    </message>
    <message>
        <source>Compare with an offer - %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation>Comparer avec une offre - %1</translation>
    </message>
    <message>
        <source>Compare with an offer</source>
        <translation>Comparer avec une offre</translation>
    </message>
    <message>
        <source>F&amp;ill from the calculator</source>
        <extracomment>Its access key must differ from the File menu&apos;s (Datei: D; Fichier: F), which people would take it for.</extracomment>
        <translation>&amp;Reprendre les valeurs du calculateur</translation>
    </message>
    <message>
        <source>Fill from the calculator</source>
        <translation>Reprendre les valeurs du calculateur</translation>
    </message>
    <message>
        <source>Your &amp;loans</source>
        <translation>Vos &amp;prêts</translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation>Prêt %1</translation>
    </message>
    <message>
        <source>Amount of the offer</source>
        <translation>Montant de l&apos;offre</translation>
    </message>
    <message>
        <source>&amp;Both ways</source>
        <translation>&amp;Les deux options</translation>
    </message>
    <message>
        <source>First payment</source>
        <translation>Première échéance</translation>
    </message>
    <message>
        <source>First payment month, both ways and the schedules</source>
        <translation>Mois de la première échéance, pour les deux options et les tableaux d&apos;amortissement</translation>
    </message>
    <message>
        <source>Both ways side by side</source>
        <translation>Les deux options côte à côte</translation>
    </message>
    <message>
        <source>&amp;Cost so far</source>
        <translation>Coût &amp;cumulé</translation>
    </message>
    <message>
        <source>Chart each way&apos;s cost so far</source>
        <translation>Représenter le coût cumulé de chaque option</translation>
    </message>
    <message>
        <source>Balance o&amp;wed</source>
        <translation>Capital restant &amp;dû</translation>
    </message>
    <message>
        <source>Chart the balance owed each way</source>
        <translation>Représenter le capital restant dû de chaque option</translation>
    </message>
    <message>
        <source>Chart of both ways over the months</source>
        <translation>Graphique des deux options au fil des mois</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A figure as a screen reader reads it: %1 is its row&apos;s caption, %2 its column&apos;s title, %3 the figure.</extracomment>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Amount of the offer: %1</source>
        <translation>Montant de l&apos;offre&#xa0;: %1</translation>
    </message>
    <message>
        <source>The marked inputs cannot be used; correct them, and both ways are compared.</source>
        <translation>Les saisies signalées sont inutilisables&#x202f;; corrigez-les, et les deux options seront comparées.</translation>
    </message>
    <message>
        <source>Nothing to chart until the comparison can be made.</source>
        <translation>Rien à représenter tant que la comparaison ne peut pas être faite.</translation>
    </message>
    <message>
        <source>Cost so far: what a way has had you pay, fees included, and what you still owe, less today&apos;s balances. The dot marks the break-even month.</source>
        <translation>Coût cumulé&#xa0;: ce qu&apos;une option vous a fait payer, frais compris, et ce que vous devez encore, moins les capitaux restant dus d&apos;aujourd&apos;hui. Le point marque le mois à partir duquel l&apos;offre est rentable.</translation>
    </message>
    <message>
        <source>Balance owed: what is left to repay each way after each month, the offer starting from its amount.</source>
        <translation>Capital restant dû&#xa0;: ce qui reste à rembourser dans chaque option après chaque mois, l&apos;offre partant de son montant.</translation>
    </message>
    <message>
        <source>The &amp;offers</source>
        <translation>Les &amp;offres</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove offer %1</source>
        <extracomment>A screen reader&apos;s name for the button that removes an offer: %1 is its number.</extracomment>
        <translation>Retirer l&apos;offre %1</translation>
    </message>
    <message>
        <source>&amp;Add an offer</source>
        <translation>&amp;Ajouter une offre</translation>
    </message>
    <message>
        <source>%1 (costs least)</source>
        <extracomment>A column&apos;s heading where its way costs least: %1 is the way, such as &quot;Offer 2&quot;.</extracomment>
        <translation>%1 (coût le plus bas)</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A figure as a screen reader reads it, its way first: %1 is the way, such as &quot;Offer 2&quot;, %2 the row&apos;s caption, %3 the figure.</extracomment>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4 against keeping the loans</source>
        <extracomment>A figure and its difference as a screen reader reads them: %1 is the way, such as &quot;Offer 2&quot;, %2 the row&apos;s caption, %3 the figure, %4 its difference against keeping the loans.</extracomment>
        <translation>%1&#xa0;: %2, %3, %4 par rapport à la conservation des prêts</translation>
    </message>
    <message>
        <source>Amount of offer %1: %2</source>
        <translation>Montant de l&apos;offre %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>report::SchedulesWindow</name>
    <message>
        <source>Repayment schedules - %1</source>
        <extracomment>%1 is the program&apos;s name, which stays as it is.</extracomment>
        <translation>Tableaux d&apos;amortissement - %1</translation>
    </message>
    <message>
        <source>Repayment schedules</source>
        <translation>Tableaux d&apos;amortissement</translation>
    </message>
    <message>
        <source>First payment month</source>
        <translation>Mois de la première échéance</translation>
    </message>
    <message>
        <source>&amp;First payment:</source>
        <translation>&amp;Première échéance&#xa0;:</translation>
    </message>
    <message>
        <source>The schedules follow the calculator&apos;s figures: press Calculate in the calculator window first, and they appear here.</source>
        <translation>Les tableaux d&apos;amortissement suivent les chiffres du calculateur&#xa0;: cliquez d&apos;abord sur «&#xa0;Calculer&#xa0;» dans la fenêtre du calculateur, et ils s&apos;afficheront ici.</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Variantes</translation>
    </message>
    <message>
        <source>&amp;Plans</source>
        <translation>&amp;Variantes</translation>
    </message>
    <message>
        <source>Repayment schedule</source>
        <translation>Tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Remaining &amp;balance</source>
        <translation>Capital &amp;restant dû</translation>
    </message>
    <message>
        <source>Chart the remaining balance</source>
        <translation>Représenter le capital restant dû</translation>
    </message>
    <message>
        <source>&amp;Interest paid so far</source>
        <translation>&amp;Intérêts payés à ce jour</translation>
    </message>
    <message>
        <source>Chart the interest paid so far</source>
        <translation>Représenter les intérêts payés à ce jour</translation>
    </message>
    <message>
        <source>Chart of the plans over time</source>
        <translation>Graphique des variantes au fil du temps</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A summary figure as a screen reader reads it: %1 is its caption, %2 the figure.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A summary figure&apos;s caption beside it: %1 is the caption.</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
</context>
</TS>
