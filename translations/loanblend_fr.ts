<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ComparisonForm</name>
    <message>
        <source>Enter a number.</source>
        <translation>Saisissez un nombre.</translation>
    </message>
    <message>
        <source>Too large to be a number.</source>
        <translation>Trop grand pour être un nombre.</translation>
    </message>
    <message>
        <source>Not a number.</source>
        <translation>Ce n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>Must be %1.</source>
        <extracomment>Beside an input; %1 completes the sentence, such as &quot;between 0 % and 100 %&quot;.</extracomment>
        <translation>Doit se situer %1.</translation>
    </message>
    <message>
        <source>an input is marked</source>
        <translation>une saisie est signalée</translation>
    </message>
    <message>
        <source>Cannot be compared: %1.</source>
        <extracomment>Beside an input; %1 says why, as a clause.</extracomment>
        <translation>Comparaison impossible&#x202f;: %1.</translation>
    </message>
</context>
<context>
    <name>ComparisonInputs</name>
    <message>
        <source>less than the balances, the other fee included</source>
        <extracomment>Completes &quot;must be&quot;, as the limits &quot;between 0 and 1,000,000,000,000&quot; do.</extracomment>
        <translation>en dessous des capitaux restants dus, en comptant les autres frais</translation>
    </message>
    <message>
        <source>%1 must be %2</source>
        <extracomment>%1 names the input, such as &quot;the balance&quot;; %2 completes the sentence, such as &quot;between 0 % and 100 %&quot;.</extracomment>
        <translation>%1 doit se situer %2</translation>
    </message>
    <message>
        <source>between 0.01 and 1,000,000,000,000</source>
        <translation>entre 0,01 et 1&#x202f;000&#x202f;000&#x202f;000&#x202f;000</translation>
    </message>
    <message>
        <source>between 0 and 1,000,000,000,000</source>
        <translation>entre 0 et 1&#x202f;000&#x202f;000&#x202f;000&#x202f;000</translation>
    </message>
    <message>
        <source>between 0 % and 100 %</source>
        <translation>entre 0&#x202f;% et 100&#x202f;%</translation>
    </message>
    <message>
        <source>between 1 and 1,200 months</source>
        <translation>entre 1 et 1&#x202f;200 mois</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Capital restant dû</translation>
    </message>
    <message>
        <source>Balance, loan 1</source>
        <translation>Capital restant dû, prêt 1</translation>
    </message>
    <message>
        <source>the balance</source>
        <translation>le capital restant dû</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Taux annuel (%)</translation>
    </message>
    <message>
        <source>Annual rate (%), loan 1</source>
        <translation>Taux annuel (%), prêt 1</translation>
    </message>
    <message>
        <source>the interest rate</source>
        <translation>le taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Remaining term in years</source>
        <translation>Durée restante en années</translation>
    </message>
    <message>
        <source>Remaining term in years, loan 1</source>
        <translation>Durée restante en années, prêt 1</translation>
    </message>
    <message>
        <source>the term</source>
        <translation>la durée</translation>
    </message>
    <message>
        <source>Months beyond the years</source>
        <translation>Mois en sus des années</translation>
    </message>
    <message>
        <source>Months beyond the years, loan 1</source>
        <translation>Mois en sus des années, prêt 1</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>Monthly payment, loan 1</source>
        <translation>Mensualité, prêt 1</translation>
    </message>
    <message>
        <source>the monthly payment</source>
        <translation>la mensualité</translation>
    </message>
    <message>
        <source>Balance, loan 2</source>
        <translation>Capital restant dû, prêt 2</translation>
    </message>
    <message>
        <source>Annual rate (%), loan 2</source>
        <translation>Taux annuel (%), prêt 2</translation>
    </message>
    <message>
        <source>Remaining term in years, loan 2</source>
        <translation>Durée restante en années, prêt 2</translation>
    </message>
    <message>
        <source>Months beyond the years, loan 2</source>
        <translation>Mois en sus des années, prêt 2</translation>
    </message>
    <message>
        <source>Monthly payment, loan 2</source>
        <translation>Mensualité, prêt 2</translation>
    </message>
    <message>
        <source>Annual rate (%), the offer</source>
        <translation>Taux annuel (%), offre</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Durée en années</translation>
    </message>
    <message>
        <source>Term in years, the offer</source>
        <translation>Durée en années, offre</translation>
    </message>
    <message>
        <source>Months beyond the years, the offer</source>
        <translation>Mois en sus des années, offre</translation>
    </message>
    <message>
        <source>Fees paid at signing</source>
        <translation>Frais à la signature</translation>
    </message>
    <message>
        <source>Fees paid at signing, the offer</source>
        <translation>Frais à la signature, offre</translation>
    </message>
    <message>
        <source>the fees at signing</source>
        <translation>le montant des frais à la signature</translation>
    </message>
    <message>
        <source>Fees added to the loan</source>
        <translation>Frais ajoutés au prêt</translation>
    </message>
    <message>
        <source>Fees added to the loan, the offer</source>
        <translation>Frais ajoutés au prêt, offre</translation>
    </message>
    <message>
        <source>the fees added to the amount</source>
        <translation>le montant des frais ajoutés au prêt</translation>
    </message>
    <message>
        <source>Extra paid each month</source>
        <translation>Remboursement anticipé mensuel</translation>
    </message>
    <message>
        <source>Extra paid each month, both ways</source>
        <translation>Remboursement anticipé mensuel, dans les deux cas</translation>
    </message>
    <message>
        <source>the extra payment</source>
        <translation>le remboursement anticipé</translation>
    </message>
    <message>
        <source>Your savings rate (%)</source>
        <translation>Votre taux d&apos;épargne (%)</translation>
    </message>
    <message>
        <source>Your savings rate (%), for present values</source>
        <translation>Votre taux d&apos;épargne (%), pour les valeurs actuelles</translation>
    </message>
    <message>
        <source>the savings rate</source>
        <translation>le taux d&apos;épargne</translation>
    </message>
    <message>
        <source>less than the balances, the other fee and the points included</source>
        <extracomment>Completes &quot;must be&quot;, as the limits do: where points are given, they count with the fees.</extracomment>
        <translation>en dessous des capitaux restants dus, en comptant les autres frais et les points</translation>
    </message>
    <message>
        <source>between 0 % and 10 %</source>
        <translation>entre 0&#x202f;% et 10&#x202f;%</translation>
    </message>
    <message>
        <source>Early repayment charge</source>
        <translation>Indemnité de remboursement anticipé</translation>
    </message>
    <message>
        <source>Early repayment charge, loan 1</source>
        <translation>Indemnité de remboursement anticipé, prêt 1</translation>
    </message>
    <message>
        <source>the early repayment charge</source>
        <translation>l&apos;indemnité de remboursement anticipé</translation>
    </message>
    <message>
        <source>Early repayment charge, loan 2</source>
        <translation>Indemnité de remboursement anticipé, prêt 2</translation>
    </message>
    <message>
        <source>Points (%)</source>
        <translation>Points (%)</translation>
    </message>
    <message>
        <source>Points (%), the offer</source>
        <translation>Points (%), offre</translation>
    </message>
    <message>
        <source>the points</source>
        <translation>le pourcentage de points</translation>
    </message>
    <message>
        <source>Years you expect to keep it</source>
        <translation>Durée de conservation prévue en années</translation>
    </message>
    <message>
        <source>Years you expect to keep it, both ways</source>
        <translation>Durée de conservation prévue en années, dans les deux cas</translation>
    </message>
    <message>
        <source>the years you expect to keep it</source>
        <translation>la durée de conservation prévue</translation>
    </message>
    <message>
        <source>Months beyond the years you expect to keep it</source>
        <translation>Mois en sus des années de conservation prévues</translation>
    </message>
    <message>
        <source>Name (optional)</source>
        <translation>Nom (facultatif)</translation>
    </message>
    <message>
        <source>Name (optional), the offer</source>
        <translation>Nom (facultatif), offre</translation>
    </message>
    <message>
        <source>the name</source>
        <translation>le nom</translation>
    </message>
    <message>
        <source>%1, offer %2</source>
        <extracomment>A later offer&apos;s input, as a screen reader and a message name it: %1 is its caption, such as &quot;Annual rate (%)&quot;, %2 the offer&apos;s number.</extracomment>
        <translation>%1, offre %2</translation>
    </message>
