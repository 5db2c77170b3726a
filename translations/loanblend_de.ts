<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ComparisonForm</name>
    <message>
        <source>Enter a number.</source>
        <translation>Geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Too large to be a number.</source>
        <translation>Zu groß für eine Zahl.</translation>
    </message>
    <message>
        <source>Not a number.</source>
        <translation>Keine Zahl.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Must be %1.</source>
        <extracomment>Beside an input; %1 completes the sentence, such as &quot;between 0 % and 100 %&quot;.</extracomment>
        <translation>Muss %1 sein.</translation>
    </message>
    <message>
        <source>an input is marked</source>
        <translation>eine Eingabe ist markiert</translation>
    </message>
    <message>
        <source>Cannot be compared: %1.</source>
        <extracomment>Beside an input; %1 says why, as a clause.</extracomment>
        <translation>Kein Vergleich möglich: %1.</translation>
    </message>
</context>
<context>
    <name>ComparisonInputs</name>
    <message>
        <source>less than the balances, the other fee included</source>
        <extracomment>Completes &quot;must be&quot;, as the limits &quot;between 0 and 1,000,000,000,000&quot; do.</extracomment>
        <translation>geringer als die Restschulden (die andere Gebühr eingerechnet)</translation>
    </message>
    <message>
        <source>%1 must be %2</source>
        <extracomment>%1 names the input, such as &quot;the balance&quot;; %2 completes the sentence, such as &quot;between 0 % and 100 %&quot;.</extracomment>
        <translation>%1 muss %2 sein</translation>
    </message>
    <message>
        <source>between 0.01 and 1,000,000,000,000</source>
        <translation>zwischen 0,01 und 1.000.000.000.000</translation>
    </message>
    <message>
        <source>between 0 and 1,000,000,000,000</source>
        <translation>zwischen 0 und 1.000.000.000.000</translation>
    </message>
    <message>
        <source>between 0 % and 100 %</source>
        <translation>zwischen 0 % und 100 %</translation>
    </message>
    <message>
        <source>between 1 and 1,200 months</source>
        <translation>zwischen 1 und 1.200 Monaten</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Balance, loan 1</source>
        <translation>Restschuld, Darlehen 1</translation>
    </message>
    <message>
        <source>the balance</source>
        <translation>die Restschuld</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Jahreszinssatz (%)</translation>
    </message>
    <message>
        <source>Annual rate (%), loan 1</source>
        <translation>Jahreszinssatz (%), Darlehen 1</translation>
    </message>
    <message>
        <source>the interest rate</source>
        <translation>der Zinssatz</translation>
    </message>
    <message>
        <source>Remaining term in years</source>
        <translation>Restlaufzeit in Jahren</translation>
    </message>
    <message>
        <source>Remaining term in years, loan 1</source>
        <translation>Restlaufzeit in Jahren, Darlehen 1</translation>
    </message>
    <message>
        <source>the term</source>
        <translation>die Laufzeit</translation>
    </message>
    <message>
        <source>Months beyond the years</source>
        <translation>Zusätzliche Monate</translation>
    </message>
    <message>
        <source>Months beyond the years, loan 1</source>
        <translation>Zusätzliche Monate, Darlehen 1</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>Monthly payment, loan 1</source>
        <translation>Monatsrate, Darlehen 1</translation>
    </message>
    <message>
        <source>the monthly payment</source>
        <translation>die Monatsrate</translation>
    </message>
    <message>
        <source>Balance, loan 2</source>
        <translation>Restschuld, Darlehen 2</translation>
    </message>
    <message>
        <source>Annual rate (%), loan 2</source>
        <translation>Jahreszinssatz (%), Darlehen 2</translation>
    </message>
    <message>
        <source>Remaining term in years, loan 2</source>
        <translation>Restlaufzeit in Jahren, Darlehen 2</translation>
    </message>
    <message>
        <source>Months beyond the years, loan 2</source>
        <translation>Zusätzliche Monate, Darlehen 2</translation>
    </message>
    <message>
        <source>Monthly payment, loan 2</source>
        <translation>Monatsrate, Darlehen 2</translation>
    </message>
    <message>
        <source>Annual rate (%), the offer</source>
        <translation>Jahreszinssatz (%), Angebot</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Laufzeit in Jahren</translation>
    </message>
    <message>
        <source>Term in years, the offer</source>
        <translation>Laufzeit in Jahren, Angebot</translation>
    </message>
    <message>
        <source>Months beyond the years, the offer</source>
        <translation>Zusätzliche Monate, Angebot</translation>
    </message>
    <message>
        <source>Fees paid at signing</source>
        <translation>Gebühren bei Abschluss</translation>
    </message>
    <message>
        <source>Fees paid at signing, the offer</source>
        <translation>Gebühren bei Abschluss, Angebot</translation>
    </message>
    <message>
        <source>the fees at signing</source>
        <translation>der Betrag der Gebühren bei Abschluss</translation>
    </message>
    <message>
        <source>Fees added to the loan</source>
        <translation>Mitfinanzierte Gebühren</translation>
    </message>
    <message>
        <source>Fees added to the loan, the offer</source>
        <translation>Mitfinanzierte Gebühren, Angebot</translation>
    </message>
    <message>
        <source>the fees added to the amount</source>
        <translation>der Betrag der mitfinanzierten Gebühren</translation>
    </message>
    <message>
        <source>Extra paid each month</source>
        <translation>Monatliche Sondertilgung</translation>
    </message>
    <message>
        <source>Extra paid each month, both ways</source>
        <translation>Monatliche Sondertilgung, in beiden Fällen</translation>
    </message>
    <message>
        <source>the extra payment</source>
        <translation>die Sondertilgung</translation>
    </message>
    <message>
        <source>Your savings rate (%)</source>
        <translation>Ihr Sparzins (%)</translation>
    </message>
    <message>
        <source>Your savings rate (%), for present values</source>
        <translation>Ihr Sparzins (%), für Barwerte</translation>
    </message>
    <message>
        <source>the savings rate</source>
        <translation>der Sparzins</translation>
    </message>
    <message>
        <source>less than the balances, the other fee and the points included</source>
        <extracomment>Completes &quot;must be&quot;, as the limits do: where points are given, they count with the fees.</extracomment>
        <translation>geringer als die Restschulden (die andere Gebühr und die Punkte eingerechnet)</translation>
    </message>
    <message>
        <source>between 0 % and 10 %</source>
        <translation>zwischen 0 % und 10 %</translation>
    </message>
    <message>
        <source>Early repayment charge</source>
        <translation>Vorfälligkeitsentschädigung</translation>
    </message>
    <message>
        <source>Early repayment charge, loan 1</source>
        <translation>Vorfälligkeitsentschädigung, Darlehen 1</translation>
    </message>
    <message>
        <source>the early repayment charge</source>
        <translation>die Vorfälligkeitsentschädigung</translation>
    </message>
    <message>
        <source>Early repayment charge, loan 2</source>
        <translation>Vorfälligkeitsentschädigung, Darlehen 2</translation>
    </message>
    <message>
        <source>Points (%)</source>
        <translation>Punkte (%)</translation>
    </message>
    <message>
        <source>Points (%), the offer</source>
        <translation>Punkte (%), Angebot</translation>
    </message>
    <message>
        <source>the points</source>
        <translation>der Prozentsatz der Punkte</translation>
    </message>
    <message>
        <source>Years you expect to keep it</source>
        <translation>Erwartete Haltedauer in Jahren</translation>
    </message>
    <message>
        <source>Years you expect to keep it, both ways</source>
        <translation>Erwartete Haltedauer in Jahren, in beiden Fällen</translation>
    </message>
    <message>
        <source>the years you expect to keep it</source>
        <translation>die erwartete Haltedauer</translation>
    </message>
    <message>
        <source>Months beyond the years you expect to keep it</source>
        <translation>Zusätzliche Monate der erwarteten Haltedauer</translation>
    </message>
    <message>
        <source>Name (optional)</source>
        <translation>Name (optional)</translation>
    </message>
    <message>
        <source>Name (optional), the offer</source>
        <translation>Name (optional), Angebot</translation>
    </message>
    <message>
        <source>the name</source>
        <translation>der Name</translation>
    </message>
    <message>
        <source>%1, offer %2</source>
        <extracomment>A later offer&apos;s input, as a screen reader and a message name it: %1 is its caption, such as &quot;Annual rate (%)&quot;, %2 the offer&apos;s number.</extracomment>
        <translation>%1, Angebot %2</translation>
    </message>
