// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_definitions.h"

#include <QCoreApplication>
#include <span>

namespace report {

namespace {

struct Definition {
    const char *figure;
    const char *meaning; // HTML
};

struct Group {
    const char *title;
    const char *introduction; // HTML
    std::span<const Definition> definitions;
};

constexpr Definition loanDefinitions[] = {
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Number of payments <i>n</i>"),
     QT_TRANSLATE_NOOP("FigureDefinitions", "<i>Y</i> &times; 12, one payment a month; it need not be whole.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Monthly rate <i>r</i>"),
     QT_TRANSLATE_NOOP("FigureDefinitions", "<i>a</i> / 12.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Growth <i>g</i>"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "(1 + <i>r</i>)<sup><i>n</i></sup>: what one dollar grows to over the whole period.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Monthly payment <i>M</i>"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "(<i>g</i> &times; (<i>r</i> &times; <i>P</i>)) / (<i>g</i> &minus; 1): the level payment that repays the "
         "principal with its interest over the period.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Total interest"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "<i>M</i> &times; <i>n</i> &minus; <i>P</i>: all the payments, less the principal.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Effective annual rate"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "((<i>a</i> / 12 + 1)<sup>12</sup> &minus; 1) &times; 100: the rate a year of "
                       "monthly compounding amounts to, in percent.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Accumulated value (FV)"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "((<i>g</i> &minus; 1) &times; <i>M</i>) / <i>r</i>: what the payments are worth at the end of the period.")},
};

constexpr Definition blendDefinitions[] = {
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Average rate"),
     QT_TRANSLATE_NOOP("FigureDefinitions", "(<i>a</i>&#8322; + <i>a</i>&#8321;) / 2.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Weighted rate"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "(<i>P</i>&#8321; / (<i>P</i>&#8322; + <i>P</i>&#8321;)) &times; <i>a</i>&#8321; + (<i>P</i>&#8322; / "
         "(<i>P</i>&#8322; + <i>P</i>&#8321;)) &times; <i>a</i>&#8322;: each rate counted by its loan's share of the "
         "total principal.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Blended effective rate <i>e</i>"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "((FV&#8322; + FV&#8321;) / (<i>P</i>&#8322; + <i>P</i>&#8321;))<sup>1 / <i>Y</i></sup> &minus; 1: the yearly "
         "rate at which the total principal grows to the two loans' total accumulated value.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Blended rate <i>b</i>"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "12 &times; ((1 + <i>e</i>)<sup>1/12</sup> &minus; 1): the blended effective rate as a nominal rate "
         "compounded monthly.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Blended loan"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "Both principals together at the blended rate over the same period; its payment and total "
                       "interest are found as for one loan.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Combined payment <i>C</i>"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "<i>M</i>&#8322; + <i>M</i>&#8321;: what the two loans cost a month together. "
                       "The combined interest adds their total interest likewise.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Payoff months at a rate <i>x</i>"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "&minus;ln(1 &minus; ((<i>x</i> &times; (<i>P</i>&#8322; + <i>P</i>&#8321;)) / 12) / <i>C</i>) / "
         "ln(<i>x</i> / 12 + 1): how long the combined payment takes to repay both principals together, at the average "
         "and at the weighted rate. The payoff interest is <i>C</i> &times; months &minus; (<i>P</i>&#8322; + "
         "<i>P</i>&#8321;); the payoff years are the months / 12.")},
};

constexpr Definition scheduleDefinitions[] = {
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Payment"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "The plan's monthly payment as the window shows it, rounded to the cent. The last payment pays "
                       "what remains with its interest, so it may be smaller.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Interest"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "The balance owed times the plan's monthly rate, worked out exactly in decimal on the rate as typed (a "
         "computed rate on its shortest decimal form), and rounded to the nearest cent (half a cent away from zero).")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Principal repaid"),
     QT_TRANSLATE_NOOP("FigureDefinitions", "The payment less its interest.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Balance"),
     QT_TRANSLATE_NOOP("FigureDefinitions", "What remains owed after the payment; it ends at exactly 0.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Difference from the window"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "The schedule's total interest less the window's: the window's figures are unrounded, while the schedule "
         "rounds every month's interest to the cent.")},
};