</context>
<context>
    <name>ComparisonResults</name>
    <message>
        <source>Monthly payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Nombre de mensualités</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Dernière mensualité</translation>
    </message>
    <message>
        <source>Total paid, fees included</source>
        <translation>Total payé, frais compris</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Finance charge: interest and all fees</source>
        <translation>Coût du crédit&#x202f;: intérêts et tous les frais</translation>
    </message>
    <message>
        <source>Present value of everything paid</source>
        <translation>Valeur actuelle de tous les paiements</translation>
    </message>
    <message>
        <source>Rate as an APR</source>
        <translation>Taux exprimé en taux annuel nominal</translation>
    </message>
    <message>
        <source>Rate as an effective annual rate</source>
        <translation>Taux exprimé en TAEG</translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation>Rentable à partir du mois</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <extracomment>%1 is a number of years, written in the user&apos;s digits.</extracomment>
        <translation>
            <numerusform>%1 an</numerusform>
            <numerusform>%1 ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>%1 is a number of months, written in the user&apos;s digits.</extracomment>
        <translation>
            <numerusform>%1 mois</numerusform>
            <numerusform>%1 mois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A span of time: %1 is a number of years, %2 of months, as in &quot;1 year and 3 months&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the same month</source>
        <translation>le même mois</translation>
    </message>
    <message>
        <source>%1 later</source>
        <translation>%1 plus tard</translation>
    </message>
    <message>
        <source>%1 earlier</source>
        <translation>%1 plus tôt</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>immédiatement</translation>
    </message>
    <message>
        <source>month %1 (%2)</source>
        <extracomment>%1 counts the payments, %2 is that payment&apos;s month and year, as in &quot;month 27 (March 2029)&quot;.</extracomment>
        <translation>mois %1 (%2)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>A difference of two rates in percentage points; %1 is the figure, as in &quot;+0.25 points&quot;.</extracomment>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for loan 1, %1.</source>
        <extracomment>%1 says why, as a clause: &quot;the monthly payment never covers a month&apos;s interest, so it is never repaid&quot;.</extracomment>
        <translation>La comparaison est impossible&#x202f;: pour le prêt 1, %1.</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for loan 2, %1.</source>
        <translation>La comparaison est impossible&#x202f;: pour le prêt 2, %1.</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for the offer, %1.</source>
        <translation>La comparaison est impossible&#x202f;: pour l&apos;offre, %1.</translation>
    </message>
    <message>
        <source>The comparison cannot be made: %1.</source>
        <translation>La comparaison est impossible&#x202f;: %1.</translation>
    </message>
    <message>
        <source>Taking the offer costs the same</source>
        <translation>Accepter l&apos;offre coûte autant</translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and never comes out ahead</source>
        <translation>Accepter l&apos;offre coûte autant au total et n&apos;est jamais avantageux</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and never comes out ahead</source>
        <translation>Accepter l&apos;offre coûte %1 de plus au total et n&apos;est jamais avantageux</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and never comes out ahead</source>
        <translation>Accepter l&apos;offre coûte %1 de moins au total et n&apos;est jamais avantageux</translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and is ahead from the start</source>
        <translation>Accepter l&apos;offre coûte autant au total et est avantageux dès le départ</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and is ahead from the start</source>
        <translation>Accepter l&apos;offre coûte %1 de plus au total et est avantageux dès le départ</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and is ahead from the start</source>
        <translation>Accepter l&apos;offre coûte %1 de moins au total et est avantageux dès le départ</translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and is ahead for good from %2</source>
        <extracomment>%2 names the month, as in &quot;month 27 (March 2029)&quot;.</extracomment>
        <translation>Accepter l&apos;offre coûte autant au total et devient durablement avantageux à partir du %2</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and is ahead for good from %2</source>
        <translation>Accepter l&apos;offre coûte %1 de plus au total et devient durablement avantageux à partir du %2</translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and is ahead for good from %2</source>
        <translation>Accepter l&apos;offre coûte %1 de moins au total et devient durablement avantageux à partir du %2</translation>
    </message>
    <message>
        <source>its payment is the same and the last one falls in the same month</source>
        <translation>sa mensualité est la même et la dernière tombe le même mois</translation>
    </message>
    <message>
        <source>its payment is %1 higher and the last one falls in the same month</source>
        <translation>sa mensualité est plus élevée de %1 et la dernière tombe le même mois</translation>
    </message>
    <message>
        <source>its payment is %1 lower and the last one falls in the same month</source>
        <translation>sa mensualité est moins élevée de %1 et la dernière tombe le même mois</translation>
    </message>
    <message>
        <source>its payment is the same and the last one is %2</source>
        <extracomment>%2 says how much later or earlier, as in &quot;5 years later&quot;.</extracomment>
        <translation>sa mensualité est la même et la dernière tombe %2</translation>
    </message>
    <message>
        <source>its payment is %1 higher and the last one is %2</source>
        <translation>sa mensualité est plus élevée de %1 et la dernière tombe %2</translation>
    </message>
    <message>
        <source>its payment is %1 lower and the last one is %2</source>
        <translation>sa mensualité est moins élevée de %1 et la dernière tombe %2</translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth the same today</source>
        <translation>à votre taux d&apos;épargne, tout ce qu&apos;elle vous fait payer vaut autant aujourd&apos;hui</translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth %1 more today</source>
        <translation>à votre taux d&apos;épargne, tout ce qu&apos;elle vous fait payer vaut %1 de plus aujourd&apos;hui</translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth %1 less today</source>
        <translation>à votre taux d&apos;épargne, tout ce qu&apos;elle vous fait payer vaut %1 de moins aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <extracomment>Joins the sentence&apos;s two clauses: what the offer costs, and how its payments differ.</extracomment>
        <translation>%1&#x202f;; %2.</translation>
    </message>
    <message>
        <source>%1; %2; %3.</source>
        <extracomment>Joins the sentence&apos;s three clauses: what the offer costs, how its payments differ, and their present value.</extracomment>
        <translation>%1&#x202f;; %2&#x202f;; %3.</translation>
    </message>
    <message>
        <source>Keep both loans</source>
        <translation>Garder les deux prêts</translation>
    </message>
    <message>
        <source>Take the offer</source>
        <translation>Accepter l&apos;offre</translation>
    </message>
    <message>
        <source>The difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Keep your loan</source>
        <translation>Garder votre prêt</translation>
    </message>
    <message>
        <source>Early repayment charges</source>
        <translation>Indemnités de remboursement anticipé</translation>
    </message>
    <message>
        <source>Cost over the years you keep it</source>
        <translation>Coût sur la durée de conservation</translation>
    </message>
    <message>
        <source>Present value over the years you keep it</source>
        <translation>Valeur actuelle sur la durée de conservation</translation>
    </message>
    <message>
        <source>The comparison cannot be made: for offer %1, %2.</source>
        <extracomment>%1 is the offer&apos;s number; %2 says why, as a clause.</extracomment>
        <translation>La comparaison est impossible&#x202f;: pour l&apos;offre %1, %2.</translation>
    </message>
    <message>
        <source>Over %3, keeping your loans costs least: %1 less than the cheapest offer, %2.</source>
        <translation>Sur %3, c&apos;est garder vos prêts qui coûte le moins&#x202f;: %1 de moins que l&apos;offre la moins chère, %2.</translation>
    </message>
    <message>
        <source>In all, keeping your loans costs least: %1 less than the cheapest offer, %2.</source>
        <translation>Au total, c&apos;est garder vos prêts qui coûte le moins&#x202f;: %1 de moins que l&apos;offre la moins chère, %2.</translation>
    </message>
    <message>
        <source>Over %3, %1 costs least: %2 less than keeping your loans, the next cheapest.</source>
        <translation>Sur %3, c&apos;est %1 qui coûte le moins&#x202f;: %2 de moins que de garder vos prêts, l&apos;option qui vient en deuxième position.</translation>
    </message>
    <message>
        <source>In all, %1 costs least: %2 less than keeping your loans, the next cheapest.</source>
        <translation>Au total, c&apos;est %1 qui coûte le moins&#x202f;: %2 de moins que de garder vos prêts, l&apos;option qui vient en deuxième position.</translation>
    </message>
    <message>
        <source>Over %5, %1 costs least: %2 less than keeping your loans and %3 less than the next cheapest, %4.</source>
        <translation>Sur %5, c&apos;est %1 qui coûte le moins&#x202f;: %2 de moins que de garder vos prêts et %3 de moins que la deuxième offre la moins chère, %4.</translation>
    </message>
    <message>
        <source>In all, %1 costs least: %2 less than keeping your loans and %3 less than the next cheapest, %4.</source>
        <translation>Au total, c&apos;est %1 qui coûte le moins&#x202f;: %2 de moins que de garder vos prêts et %3 de moins que la deuxième offre la moins chère, %4.</translation>
    </message>
    <message>
        <source>%1 (costs least)</source>
        <extracomment>A way&apos;s heading where it costs least: %1 is the way, such as &quot;Offer 2&quot;.</extracomment>
        <translation>%1 (coût le plus bas)</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>An offer without a name, as its column&apos;s heading: %1 is its number.</extracomment>
        <translation>Offre %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An offer&apos;s own sentence after its heading: %1 is the heading, such as &quot;Offer 2&quot;, %2 the sentence.</extracomment>
        <translation>%1&#x202f;: %2</translation>
    </message>