</context>
<context>
    <name>ComparisonResults</name>
    <message>
        <source>Monthly payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Anzahl der Raten</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Total paid, fees included</source>
        <translation>Gesamtbetrag einschließlich Gebühren</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>Finance charge: interest and all fees</source>
        <translation>Kreditkosten: Zinsen und alle Gebühren</translation>
    </message>
    <message>
        <source>Present value of everything paid</source>
        <translation>Barwert aller Zahlungen</translation>
    </message>
    <message>
        <source>Rate as an APR</source>
        <translation>Zinssatz als nominaler Jahreszins</translation>
    </message>
    <message>
        <source>Rate as an effective annual rate</source>
        <translation>Zinssatz als effektiver Jahreszins</translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation>Lohnt sich ab Monat</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <extracomment>%1 is a number of years, written in the user&apos;s digits.</extracomment>
        <translation>
            <numerusform>%1 Jahr</numerusform>
            <numerusform>%1 Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>%1 is a number of months, written in the user&apos;s digits.</extracomment>
        <translation>
            <numerusform>%1 Monat</numerusform>
            <numerusform>%1 Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A span of time: %1 is a number of years, %2 of months, as in &quot;1 year and 3 months&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the same month</source>
        <translation>im selben Monat</translation>
    </message>
    <message>
        <source>%1 later</source>
        <translation>%1 später</translation>
    </message>
    <message>
        <source>%1 earlier</source>
        <translation>%1 früher</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>sofort</translation>
    </message>
    <message>
        <source>month %1 (%2)</source>
        <extracomment>%1 counts the payments, %2 is that payment&apos;s month and year, as in &quot;month 27 (March 2029)&quot;.</extracomment>
        <translation>Monat %1 (%2)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>A difference of two rates in percentage points; %1 is the figure, as in &quot;+0.25 points&quot;.</extracomment>
        <translation>%1 Prozentpunkte</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for loan 1, %1.</source>
        <extracomment>%1 says why, as a clause: &quot;the monthly payment never covers a month&apos;s interest, so it is never repaid&quot;.</extracomment>
        <translation>Der Vergleich ist nicht möglich, denn bei Darlehen 1 gilt: %1.</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for loan 2, %1.</source>
        <translation>Der Vergleich ist nicht möglich, denn bei Darlehen 2 gilt: %1.</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for the offer, %1.</source>
        <translation>Der Vergleich ist nicht möglich, denn beim Angebot gilt: %1.</translation>
    </message>
    <message>
        <source>The comparison cannot be made: %1.</source>
        <translation>Der Vergleich ist nicht möglich: %1.</translation>
    </message>
    <message>
        <source>Taking the offer costs the same</source>
        <translation>Das Angebot kostet gleich viel</translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and never comes out ahead</source>
        <translation>Das Angebot kostet insgesamt gleich viel und liegt nie vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and never comes out ahead</source>
        <translation>Das Angebot kostet insgesamt %1 mehr und liegt nie vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and never comes out ahead</source>
        <translation>Das Angebot kostet insgesamt %1 weniger und liegt nie vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and is ahead from the start</source>
        <translation>Das Angebot kostet insgesamt gleich viel und liegt von Anfang an vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and is ahead from the start</source>
        <translation>Das Angebot kostet insgesamt %1 mehr und liegt von Anfang an vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and is ahead from the start</source>
        <translation>Das Angebot kostet insgesamt %1 weniger und liegt von Anfang an vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and is ahead for good from %2</source>
        <extracomment>%2 names the month, as in &quot;month 27 (March 2029)&quot;.</extracomment>
        <translation>Das Angebot kostet insgesamt gleich viel und liegt ab %2 dauerhaft vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and is ahead for good from %2</source>
        <translation>Das Angebot kostet insgesamt %1 mehr und liegt ab %2 dauerhaft vorn</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and is ahead for good from %2</source>
        <translation>Das Angebot kostet insgesamt %1 weniger und liegt ab %2 dauerhaft vorn</translation>
    </message>
    <message>
        <source>its payment is the same and the last one falls in the same month</source>
        <translation>seine Monatsrate ist gleich hoch, und die letzte Rate fällt in denselben Monat</translation>
    </message>
    <message>
        <source>its payment is %1 higher and the last one falls in the same month</source>
        <translation>seine Monatsrate ist %1 höher, und die letzte Rate fällt in denselben Monat</translation>
    </message>
    <message>
        <source>its payment is %1 lower and the last one falls in the same month</source>
        <translation>seine Monatsrate ist %1 niedriger, und die letzte Rate fällt in denselben Monat</translation>
    </message>
    <message>
        <source>its payment is the same and the last one is %2</source>
        <extracomment>%2 says how much later or earlier, as in &quot;5 years later&quot;.</extracomment>
        <translation>seine Monatsrate ist gleich hoch, und die letzte Rate ist %2 fällig</translation>
    </message>
    <message>
        <source>its payment is %1 higher and the last one is %2</source>
        <translation>seine Monatsrate ist %1 höher, und die letzte Rate ist %2 fällig</translation>
    </message>
    <message>
        <source>its payment is %1 lower and the last one is %2</source>
        <translation>seine Monatsrate ist %1 niedriger, und die letzte Rate ist %2 fällig</translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth the same today</source>
        <translation>zu Ihrem Sparzins ist alles, was Sie damit zahlen, heute gleich viel wert</translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth %1 more today</source>
        <translation>zu Ihrem Sparzins ist alles, was Sie damit zahlen, heute %1 mehr wert</translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth %1 less today</source>
        <translation>zu Ihrem Sparzins ist alles, was Sie damit zahlen, heute %1 weniger wert</translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <extracomment>Joins the sentence&apos;s two clauses: what the offer costs, and how its payments differ.</extracomment>
        <translation>%1; %2.</translation>
    </message>
    <message>
        <source>%1; %2; %3.</source>
        <extracomment>Joins the sentence&apos;s three clauses: what the offer costs, how its payments differ, and their present value.</extracomment>
        <translation>%1; %2; %3.</translation>
    </message>
    <message>
        <source>Keep both loans</source>
        <translation>Beide Darlehen behalten</translation>
    </message>
    <message>
        <source>Take the offer</source>
        <translation>Angebot annehmen</translation>
    </message>
    <message>
        <source>The difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Keep your loan</source>
        <translation>Ihr Darlehen behalten</translation>
    </message>
    <message>
        <source>Early repayment charges</source>
        <translation>Vorfälligkeitsentschädigungen</translation>
    </message>
    <message>
        <source>Cost over the years you keep it</source>
        <translation>Kosten während der Haltedauer</translation>
    </message>
    <message>
        <source>Present value over the years you keep it</source>
        <translation>Barwert während der Haltedauer</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for offer %1, %2.</source>
        <extracomment>%1 is the offer&apos;s number; %2 says why, as a clause.</extracomment>
        <translation>Der Vergleich ist nicht möglich, denn bei Angebot %1 gilt: %2.</translation>
    </message>
    <message>
        <source>Over %3, keeping your loans costs least: %1 less than the cheapest offer, %2.</source>
        <translation>Über %3 gerechnet ist das Behalten Ihrer Darlehen am günstigsten: %1 weniger als das günstigste Angebot, %2.</translation>
    </message>
    <message>
        <source>In all, keeping your loans costs least: %1 less than the cheapest offer, %2.</source>
        <translation>Insgesamt ist das Behalten Ihrer Darlehen am günstigsten: %1 weniger als das günstigste Angebot, %2.</translation>
    </message>
    <message>
        <source>Over %3, %1 costs least: %2 less than keeping your loans, the next cheapest.</source>
        <translation>Über %3 gerechnet ist %1 am günstigsten: %2 weniger als das Behalten Ihrer Darlehen, der zweitgünstigste Weg.</translation>
    </message>
    <message>
        <source>In all, %1 costs least: %2 less than keeping your loans, the next cheapest.</source>
        <translation>Insgesamt ist %1 am günstigsten: %2 weniger als das Behalten Ihrer Darlehen, der zweitgünstigste Weg.</translation>
    </message>
    <message>
        <source>Over %5, %1 costs least: %2 less than keeping your loans and %3 less than the next cheapest, %4.</source>
        <translation>Über %5 gerechnet ist %1 am günstigsten: %2 weniger als das Behalten Ihrer Darlehen und %3 weniger als das zweitgünstigste Angebot, %4.</translation>
    </message>
    <message>
        <source>In all, %1 costs least: %2 less than keeping your loans and %3 less than the next cheapest, %4.</source>
        <translation>Insgesamt ist %1 am günstigsten: %2 weniger als das Behalten Ihrer Darlehen und %3 weniger als das zweitgünstigste Angebot, %4.</translation>
    </message>
    <message>
        <source>%1 (costs least)</source>
        <extracomment>A way&apos;s heading where it costs least: %1 is the way, such as &quot;Offer 2&quot;.</extracomment>
        <translation>%1 (am günstigsten)</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>An offer without a name, as its column&apos;s heading: %1 is its number.</extracomment>
        <translation>Angebot %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An offer&apos;s own sentence after its heading: %1 is the heading, such as &quot;Offer 2&quot;, %2 the sentence.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FailureMessages</name>
    <message>
        <source>Loan 1&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <extracomment>%1 is a figure&apos;s name, such as &quot;monthly payment&quot;; %2 says why, as a clause.</extracomment>
        <translation>Für Darlehen 1 konnte %1 nicht berechnet werden: %2. Die davon abhängigen Ergebnisse bleiben leer.</translation>
    </message>
    <message>
        <source>Loan 2&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation>Für Darlehen 2 konnte %1 nicht berechnet werden: %2. Die davon abhängigen Ergebnisse bleiben leer.</translation>
    </message>
    <message>
        <source>The new blended loan&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation>Für das neue zusammengefasste Darlehen konnte %1 nicht berechnet werden: %2. Die davon abhängigen Ergebnisse bleiben leer.</translation>
    </message>
    <message>
        <source>The %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation>Beim Zusammenfassen konnte %1 nicht berechnet werden: %2. Die davon abhängigen Ergebnisse bleiben leer.</translation>
    </message>
    <message>
        <source>the combined monthly payment never repays the total principal at the average rate, because a month&apos;s interest on the total principal at that rate is at least the payment</source>
        <translation>die gemeinsame Monatsrate tilgt die Summe der Darlehensbeträge zum Durchschnittszins nie, weil die Zinsen eines Monats auf diese Summe zu diesem Zins mindestens so hoch sind wie die Rate</translation>
    </message>
    <message>
        <source>the combined monthly payment never repays the total principal at the weighted average rate, because a month&apos;s interest on the total principal at that rate is at least the payment</source>
        <translation>die gemeinsame Monatsrate tilgt die Summe der Darlehensbeträge zum gewichteten Durchschnittszins nie, weil die Zinsen eines Monats auf diese Summe zu diesem Zins mindestens so hoch sind wie die Rate</translation>
    </message>
    <message>
        <source>a rate of 0% cannot be calculated</source>
        <translation>mit einem Zinssatz von 0 % lässt sich nicht rechnen</translation>
    </message>
    <message>
        <source>the two principals add up to 0, so they cannot weight the rates</source>
        <translation>die beiden Darlehensbeträge ergeben zusammen 0 und können die Zinssätze daher nicht gewichten</translation>
    </message>
    <message>
        <source>a rate of 0% or a period of 0 years cannot be calculated (the payment would be 0 divided by 0)</source>
        <translation>mit einem Zinssatz von 0 % oder einer Laufzeit von 0 Jahren lässt sich nicht rechnen (die Rate wäre 0 geteilt durch 0)</translation>
    </message>
    <message>
        <source>the numbers involved are too large to calculate with</source>
        <translation>die beteiligten Zahlen sind zu groß, um damit zu rechnen</translation>
    </message>
    <message>
        <source>the total accumulated value and the total principal have opposite signs, so no rate of growth joins them</source>
        <translation>die Summe der Endwerte und die Summe der Darlehensbeträge haben entgegengesetzte Vorzeichen, daher verbindet sie kein Wachstumssatz</translation>
    </message>
    <message>
        <source>the inputs give it no real value (such as a negative number raised to a fractional power)</source>
        <translation>die Eingaben ergeben keinen reellen Wert (etwa eine negative Zahl hoch einem Bruch)</translation>
    </message>
    <message>
        <source>The loan 1 principal</source>
        <translation>Der Darlehensbetrag von Darlehen 1</translation>
    </message>
    <message>
        <source>The loan 1 annual interest rate</source>
        <translation>Der Jahreszinssatz von Darlehen 1</translation>
    </message>
    <message>
        <source>The amortization period</source>
        <translation>Die Laufzeit</translation>
    </message>
    <message>
        <source>The loan 2 principal</source>
        <translation>Der Darlehensbetrag von Darlehen 2</translation>
    </message>
    <message>
        <source>The loan 2 annual interest rate</source>
        <translation>Der Jahreszinssatz von Darlehen 2</translation>
    </message>
    <message>
        <source>The field</source>
        <translation>Das Feld</translation>
    </message>
    <message>
        <source>%1 is empty. Enter a number such as %2.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is an example number.</extracomment>
        <translation>%1 ist leer. Geben Sie eine Zahl wie %2 ein.</translation>
    </message>
    <message>
        <source>%1 %2 is too large to be a number. Enter a number such as %3.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is its text in quotes; %3 is an example number.</extracomment>
        <translation>%1 %2 ist als Zahl zu groß. Geben Sie eine Zahl wie %3 ein.</translation>
    </message>
    <message>
        <source>%1 %2 is not a number. Enter a number such as %3.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is its text in quotes; %3 is an example number.</extracomment>
        <translation>%1 %2 ist keine Zahl. Geben Sie eine Zahl wie %3 ein.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>monthly payment</source>
        <translation>die Monatsrate</translation>
    </message>
    <message>
        <source>total interest</source>
        <translation>die Summe der Zinsen</translation>
    </message>
    <message>
        <source>effective annual rate</source>
        <translation>der effektive Jahreszins</translation>
    </message>
    <message>
        <source>accumulated value</source>
        <translation>der Endwert</translation>
    </message>
    <message>
        <source>average rate</source>
        <translation>der Durchschnittszins</translation>
    </message>
    <message>
        <source>weighted average rate</source>
        <translation>der gewichtete Durchschnittszins</translation>
    </message>
    <message>
        <source>total principal</source>
        <translation>die Summe der Darlehensbeträge</translation>
    </message>
    <message>
        <source>total accumulated value</source>
        <translation>die Summe der Endwerte</translation>
    </message>
    <message>
        <source>blended effective rate</source>
        <translation>der effektive Mischzins</translation>
    </message>
    <message>
        <source>blended rate</source>
        <translation>der Mischzins</translation>
    </message>
    <message>
        <source>combined monthly payment</source>
        <translation>die gemeinsame Monatsrate</translation>
    </message>
    <message>
        <source>combined total interest</source>
        <translation>die gemeinsame Zinssumme</translation>
    </message>
    <message>
        <source>payoff period at the average rate</source>
        <translation>die Tilgungsdauer zum Durchschnittszins</translation>
    </message>
    <message>
        <source>payoff period at the weighted average rate</source>
        <translation>die Tilgungsdauer zum gewichteten Durchschnittszins</translation>
    </message>