constexpr Definition comparisonDefinitions[] = {
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Payment from a term"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "<i>B</i> &times; <i>r</i> / (1 &minus; (1 + <i>r</i>)<sup>&minus;<i>n</i></sup>) with <i>r</i> = the annual "
         "rate / 1200 and <i>n</i> the months of the term, its exact value rounded to the cent; at 0 % it is "
         "<i>B</i> / <i>n</i>. Amounts typed are taken to the cent.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Each month"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "Each loan's interest is its balance times <i>r</i>, exactly in decimal on the rate as typed, rounded to the "
         "cent. It pays its payment, or what it owes with that interest where that is less or where its term ends. The "
         "extra then goes to the loan with the higher rate (loan 1 on a tie), and what that loan no longer needs to "
         "the "
         "other. The offer is repaid the same way, from the balances plus the fees added to it.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Points"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "A fee the offer charges as a percent of its amount (the balances plus the fees added), paid at signing: the "
         "amount times the points / 100, exactly in decimal on the points as typed, rounded to the cent (half a cent "
         "away from zero), as a month's interest is. 1 point on 250,000 is 2,500.00.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Early repayment charges"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "What each loan's lender charges for clearing it before its term ends, as you type it for that loan. Taking "
         "the offer pays them at signing; keeping both pays none. They count in the offer's total paid, cost so far "
         "and present value, but not in its finance charge or APR: they are charges of the loans you have, not the "
         "price of the new loan's credit, and its lender neither lends nor receives them.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Total paid"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "Every payment of a way, the extra included, plus what is paid at signing: taking the offer, "
                       "its fees at signing, its points and the early repayment charges.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Fees and finance charge"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "The offer's fees are the fees paid at signing, the points and the fees added; its finance "
                       "charge is its interest plus these fees. Keeping both has no fees: its finance charge is its "
                       "interest.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Rate of keeping both"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "The monthly rate <i>i</i> at which the two loans' payments together, month by month, are worth today's "
         "balances: (<i>B</i>&#8321; + <i>B</i>&#8322;) = &Sigma; payment<sub><i>k</i></sub> / (1 + <i>i</i>)"
         "<sup><i>k</i></sup>. As an APR it is 12 <i>i</i>; as an effective annual rate (1 + <i>i</i>)<sup>12</sup> "
         "&minus; 1.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "APR of the offer"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "The same for the offer's payments, against what you really receive: the balances less the fees paid at "
         "signing and the points, which you pay in advance for the credit (the fees added are in its amount, and come "
         "back in its payments). Its effective annual rate comes from the same <i>i</i>, so it counts the points as "
         "fees at signing too. The early repayment charges are left out, as said above.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Present value"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "Every payment of a way discounted at your savings rate, &Sigma; payment<sub><i>k</i></sub> / (1 + <i>s</i>)"
         "<sup><i>k</i></sup> with <i>s</i> = the savings rate / 1200, plus what is paid at signing (the fees at "
         "signing, the points and the early repayment charges): what the way costs you in today's money where your "
         "savings would earn that rate.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Cost so far"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "After month <i>k</i>: what a way has had you pay (what is paid at signing included) and what you still owe, "
         "less today's balances. Keeping both, it is the interest paid so far; taking the offer, all its fees, the "
         "early repayment charges and its interest so far. Once a way is paid off, it stays at its final value.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Break-even month"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "The first month from which the offer's cost so far never again exceeds keeping both's, to the end of the "
         "longer way: &ldquo;at once&rdquo; where that is before the first payment, &ldquo;never&rdquo; where the "
         "offer's interest, fees and early repayment charges come to more than the two loans' interest. The usual "
         "&ldquo;fees divided by the monthly saving&rdquo; is wrong where the term changes: a longer offer has a lower "
         "payment for years and yet costs more in all, and one with a shorter term can pay for itself although its "
         "payment is higher.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Cost over the years you keep it"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "With the years and months you expect to keep the loan, <i>H</i> months from the first payment (1 to 1,200): "
         "each way's cost so far after month <i>H</i>, its final value where the way is paid off sooner. Left empty, "
         "or longer than every way, the ways are compared to their end, and it is not defined.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Present value over the years you keep it"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "What is paid at signing + &Sigma;<sub><i>k</i> &le; <i>H</i></sub> payment<sub><i>k</i></sub> / (1 + "
         "<i>s</i>)<sup><i>k</i></sup> + the balance owed after month <i>H</i> / (1 + <i>s</i>)<sup><i>H</i></sup>, "
         "rounded to the cent: as if you cleared the loan at the end of those years, which here costs no early "
         "repayment charge. Not defined without them.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "The way that costs least"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "With two or three offers: the way whose cost over the years you keep it is lowest, or, without those years, "
         "whose total paid is lowest. A tie goes to keeping the loans, then to the earlier offer. Its heading says "
         "&ldquo;(costs least)&rdquo;, and the first line under the figures names it and says how much less it costs "
         "than keeping your loans and than the next cheapest way.")},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Why the blended rate differs"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "The window's blended rate is the rate at which the two principals grow to the two loans' accumulated values "
         "(FV). That is not a rate a lender's APR can be set against: for 200,000 at 3 % and 50,000 at 9 % over "
         "30 years it reads 5.32 %, while the rate of the two loans' payments together, the rate of keeping both, is "
         "4.36 %. An offer's APR is comparable with the rate of keeping both only.")},
};