</context>
<context>
    <name>FailureMessages</name>
    <message>
        <source>Loan 1&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <extracomment>%1 is a figure&apos;s name, such as &quot;monthly payment&quot;; %2 says why, as a clause.</extracomment>
        <translation>Impossible de calculer %1 du prêt 1&#x202f;: %2. Les résultats qui en dépendent restent vides.</translation>
    </message>
    <message>
        <source>Loan 2&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation>Impossible de calculer %1 du prêt 2&#x202f;: %2. Les résultats qui en dépendent restent vides.</translation>
    </message>
    <message>
        <source>The new blended loan&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation>Impossible de calculer %1 du nouveau prêt regroupé&#x202f;: %2. Les résultats qui en dépendent restent vides.</translation>
    </message>
    <message>
        <source>The %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation>Impossible de calculer %1&#x202f;: %2. Les résultats qui en dépendent restent vides.</translation>
    </message>
    <message>
        <source>the combined monthly payment never repays the total principal at the average rate, because a month&apos;s interest on the total principal at that rate is at least the payment</source>
        <translation>la mensualité cumulée ne rembourse jamais le total des capitaux empruntés au taux moyen, car les intérêts d&apos;un mois sur ce total à ce taux atteignent au moins la mensualité</translation>
    </message>
    <message>
        <source>the combined monthly payment never repays the total principal at the weighted average rate, because a month&apos;s interest on the total principal at that rate is at least the payment</source>
        <translation>la mensualité cumulée ne rembourse jamais le total des capitaux empruntés au taux moyen pondéré, car les intérêts d&apos;un mois sur ce total à ce taux atteignent au moins la mensualité</translation>
    </message>
    <message>
        <source>a rate of 0% cannot be calculated</source>
        <translation>un taux de 0&#x202f;% ne se calcule pas</translation>
    </message>
    <message>
        <source>the two principals add up to 0, so they cannot weight the rates</source>
        <translation>les deux capitaux empruntés totalisent 0 et ne peuvent donc pas pondérer les taux</translation>
    </message>
    <message>
        <source>a rate of 0% or a period of 0 years cannot be calculated (the payment would be 0 divided by 0)</source>
        <translation>un taux de 0&#x202f;% ou une durée de 0 an ne se calcule pas (la mensualité serait 0 divisé par 0)</translation>
    </message>
    <message>
        <source>the numbers involved are too large to calculate with</source>
        <translation>les nombres en jeu sont trop grands pour le calcul</translation>
    </message>
    <message>
        <source>the total accumulated value and the total principal have opposite signs, so no rate of growth joins them</source>
        <translation>le total des valeurs acquises et le total des capitaux empruntés sont de signes opposés, si bien qu&apos;aucun taux de croissance ne les relie</translation>
    </message>
    <message>
        <source>the inputs give it no real value (such as a negative number raised to a fractional power)</source>
        <translation>les données ne lui donnent aucune valeur réelle (par exemple un nombre négatif élevé à une puissance fractionnaire)</translation>
    </message>
    <message>
        <source>The loan 1 principal</source>
        <translation>Le capital emprunté du prêt 1</translation>
    </message>
    <message>
        <source>The loan 1 annual interest rate</source>
        <translation>Le taux d&apos;intérêt annuel du prêt 1</translation>
    </message>
    <message>
        <source>The amortization period</source>
        <translation>La durée</translation>
    </message>
    <message>
        <source>The loan 2 principal</source>
        <translation>Le capital emprunté du prêt 2</translation>
    </message>
    <message>
        <source>The loan 2 annual interest rate</source>
        <translation>Le taux d&apos;intérêt annuel du prêt 2</translation>
    </message>
    <message>
        <source>The field</source>
        <translation>Le champ</translation>
    </message>
    <message>
        <source>%1 is empty. Enter a number such as %2.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is an example number.</extracomment>
        <translation>%1 est vide. Saisissez un nombre tel que %2.</translation>
    </message>
    <message>
        <source>%1 %2 is too large to be a number. Enter a number such as %3.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is its text in quotes; %3 is an example number.</extracomment>
        <translation>%1 %2&#x202f;: ce nombre est trop grand. Saisissez un nombre tel que %3.</translation>
    </message>
    <message>
        <source>%1 %2 is not a number. Enter a number such as %3.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is its text in quotes; %3 is an example number.</extracomment>
        <translation>%1 %2 n&apos;est pas un nombre. Saisissez un nombre tel que %3.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>monthly payment</source>
        <translation>la mensualité</translation>
    </message>
    <message>
        <source>total interest</source>
        <translation>le total des intérêts</translation>
    </message>
    <message>
        <source>effective annual rate</source>
        <translation>le TAEG</translation>
    </message>
    <message>
        <source>accumulated value</source>
        <translation>la valeur acquise</translation>
    </message>
    <message>
        <source>average rate</source>
        <translation>le taux moyen</translation>
    </message>
    <message>
        <source>weighted average rate</source>
        <translation>le taux moyen pondéré</translation>
    </message>
    <message>
        <source>total principal</source>
        <translation>le total des capitaux empruntés</translation>
    </message>
    <message>
        <source>total accumulated value</source>
        <translation>le total des valeurs acquises</translation>
    </message>
    <message>
        <source>blended effective rate</source>
        <translation>le taux effectif mixte</translation>
    </message>
    <message>
        <source>blended rate</source>
        <translation>le taux mixte</translation>
    </message>
    <message>
        <source>combined monthly payment</source>
        <translation>la mensualité cumulée</translation>
    </message>
    <message>
        <source>combined total interest</source>
        <translation>le total cumulé des intérêts</translation>
    </message>
    <message>
        <source>payoff period at the average rate</source>
        <translation>la durée de remboursement au taux moyen</translation>
    </message>
    <message>
        <source>payoff period at the weighted average rate</source>
        <translation>la durée de remboursement au taux moyen pondéré</translation>
    </message>