</context>
<context>
    <name>FormTable</name>
    <message>
        <source>Quarrystone.exe                                       Blended Loans with  monthly conpounding</source>
        <translation>Quarrystone.exe                                       Zusammengefasste Darlehen mit monatlicher Verzinsung</translation>
    </message>
    <message>
        <source>The default data, which appear when you first click Calculate, come from a worked example of blended loans dated Jan 6th 2014. Use the mouse or Tab key to enter your own data.</source>
        <translation>Die Vorgabewerte, die beim ersten Klick auf „Berechnen“ erscheinen, stammen aus einem Rechenbeispiel für zusammengefasste Darlehen vom 6. Januar 2014. Geben Sie Ihre eigenen Werte mit der Maus oder der Tabulatortaste ein.</translation>
    </message>
    <message>
        <source>Principal1</source>
        <translation>Darlehensbetrag 1</translation>
    </message>
    <message>
        <source>loan 1 principal</source>
        <translation>Darlehensbetrag von Darlehen 1</translation>
    </message>
    <message>
        <source>AIR1 (%)</source>
        <translation>Sollzins 1 (%)</translation>
    </message>
    <message>
        <source>loan 1 annual interest rate in percent</source>
        <translation>Jahreszinssatz von Darlehen 1 in Prozent</translation>
    </message>
    <message>
        <source>Amortization Period (years)</source>
        <translation>Laufzeit (Jahre)</translation>
    </message>
    <message>
        <source>for both loans</source>
        <translation>für beide Darlehen</translation>
    </message>
    <message>
        <source>Principal2</source>
        <translation>Darlehensbetrag 2</translation>
    </message>
    <message>
        <source>loan 2 principal</source>
        <translation>Darlehensbetrag von Darlehen 2</translation>
    </message>
    <message>
        <source>AIR2 (%)</source>
        <translation>Sollzins 2 (%)</translation>
    </message>
    <message>
        <source>loan 2 annual interest rate in percent</source>
        <translation>Jahreszinssatz von Darlehen 2 in Prozent</translation>
    </message>
    <message>
        <source>Effective annual rate 1 (%)</source>
        <translation>Effektiver Jahreszins 1 (%)</translation>
    </message>
    <message>
        <source>loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Monthly Payment 1</source>
        <translation>Monatsrate 1</translation>
    </message>
    <message>
        <source>loan 1 monthly payment</source>
        <translation>Monatsrate von Darlehen 1</translation>
    </message>
    <message>
        <source>Total Interest 1</source>
        <translation>Zinsen gesamt 1</translation>
    </message>
    <message>
        <source>loan 1 total interest</source>
        <translation>Zinsen gesamt von Darlehen 1</translation>
    </message>
    <message>
        <source>FV1</source>
        <translation>Endwert 1</translation>
    </message>
    <message>
        <source>loan 1 accumulated value</source>
        <translation>Endwert von Darlehen 1</translation>
    </message>
    <message>
        <source>Effective annual rate 2 (%)</source>
        <translation>Effektiver Jahreszins 2 (%)</translation>
    </message>
    <message>
        <source>loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>same as loan1</source>
        <translation>wie Darlehen 1</translation>
    </message>
    <message>
        <source>Monthly Payment 2</source>
        <translation>Monatsrate 2</translation>
    </message>
    <message>
        <source>loan 2 monthly payment</source>
        <translation>Monatsrate von Darlehen 2</translation>
    </message>
    <message>
        <source>Total Interest 2</source>
        <translation>Zinsen gesamt 2</translation>
    </message>
    <message>
        <source>loan 2 total interest</source>
        <translation>Zinsen gesamt von Darlehen 2</translation>
    </message>
    <message>
        <source>FV2</source>
        <translation>Endwert 2</translation>
    </message>
    <message>
        <source>loan 2 accumulated value</source>
        <translation>Endwert von Darlehen 2</translation>
    </message>
    <message>
        <source>Combined monthly payment 1 and payment 2</source>
        <translation>Monatsrate 1 und Monatsrate 2 zusammen</translation>
    </message>
    <message>
        <source>Total Interest cost of loan1 and loan 2</source>
        <translation>Zinsen gesamt für Darlehen 1 und Darlehen 2</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>blended loan principal</source>
        <translation>Darlehensbetrag des zusammengefassten Darlehens</translation>
    </message>
    <message>
        <source>AIR (%)</source>
        <translation>Sollzins (%)</translation>
    </message>
    <message>
        <source>blended loan rate</source>
        <translation>Zinssatz des zusammengefassten Darlehens</translation>
    </message>
    <message>
        <source>Effective annual rate (%)</source>
        <translation>Effektiver Jahreszins (%)</translation>
    </message>
    <message>
        <source>blended loan</source>
        <translation>zusammengefasstes Darlehen</translation>
    </message>
    <message>
        <source>Amortization Period</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>blended loan monthly payment</source>
        <translation>Monatsrate des zusammengefassten Darlehens</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>blended loan total interest</source>
        <translation>Zinsen gesamt des zusammengefassten Darlehens</translation>
    </message>
    <message>
        <source>AIR (%), Blended Rate</source>
        <translation>Sollzins (%), Mischzins</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>AIR (%), Average Rate</source>
        <translation>Sollzins (%), Durchschnittszins</translation>
    </message>
    <message>
        <source>AIR (%), Weighted Average Rate</source>
        <translation>Sollzins (%), gewichteter Durchschnittszins</translation>
    </message>
    <message>
        <source>Total Interest, Blended Rate</source>
        <translation>Zinsen gesamt, Mischzins</translation>
    </message>
    <message>
        <source>Total Interest, Average Rate</source>
        <translation>Zinsen gesamt, Durchschnittszins</translation>
    </message>
    <message>
        <source>combined payment repaying both principals</source>
        <translation>gemeinsame Rate, die beide Darlehensbeträge tilgt</translation>
    </message>
    <message>
        <source>Total Interest, Weighted Average Rate</source>
        <translation>Zinsen gesamt, gewichteter Durchschnittszins</translation>
    </message>
    <message>
        <source>Amortization Period, Blended Rate</source>
        <translation>Laufzeit, Mischzins</translation>
    </message>
    <message>
        <source>Amortization Period (years), Average Rate</source>
        <translation>Laufzeit (Jahre), Durchschnittszins</translation>
    </message>
    <message>
        <source>years for the combined payment to repay both principals</source>
        <translation>Jahre, bis die gemeinsame Rate beide Darlehensbeträge getilgt hat</translation>
    </message>
    <message>
        <source>Amortization Period (years), Weighted Average Rate</source>
        <translation>Laufzeit (Jahre), gewichteter Durchschnittszins</translation>
    </message>
    <message>
        <source>Monthly Payment, Blended Rate</source>
        <translation>Monatsrate, Mischzins</translation>
    </message>
    <message>
        <source>Monthly Payment, Average Rate</source>
        <translation>Monatsrate, Durchschnittszins</translation>
    </message>
    <message>
        <source>the combined payment</source>
        <translation>die gemeinsame Rate</translation>
    </message>
    <message>
        <source>Monthly Payment, Weighted Average Rate</source>
        <translation>Monatsrate, gewichteter Durchschnittszins</translation>
    </message>
    <message>
        <source>LOAN 1</source>
        <translation>DARLEHEN 1</translation>
    </message>
    <message>
        <source>LOAN2</source>
        <translation>DARLEHEN 2</translation>
    </message>
    <message>
        <source> Monthly Payment 1</source>
        <translation>Monatsrate 1</translation>
    </message>
    <message>
        <source>THE NEW BLENDED LOAN with the BLENDED RATE</source>
        <translation>DAS NEUE ZUSAMMENGEFASSTE DARLEHEN zum MISCHZINS</translation>
    </message>
    <message>
        <source>Comparison of the NEW BLENDED LOAN</source>
        <translation>Vergleich mit dem NEUEN ZUSAMMENGEFASSTEN DARLEHEN</translation>
    </message>
    <message>
        <source>Blended Rate</source>
        <translation>Mischzins</translation>
    </message>
    <message>
        <source>Average Rate</source>
        <translation>Durchschnittszins</translation>
    </message>
    <message>
        <source>Weighted Average Rate</source>
        <translation>Gewichteter Durchschnittszins</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Blended Loan Calculator</source>
        <translation>Rechner für zusammengefasste Darlehen</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>enter a Principal between $1 and $10000,000</source>
        <translation>Geben Sie einen Darlehensbetrag zwischen $1 und $10.000.000 ein</translation>
    </message>
    <message>
        <source>enter an Annual Interest Rate between 1% and 25%</source>
        <translation>Geben Sie einen Jahreszinssatz zwischen 1 % und 25 % ein</translation>
    </message>
    <message>
        <source>enter an Amortization Period between 1 and 50 years</source>
        <translation>Geben Sie eine Laufzeit zwischen 1 und 50 Jahren ein</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 belongs to another build of the program (%2, where this one is %3).</source>
        <extracomment>%1 is the module&apos;s file; %2 and %3 are build identifiers.</extracomment>
        <translation>%1 gehört zu einem anderen Build des Programms (%2, dieses hier ist %3).</translation>
    </message>
    <message>
        <source>It is not installed beside the program.</source>
        <translation>Es ist nicht neben dem Programm installiert.</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>Loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>Blended loan</source>
        <translation>Zusammengefasstes Darlehen</translation>
    </message>
    <message>
        <source>Combined payment at the average rate</source>
        <translation>Gemeinsame Rate zum Durchschnittszins</translation>
    </message>
    <message>
        <source>Combined payment at the weighted rate</source>
        <translation>Gemeinsame Rate zum gewichteten Zins</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>the monthly payment never covers a month&apos;s interest, so it is never repaid</source>
        <translation>die Monatsrate deckt nie die Zinsen eines Monats, daher wird es nie getilgt</translation>
    </message>
    <message>
        <source>no rate from 0 % to 100 % a month makes its payments worth the amount lent, so its rate is not defined</source>
        <translation>kein Monatszins zwischen 0 % und 100 % bringt seine Zahlungen auf den Wert des geliehenen Betrags, daher ist sein Zinssatz nicht bestimmt</translation>
    </message>
    <message>
        <source>it would take more than 1,200 monthly payments (100 years)</source>
        <translation>es bräuchte mehr als 1.200 Monatsraten (100 Jahre)</translation>
    </message>
    <message>
        <source>its amounts are too large to count in cents</source>
        <translation>seine Beträge sind zu groß, um in Cent gerechnet zu werden</translation>
    </message>
    <message>
        <source>one of its inputs is marked</source>
        <translation>eine seiner Eingaben ist markiert</translation>
    </message>
