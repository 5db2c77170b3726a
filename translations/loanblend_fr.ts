<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ComparisonForm</name>
    <message>
        <source>Enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large to be a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must be %1.</source>
        <extracomment>Beside an input; %1 completes the sentence, such as &quot;between 0 % and 100 %&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an input is marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be compared: %1.</source>
        <extracomment>Beside an input; %1 says why, as a clause.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComparisonInputs</name>
    <message>
        <source>less than the balances, the other fee included</source>
        <extracomment>Completes &quot;must be&quot;, as the limits &quot;between 0 and 1,000,000,000,000&quot; do.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be %2</source>
        <extracomment>%1 names the input, such as &quot;the balance&quot;; %2 completes the sentence, such as &quot;between 0 % and 100 %&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between 0.01 and 1,000,000,000,000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between 0 and 1,000,000,000,000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between 0 % and 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between 1 and 1,200 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance, loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual rate (%), loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the interest rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining term in years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining term in years, loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months beyond the years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months beyond the years, loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly payment, loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance, loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual rate (%), loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining term in years, loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months beyond the years, loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly payment, loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual rate (%), the offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term in years, the offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months beyond the years, the offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees paid at signing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees paid at signing, the offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fees at signing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees added to the loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees added to the loan, the offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fees added to the amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra paid each month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra paid each month, both ways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the extra payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your savings rate (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your savings rate (%), for present values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the savings rate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComparisonResults</name>
    <message>
        <source>Monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total paid, fees included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finance charge: interest and all fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present value of everything paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate as an APR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate as an effective annual rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <extracomment>%1 is a number of years, written in the user&apos;s digits.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>%1 is a number of months, written in the user&apos;s digits.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A span of time: %1 is a number of years, %2 of months, as in &quot;1 year and 3 months&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month %1 (%2)</source>
        <extracomment>%1 counts the payments, %2 is that payment&apos;s month and year, as in &quot;month 27 (March 2029)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 points</source>
        <extracomment>A difference of two rates in percentage points; %1 is the figure, as in &quot;+0.25 points&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison cannot be made: for loan 1, %1.</source>
        <extracomment>%1 says why, as a clause: &quot;the monthly payment never covers a month&apos;s interest, so it is never repaid&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison cannot be made: for loan 2, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison cannot be made: for the offer, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison cannot be made: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and never comes out ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and never comes out ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and never comes out ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and is ahead from the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and is ahead from the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and is ahead from the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs the same in all and is ahead for good from %2</source>
        <extracomment>%2 names the month, as in &quot;month 27 (March 2029)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs %1 more in all and is ahead for good from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the offer costs %1 less in all and is ahead for good from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its payment is the same and the last one falls in the same month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its payment is %1 higher and the last one falls in the same month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its payment is %1 lower and the last one falls in the same month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its payment is the same and the last one is %2</source>
        <extracomment>%2 says how much later or earlier, as in &quot;5 years later&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its payment is %1 higher and the last one is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its payment is %1 lower and the last one is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth the same today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth %1 more today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at your savings rate, everything it has you pay is worth %1 less today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2.</source>
        <extracomment>Joins the sentence&apos;s two clauses: what the offer costs, and how its payments differ.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2; %3.</source>
        <extracomment>Joins the sentence&apos;s three clauses: what the offer costs, how its payments differ, and their present value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your loan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureMessages</name>
    <message>
        <source>Loan 1&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <extracomment>%1 is a figure&apos;s name, such as &quot;monthly payment&quot;; %2 says why, as a clause.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan 2&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new blended loan&apos;s %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 could not be calculated: %2. The results that depend on it are left empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the combined monthly payment never repays the total principal at the average rate, because a month&apos;s interest on the total principal at that rate is at least the payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the combined monthly payment never repays the total principal at the weighted average rate, because a month&apos;s interest on the total principal at that rate is at least the payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a rate of 0% cannot be calculated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the two principals add up to 0, so they cannot weight the rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a rate of 0% or a period of 0 years cannot be calculated (the payment would be 0 divided by 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the numbers involved are too large to calculate with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the total accumulated value and the total principal have opposite signs, so no rate of growth joins them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the inputs give it no real value (such as a negative number raised to a fractional power)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan 1 principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan 1 annual interest rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amortization period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan 2 principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan 2 annual interest rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty. Enter a number such as %2.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is an example number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is too large to be a number. Enter a number such as %3.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is its text in quotes; %3 is an example number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is not a number. Enter a number such as %3.</source>
        <extracomment>%1 names the input, such as &quot;The loan 1 principal&quot;; %2 is its text in quotes; %3 is an example number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>effective annual rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accumulated value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>average rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weighted average rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total accumulated value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended effective rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>combined monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>combined total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>payoff period at the average rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>payoff period at the weighted average rate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormTable</name>
    <message>
        <source>Quarrystone.exe                                       Blended Loans with  monthly conpounding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default data, which appear when you first click Calculate, come from a worked example of blended loans dated Jan 6th 2014. Use the mouse or Tab key to enter your own data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 1 principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR1 (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 1 annual interest rate in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Period (years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for both loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 2 principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR2 (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 2 annual interest rate in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective annual rate 1 (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 1 monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 1 total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FV1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 1 accumulated value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective annual rate 2 (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same as loan1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 2 monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 2 total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FV2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan 2 accumulated value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combined monthly payment 1 and payment 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest cost of loan1 and loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended loan principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended loan rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective annual rate (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended loan monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended loan total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR (%), Blended Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR (%), Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR (%), Weighted Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest, Blended Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest, Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>combined payment repaying both principals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest, Weighted Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Period, Blended Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Period (years), Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years for the combined payment to repay both principals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Period (years), Weighted Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment, Blended Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment, Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the combined payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment, Weighted Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOAN 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOAN2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Monthly Payment 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE NEW BLENDED LOAN with the BLENDED RATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison of the NEW BLENDED LOAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blended Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weighted Average Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blended Loan Calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>enter a Principal between $1 and $10000,000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter an Annual Interest Rate between 1% and 25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter an Amortization Period between 1 and 50 years</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 belongs to another build of the program (%2, where this one is %3).</source>
        <extracomment>%1 is the module&apos;s file; %2 and %3 are build identifiers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not installed beside the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>Loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blended loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combined payment at the average rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combined payment at the weighted rate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>the monthly payment never covers a month&apos;s interest, so it is never repaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no rate from 0 % to 100 % a month makes its payments worth the amount lent, so its rate is not defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would take more than 1,200 monthly payments (100 years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its amounts are too large to count in cents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportRows</name>
    <message>
        <source>Loan 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan 1 and loan 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new blended loan with the blended rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison of the new blended loan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>no file name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder&apos;s name belongs to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing is reading from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a disk, which is never written to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioFile</name>
    <message>
        <source>%1 has no “%2”</source>
        <extracomment>%1 is a part of the file, such as &quot;the comparison&quot;; %2 is the name of an entry in the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” in %2 is not an object</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file, such as &quot;the comparison&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” in %2 is not a number written as text</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file, such as &quot;the comparison&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” in %2 is not a number: “%3”</source>
        <extracomment>%1 is the name of an entry in the file; %2 is a part of the file; %3 is the entry&apos;s text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first month is not a month from 1900-01 to 2999-12 written as YYYY-MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the comparison&apos;s “loans” is not a list of one or two loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan %1 of the comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <extracomment>%1 is a part of the file, such as &quot;loan 1 of the comparison&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, far larger than any scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a scenario: %1 at byte %2</source>
        <extracomment>%1 is the JSON reader&apos;s own account of the fault; %2 counts bytes from the start.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a scenario of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its version is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its version, %1, is no scenario version (this one reads version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was written by a newer version of the program (scenario version %1; this one reads version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a FIFO, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 names an input of the comparison; %2 is the sentence beside it, such as &quot;Enter a number.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: “%2”. %3</source>
        <extracomment>%1 names an input of the comparison; %2 is its text; %3 is the sentence beside it, such as &quot;Not a number.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>the period holds no monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its principal is not at least one cent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its interest rate is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its monthly payment is not at least one cent, so it never repays the principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a month&apos;s interest is at least the monthly payment, so the principal is never repaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would take more than 1,200 monthly payments (100 years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its amounts are too large to list to the cent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calculation did not reach this plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