</context>
<context>
    <name>FormTable</name>
    <message>
        <source>Quarrystone.exe                                       Blended Loans with  monthly conpounding</source>
        <translation>Quarrystone.exe                                       Prêts regroupés à capitalisation mensuelle</translation>
    </message>
    <message>
        <source>The default data, which appear when you first click Calculate, come from a worked example of blended loans dated Jan 6th 2014. Use the mouse or Tab key to enter your own data.</source>
        <translation>Les valeurs par défaut, qui apparaissent au premier clic sur «&#x202f;Calculer&#x202f;», proviennent d&apos;un exemple de regroupement de prêts daté du 6 janvier 2014. Utilisez la souris ou la touche Tab pour saisir vos propres données.</translation>
    </message>
    <message>
        <source>Principal1</source>
        <translation>Capital emprunté 1</translation>
    </message>
    <message>
        <source>loan 1 principal</source>
        <translation>capital emprunté du prêt 1</translation>
    </message>
    <message>
        <source>AIR1 (%)</source>
        <translation>Taux débiteur 1 (%)</translation>
    </message>
    <message>
        <source>loan 1 annual interest rate in percent</source>
        <translation>taux d&apos;intérêt annuel du prêt 1, en pourcentage</translation>
    </message>
    <message>
        <source>Amortization Period (years)</source>
        <translation>Durée (années)</translation>
    </message>
    <message>
        <source>for both loans</source>
        <translation>pour les deux prêts</translation>
    </message>
    <message>
        <source>Principal2</source>
        <translation>Capital emprunté 2</translation>
    </message>
    <message>
        <source>loan 2 principal</source>
        <translation>capital emprunté du prêt 2</translation>
    </message>
    <message>
        <source>AIR2 (%)</source>
        <translation>Taux débiteur 2 (%)</translation>
    </message>
    <message>
        <source>loan 2 annual interest rate in percent</source>
        <translation>taux d&apos;intérêt annuel du prêt 2, en pourcentage</translation>
    </message>
    <message>
        <source>Effective annual rate 1 (%)</source>
        <translation>TAEG 1 (%)</translation>
    </message>
    <message>
        <source>loan 1</source>
        <translation>prêt 1</translation>
    </message>
    <message>
        <source>Monthly Payment 1</source>
        <translation>Mensualité 1</translation>
    </message>
    <message>
        <source>loan 1 monthly payment</source>
        <translation>mensualité du prêt 1</translation>
    </message>
    <message>
        <source>Total Interest 1</source>
        <translation>Intérêts totaux 1</translation>
    </message>
    <message>
        <source>loan 1 total interest</source>
        <translation>total des intérêts du prêt 1</translation>
    </message>
    <message>
        <source>FV1</source>
        <translation>Valeur acquise 1</translation>
    </message>
    <message>
        <source>loan 1 accumulated value</source>
        <translation>valeur acquise du prêt 1</translation>
    </message>
    <message>
        <source>Effective annual rate 2 (%)</source>
        <translation>TAEG 2 (%)</translation>
    </message>
    <message>
        <source>loan 2</source>
        <translation>prêt 2</translation>
    </message>
    <message>
        <source>same as loan1</source>
        <translation>idem prêt 1</translation>
    </message>
    <message>
        <source>Monthly Payment 2</source>
        <translation>Mensualité 2</translation>
    </message>
    <message>
        <source>loan 2 monthly payment</source>
        <translation>mensualité du prêt 2</translation>
    </message>
    <message>
        <source>Total Interest 2</source>
        <translation>Intérêts totaux 2</translation>
    </message>
    <message>
        <source>loan 2 total interest</source>
        <translation>total des intérêts du prêt 2</translation>
    </message>
    <message>
        <source>FV2</source>
        <translation>Valeur acquise 2</translation>
    </message>
    <message>
        <source>loan 2 accumulated value</source>
        <translation>valeur acquise du prêt 2</translation>
    </message>
    <message>
        <source>Combined monthly payment 1 and payment 2</source>
        <translation>Mensualités 1 et 2 cumulées</translation>
    </message>
    <message>
        <source>Total Interest cost of loan1 and loan 2</source>
        <translation>Coût total des intérêts des prêts 1 et 2</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital emprunté</translation>
    </message>
    <message>
        <source>blended loan principal</source>
        <translation>capital emprunté du prêt regroupé</translation>
    </message>
    <message>
        <source>AIR (%)</source>
        <translation>Taux débiteur (%)</translation>
    </message>
    <message>
        <source>blended loan rate</source>
        <translation>taux du prêt regroupé</translation>
    </message>
    <message>
        <source>Effective annual rate (%)</source>
        <translation>TAEG (%)</translation>
    </message>
    <message>
        <source>blended loan</source>
        <translation>prêt regroupé</translation>
    </message>
    <message>
        <source>Amortization Period</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>blended loan monthly payment</source>
        <translation>mensualité du prêt regroupé</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Intérêts totaux</translation>
    </message>
    <message>
        <source>blended loan total interest</source>
        <translation>total des intérêts du prêt regroupé</translation>
    </message>
    <message>
        <source>AIR (%), Blended Rate</source>
        <translation>Taux débiteur (%), taux mixte</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparaison</translation>
    </message>
    <message>
        <source>AIR (%), Average Rate</source>
        <translation>Taux débiteur (%), taux moyen</translation>
    </message>
    <message>
        <source>AIR (%), Weighted Average Rate</source>
        <translation>Taux débiteur (%), taux moyen pondéré</translation>
    </message>
    <message>
        <source>Total Interest, Blended Rate</source>
        <translation>Intérêts totaux, taux mixte</translation>
    </message>
    <message>
        <source>Total Interest, Average Rate</source>
        <translation>Intérêts totaux, taux moyen</translation>
    </message>
    <message>
        <source>combined payment repaying both principals</source>
        <translation>mensualité cumulée remboursant les deux capitaux</translation>
    </message>
    <message>
        <source>Total Interest, Weighted Average Rate</source>
        <translation>Intérêts totaux, taux moyen pondéré</translation>
    </message>
    <message>
        <source>Amortization Period, Blended Rate</source>
        <translation>Durée, taux mixte</translation>
    </message>
    <message>
        <source>Amortization Period (years), Average Rate</source>
        <translation>Durée (années), taux moyen</translation>
    </message>
    <message>
        <source>years for the combined payment to repay both principals</source>
        <translation>années pour que la mensualité cumulée rembourse les deux capitaux</translation>
    </message>
    <message>
        <source>Amortization Period (years), Weighted Average Rate</source>
        <translation>Durée (années), taux moyen pondéré</translation>
    </message>
    <message>
        <source>Monthly Payment, Blended Rate</source>
        <translation>Mensualité, taux mixte</translation>
    </message>
    <message>
        <source>Monthly Payment, Average Rate</source>
        <translation>Mensualité, taux moyen</translation>
    </message>
    <message>
        <source>the combined payment</source>
        <translation>la mensualité cumulée</translation>
    </message>
    <message>
        <source>Monthly Payment, Weighted Average Rate</source>
        <translation>Mensualité, taux moyen pondéré</translation>
    </message>
    <message>
        <source>LOAN 1</source>
        <translation>PRÊT 1</translation>
    </message>
    <message>
        <source>LOAN2</source>
        <translation>PRÊT 2</translation>
    </message>
    <message>
        <source> Monthly Payment 1</source>
        <translation>Mensualité 1</translation>
    </message>
    <message>
        <source>THE NEW BLENDED LOAN with the BLENDED RATE</source>
        <translation>LE NOUVEAU PRÊT REGROUPÉ au TAUX MIXTE</translation>
    </message>
    <message>
        <source>Comparison of the NEW BLENDED LOAN</source>
        <translation>Comparaison du NOUVEAU PRÊT REGROUPÉ</translation>
    </message>
    <message>
        <source>Blended Rate</source>
        <translation>Taux mixte</translation>
    </message>
    <message>
        <source>Average Rate</source>
        <translation>Taux moyen</translation>
    </message>
    <message>
        <source>Weighted Average Rate</source>
        <translation>Taux moyen pondéré</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Blended Loan Calculator</source>
        <translation>Calculateur de regroupement de prêts</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>enter a Principal between $1 and $10000,000</source>
        <translation>Saisissez un capital emprunté compris entre 1&#x202f;$ et 10&#x202f;000&#x202f;000&#x202f;$</translation>
    </message>
    <message>
        <source>enter an Annual Interest Rate between 1% and 25%</source>
        <translation>Saisissez un taux d&apos;intérêt annuel compris entre 1&#x202f;% et 25&#x202f;%</translation>
    </message>
    <message>
        <source>enter an Amortization Period between 1 and 50 years</source>
        <translation>Saisissez une durée comprise entre 1 et 50 ans</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 belongs to another build of the program (%2, where this one is %3).</source>
        <extracomment>%1 is the module&apos;s file; %2 and %3 are build identifiers.</extracomment>
        <translation>%1 appartient à une autre compilation du programme (%2, alors que celle-ci est %3).</translation>
    </message>
    <message>
        <source>It is not installed beside the program.</source>
        <translation>Il n&apos;est pas installé à côté du programme.</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>Loan 1</source>
        <translation>Prêt 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Prêt 2</translation>
    </message>
    <message>
        <source>Blended loan</source>
        <translation>Prêt regroupé</translation>
    </message>
    <message>
        <source>Combined payment at the average rate</source>
        <translation>Mensualité cumulée au taux moyen</translation>
    </message>
    <message>
        <source>Combined payment at the weighted rate</source>
        <translation>Mensualité cumulée au taux pondéré</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>the monthly payment never covers a month&apos;s interest, so it is never repaid</source>
        <translation>la mensualité ne couvre jamais les intérêts d&apos;un mois, il n&apos;est donc jamais remboursé</translation>
    </message>
    <message>
        <source>no rate from 0 % to 100 % a month makes its payments worth the amount lent, so its rate is not defined</source>
        <translation>aucun taux mensuel de 0&#x202f;% à 100&#x202f;% ne donne à ses paiements la valeur du montant prêté, son taux n&apos;est donc pas défini</translation>
    </message>
    <message>
        <source>it would take more than 1,200 monthly payments (100 years)</source>
        <translation>il faudrait plus de 1&#x202f;200 mensualités (100 ans)</translation>
    </message>
    <message>
        <source>its amounts are too large to count in cents</source>
        <translation>ses montants sont trop grands pour être comptés en centimes</translation>
    </message>
    <message>
        <source>one of its inputs is marked</source>
        <translation>l&apos;une de ses saisies est signalée</translation>
    </message>