</context>
<context>
    <name>ReportRows</name>
    <message>
        <source>Loan 1</source>
        <translation>Darlehen 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Darlehen 2</translation>
    </message>
    <message>
        <source>Loan 1 and loan 2</source>
        <translation>Darlehen 1 und Darlehen 2</translation>
    </message>
    <message>
        <source>The new blended loan with the blended rate</source>
        <translation>Das neue zusammengefasste Darlehen zum Mischzins</translation>
    </message>
    <message>
        <source>Comparison of the new blended loan</source>
        <translation>Vergleich des neuen zusammengefassten Darlehens</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>the folder&apos;s name belongs to a file</source>
        <translation>der Name des Ordners gehört zu einer Datei</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner gleichen Namens steht im Weg</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>der Grund ist unbekannt</translation>
    </message>
    <message>
        <source>The file could not be saved: %1.</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>nothing is reading from it</source>
        <translation>kein Programm liest daraus</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a disk, which is never written to</source>
        <translation>es ist ein Datenträger, auf den nie geschrieben wird</translation>
    </message>
</context>
<context>
    <name>ScenarioFile</name>
    <message>
        <source>%1 has no “%2”</source>
        <extracomment>%1 is a part of the file, such as &quot;the comparison&quot;; %2 is the name of an entry in the file.</extracomment>
        <translation>%1: „%2“ fehlt</translation>
    </message>
    <message>
        <source>“%1” in %2 is not an object</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file, such as &quot;the comparison&quot;.</extracomment>
        <translation>„%1“ (%2) ist kein Objekt</translation>
    </message>
    <message>
        <source>“%1” in %2 is not a number written as text</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file, such as &quot;the comparison&quot;.</extracomment>
        <translation>„%1“ (%2) ist keine als Text geschriebene Zahl</translation>
    </message>
    <message>
        <source>“%1” in %2 is not a number: “%3”</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file; %3 is the entry&apos;s text.</extracomment>
        <translation>„%1“ (%2) ist keine Zahl: „%3“</translation>
    </message>
    <message>
        <source>the scenario</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>its first month is not a month from 1900-01 to 2999-12 written as YYYY-MM</source>
        <translation>ihr erster Monat ist kein Monat von 1900-01 bis 2999-12 in der Form YYYY-MM</translation>
    </message>
    <message>
        <source>the comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>the comparison&apos;s “loans” is not a list of one or two loans</source>
        <translation>„loans“ im Vergleich ist keine Liste mit einem oder zwei Darlehen</translation>
    </message>
    <message>
        <source>loan %1 of the comparison</source>
        <translation>Darlehen %1 des Vergleichs</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <extracomment>%1 is a part of the file, such as &quot;loan 1 of the comparison&quot;.</extracomment>
        <translation>%1: kein Objekt</translation>
    </message>
    <message>
        <source>the offer</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, far larger than any scenario</source>
        <translation>sie ist größer als 1 MiB, weit größer als jedes Szenario</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is not a scenario: %1 at byte %2</source>
        <extracomment>%1 is the JSON reader&apos;s own account of the fault; %2 counts bytes from the start.</extracomment>
        <translation>die Datei ist kein Szenario: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>it is not a scenario</source>
        <translation>die Datei ist kein Szenario</translation>
    </message>
    <message>
        <source>it is not a scenario of this program</source>
        <translation>die Datei ist kein Szenario dieses Programms</translation>
    </message>
    <message>
        <source>its version is not a whole number</source>
        <translation>ihre Version ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>its version, %1, is no scenario version (this one reads version %2)</source>
        <translation>ihre Version %1 ist keine Szenario-Version (dieses Programm liest Version %2)</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program (scenario version %1; this one reads version %2)</source>
        <translation>sie wurde von einer neueren Version des Programms geschrieben (Szenario-Version %1; diese liest Version %2)</translation>
    </message>
    <message>
        <source>the inputs</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a FIFO, not a file</source>
        <translation>es ist ein FIFO, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names an input of the comparison; %2 is the sentence beside it, such as &quot;Enter a number.&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: “%2”. %3</source>
        <extracomment>%1 names an input of the comparison; %2 is its text; %3 is the sentence beside it, such as &quot;Not a number.&quot;</extracomment>
        <translation>%1: „%2“. %3</translation>
    </message>
    <message>
        <source>the name of %1 is not text</source>
        <extracomment>%1 is a part of the file, such as &quot;offer 2 of the comparison&quot;.</extracomment>
        <translation>%1: der Name ist kein Text</translation>
    </message>
    <message>
        <source>the comparison&apos;s “offers” is not a list of one to three offers</source>
        <translation>„offers“ im Vergleich ist keine Liste mit einem bis drei Angeboten</translation>
    </message>
    <message>
        <source>offer %1 of the comparison</source>
        <translation>Angebot %1 des Vergleichs</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>the period holds no monthly payment</source>
        <translation>die Laufzeit umfasst keine Monatsrate</translation>
    </message>
    <message>
        <source>its principal is not at least one cent</source>
        <translation>sein Darlehensbetrag beträgt nicht mindestens einen Cent</translation>
    </message>
    <message>
        <source>its interest rate is not positive</source>
        <translation>sein Zinssatz ist nicht positiv</translation>
    </message>
    <message>
        <source>its monthly payment is not at least one cent, so it never repays the principal</source>
        <translation>seine Monatsrate beträgt nicht mindestens einen Cent, daher tilgt sie den Darlehensbetrag nie</translation>
    </message>
    <message>
        <source>a month&apos;s interest is at least the monthly payment, so the principal is never repaid</source>
        <translation>die Zinsen eines Monats sind mindestens so hoch wie die Monatsrate, daher wird der Darlehensbetrag nie getilgt</translation>
    </message>
    <message>
        <source>it would take more than 1,200 monthly payments (100 years)</source>
        <translation>es bräuchte mehr als 1.200 Monatsraten (100 Jahre)</translation>
    </message>
    <message>
        <source>its amounts are too large to list to the cent</source>
        <translation>seine Beträge sind zu groß, um sie auf den Cent genau aufzulisten</translation>
    </message>
    <message>
        <source>the calculation did not reach this plan</source>
        <translation>die Berechnung hat diesen Plan nicht erreicht</translation>
    </message>
</context>
</TS>