constexpr Group groups[] = {
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Each loan"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "Loans are repaid in equal monthly payments with monthly compounding. For a loan of principal <i>P</i> at an "
         "annual rate <i>a</i> (typed in percent, used as a fraction) over <i>Y</i> years, shared by both loans:"),
     loanDefinitions},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "The blend of loan 1 and loan 2"),
     QT_TRANSLATE_NOOP("FigureDefinitions",
                       "With the two loans' principals <i>P</i>&#8321; and <i>P</i>&#8322;, rates "
                       "<i>a</i>&#8321; and <i>a</i>&#8322;, payments and accumulated values:"),
     blendDefinitions},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "The repayment schedules"),
     QT_TRANSLATE_NOOP("FigureDefinitions", "Month by month, in whole cents, for each plan:"), scheduleDefinitions},
    {QT_TRANSLATE_NOOP("FigureDefinitions", "Keeping both loans or taking an offer"),
     QT_TRANSLATE_NOOP(
         "FigureDefinitions",
         "View &gt; Compare with an offer sets your loans, each with its own balance, rate, remaining term or "
         "payment and early repayment charge, against one to three offers, each with its rate, term, points and fees, "
         "every way in whole cents from the same first payment:"),
     comparisonDefinitions},
};

QString shown(const char *text)
{
    return QCoreApplication::translate("FigureDefinitions", text);
}

} // namespace

QString figureDefinitionsHtml()
{
    QString html;
    for (const Group &group : groups) {
        html += QStringLiteral("<h3>%1</h3><p>%2</p><table cellpadding='4'>")
                    .arg(shown(group.title), shown(group.introduction));
        for (const Definition &definition : group.definitions)
            html += QStringLiteral("<tr><td valign='top'><b>%1</b></td><td>%2</td></tr>")
                        .arg(shown(definition.figure), shown(definition.meaning));
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(QCoreApplication::translate("FigureDefinitions", "How they are shown"),
                     QCoreApplication::translate(
                         "FigureDefinitions",
                         "The operands are combined in exactly the order written. A calculation that divides by "
                         "zero, goes beyond the range of numbers, or has no real result (such as a rate of 0 %) stops "
                         "with a message naming the figure. Money shows as $#,##0.00, rates in percent with up to "
                         "four decimals and no leading zero (0.75 % shows as .75), payoff periods as #,##0.00; "
                         "rounding is half away from zero, as a person rounding the printed number would."));
    return html;
}

} // namespace report