</context>
<context>
    <name>ReportRows</name>
    <message>
        <source>Loan 1</source>
        <translation>Prêt 1</translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation>Prêt 2</translation>
    </message>
    <message>
        <source>Loan 1 and loan 2</source>
        <translation>Prêt 1 et prêt 2</translation>
    </message>
    <message>
        <source>The new blended loan with the blended rate</source>
        <translation>Le nouveau prêt regroupé au taux mixte</translation>
    </message>
    <message>
        <source>Comparison of the new blended loan</source>
        <translation>Comparaison du nouveau prêt regroupé</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder&apos;s name belongs to a file</source>
        <translation>le nom du dossier est celui d&apos;un fichier</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier du même nom fait obstacle</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>la raison est inconnue</translation>
    </message>
    <message>
        <source>The file could not be saved: %1.</source>
        <translation>Le fichier n&apos;a pas pu être enregistré&#x202f;: %1.</translation>
    </message>
    <message>
        <source>nothing is reading from it</source>
        <translation>aucun programme n&apos;en lit le contenu</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a disk, which is never written to</source>
        <translation>c&apos;est un disque, sur lequel rien n&apos;est jamais écrit</translation>
    </message>
</context>
<context>
    <name>ScenarioFile</name>
    <message>
        <source>%1 has no “%2”</source>
        <extracomment>%1 is a part of the file, such as &quot;the comparison&quot;; %2 is the name of an entry in the file.</extracomment>
        <translation>%1 n&apos;a pas de «&#x202f;%2&#x202f;»</translation>
    </message>
    <message>
        <source>“%1” in %2 is not an object</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file, such as &quot;the comparison&quot;.</extracomment>
        <translation>«&#x202f;%1&#x202f;» dans %2 n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>“%1” in %2 is not a number written as text</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file, such as &quot;the comparison&quot;.</extracomment>
        <translation>«&#x202f;%1&#x202f;» dans %2 n&apos;est pas un nombre écrit sous forme de texte</translation>
    </message>
    <message>
        <source>“%1” in %2 is not a number: “%3”</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file; %3 is the entry&apos;s text.</extracomment>
        <translation>«&#x202f;%1&#x202f;» dans %2 n&apos;est pas un nombre&#x202f;: «&#x202f;%3&#x202f;»</translation>
    </message>
    <message>
        <source>the scenario</source>
        <translation>le scénario</translation>
    </message>
    <message>
        <source>its first month is not a month from 1900-01 to 2999-12 written as YYYY-MM</source>
        <translation>son premier mois n&apos;est pas un mois de 1900-01 à 2999-12 écrit sous la forme YYYY-MM</translation>
    </message>
    <message>
        <source>the comparison</source>
        <translation>la comparaison</translation>
    </message>
    <message>
        <source>the comparison&apos;s “loans” is not a list of one or two loans</source>
        <translation>«&#x202f;loans&#x202f;» dans la comparaison n&apos;est pas une liste d&apos;un ou deux prêts</translation>
    </message>
    <message>
        <source>loan %1 of the comparison</source>
        <translation>le prêt %1 de la comparaison</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <extracomment>%1 is a part of the file, such as &quot;loan 1 of the comparison&quot;.</extracomment>
        <translation>%1 n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>the offer</source>
        <translation>l&apos;offre</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, far larger than any scenario</source>
        <translation>il dépasse 1&#x202f;Mio, bien plus que tout scénario</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is not a scenario: %1 at byte %2</source>
        <extracomment>%1 is the JSON reader&apos;s own account of the fault; %2 counts bytes from the start.</extracomment>
        <translation>ce n&apos;est pas un scénario&#x202f;: %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source>it is not a scenario</source>
        <translation>ce n&apos;est pas un scénario</translation>
    </message>
    <message>
        <source>it is not a scenario of this program</source>
        <translation>ce n&apos;est pas un scénario de ce programme</translation>
    </message>
    <message>
        <source>its version is not a whole number</source>
        <translation>sa version n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>its version, %1, is no scenario version (this one reads version %2)</source>
        <translation>sa version, %1, n&apos;est pas une version de scénario (ce programme lit la version %2)</translation>
    </message>
    <message>
        <source>it was written by a newer version of the program (scenario version %1; this one reads version %2)</source>
        <translation>il a été écrit par une version plus récente du programme (version de scénario %1&#x202f;; celle-ci lit la version %2)</translation>
    </message>
    <message>
        <source>the inputs</source>
        <translation>les saisies</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a FIFO, not a file</source>
        <translation>c&apos;est une FIFO, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names an input of the comparison; %2 is the sentence beside it, such as &quot;Enter a number.&quot;</extracomment>
        <translation>%1&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1: “%2”. %3</source>
        <extracomment>%1 names an input of the comparison; %2 is its text; %3 is the sentence beside it, such as &quot;Not a number.&quot;</extracomment>
        <translation>%1&#x202f;: «&#x202f;%2&#x202f;». %3</translation>
    </message>
    <message>
        <source>the name of %1 is not text</source>
        <extracomment>%1 is a part of the file, such as &quot;offer 2 of the comparison&quot;.</extracomment>
        <translation>le nom de %1 n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>the comparison&apos;s “offers” is not a list of one to three offers</source>
        <translation>«&#x202f;offers&#x202f;» dans la comparaison n&apos;est pas une liste d&apos;une à trois offres</translation>
    </message>
    <message>
        <source>offer %1 of the comparison</source>
        <translation>l&apos;offre %1 de la comparaison</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>the period holds no monthly payment</source>
        <translation>la durée ne comprend aucune mensualité</translation>
    </message>
    <message>
        <source>its principal is not at least one cent</source>
        <translation>son capital emprunté n&apos;atteint pas un centime</translation>
    </message>
    <message>
        <source>its interest rate is not positive</source>
        <translation>son taux d&apos;intérêt n&apos;est pas positif</translation>
    </message>
    <message>
        <source>its monthly payment is not at least one cent, so it never repays the principal</source>
        <translation>sa mensualité n&apos;atteint pas un centime, elle ne rembourse donc jamais le capital</translation>
    </message>
    <message>
        <source>a month&apos;s interest is at least the monthly payment, so the principal is never repaid</source>
        <translation>les intérêts d&apos;un mois atteignent au moins la mensualité, le capital n&apos;est donc jamais remboursé</translation>
    </message>
    <message>
        <source>it would take more than 1,200 monthly payments (100 years)</source>
        <translation>il faudrait plus de 1&#x202f;200 mensualités (100 ans)</translation>
    </message>
    <message>
        <source>its amounts are too large to list to the cent</source>
        <translation>ses montants sont trop grands pour être listés au centime près</translation>
    </message>
    <message>
        <source>the calculation did not reach this plan</source>
        <translation>le calcul n&apos;a pas atteint ce plan</translation>
    </message>
</context>
</TS>
