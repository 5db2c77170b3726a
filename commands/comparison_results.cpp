// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_results.h"

#include "numtext/cents_text.h"
#include "numtext/left_to_right_figure.h"
#include "numtext/localized_number.h"
#include "numtext/render.h"
#include "wording/wording.h"

#include <charconv>
#include <cstdlib>
#include <optional>

namespace commands {

namespace {

using compare::Comparison;
using compare::Way;

enum class Format {
    Money,
    SignedMoney, // "+$12.00", "-$85.10"
    Count,
    SignedCount,
    Month,
    Percent, // two decimals, as a disclosed APR
    SignedPoints, // percentage points
    MonthsLater, // "5 years later", "3 months earlier"
    BreakEven, // "at once", "month 27 (March 2029)", "never"
};

// A figure as the table hands it to its format; each format reads the member it needs.
struct Figure {
    long long whole = 0;
    double real = 0;
    schedule::Month month;
    bool defined = true; // an optional figure, such as a rate or the break-even month, may not be
};

struct Cell {
    Format format;
    Figure (*figure)(const Comparison &comparison, std::size_t offer);
};

struct RowSpec {
    std::string_view name;
    const char *caption;
    std::array<std::optional<Cell>, 3> cells;
};

Figure whole(long long value)
{
    return {value, 0, {}, true};
}

Figure rate(const std::optional<compare::SolvedRate> &solved, double compare::SolvedRate::*percent)
{
    return solved ? Figure{0, (*solved).*percent, {}, true} : Figure{0, 0, {}, false};
}

// The month of the k-th payment, counted from the first payment either way.
Figure breakEvenFigure(const Comparison &c, std::size_t o)
{
    const std::optional<int> month = c.offers[o].breakEvenMonth;
    if (!month)
        return {0, 0, {}, false};
    const schedule::Month first = c.keep.schedules.front().front().month;
    return {*month, 0, schedule::addMonths(first, *month - 1), true};
}

Figure rateDifference(const Comparison &c, std::size_t o, double compare::SolvedRate::*percent)
{
    const std::optional<compare::SolvedRate> &offerRate = c.offers[o].way.rate;
    if (!c.keep.rate || !offerRate)
        return {0, 0, {}, false};
    return {0, (*offerRate).*percent - (*c.keep.rate).*percent, {}, true};
}

// A figure over the horizon: not there without one.
Figure overHorizon(const std::optional<long long> &value)
{
    return value ? whole(*value) : Figure{0, 0, {}, false};
}

Figure horizonDifference(const std::optional<long long> &offer, const std::optional<long long> &keep)
{
    return offer && keep ? whole(*offer - *keep) : Figure{0, 0, {}, false};
}

using C = const Comparison &;
using O = std::size_t; // which offer, from 0
constexpr auto keep = [](C c) -> const Way & { return c.keep; };
constexpr auto offerWay = [](C c, O o) -> const Way & { return c.offers[o].way; };

// The results, caption by caption; a cell the row does not have is left out.
const RowSpec rowTable[] = {
    {"firstPayment",
     WORDING_NOOP("ComparisonResults", "Monthly payment"),
     {Cell{Format::Money, [](C c, O) { return whole(keep(c).firstPayment); }},
      Cell{Format::Money, [](C c, O o) { return whole(offerWay(c, o).firstPayment); }},
      Cell{Format::SignedMoney, [](C c, O o) { return whole(c.offers[o].paymentDifference); }}}},
    {"payments",
     WORDING_NOOP("ComparisonResults", "Number of payments"),
     {Cell{Format::Count, [](C c, O) { return whole(keep(c).payments); }},
      Cell{Format::Count, [](C c, O o) { return whole(offerWay(c, o).payments); }},
      Cell{Format::SignedCount, [](C c, O o) { return whole(c.offers[o].monthsDifference); }}}},
    {"payoffMonth",
     WORDING_NOOP("ComparisonResults", "Last payment"),
     {Cell{Format::Month,
           [](C c, O) {
               return Figure{0, 0, keep(c).payoffMonth, true};
           }},
      Cell{Format::Month,
           [](C c, O o) {
               return Figure{0, 0, offerWay(c, o).payoffMonth, true};
           }},
      Cell{Format::MonthsLater, [](C c, O o) { return whole(c.offers[o].monthsDifference); }}}},
    {"totalPaid",
     WORDING_NOOP("ComparisonResults", "Total paid, fees included"),
     {Cell{Format::Money, [](C c, O) { return whole(keep(c).totalPaid); }},
      Cell{Format::Money, [](C c, O o) { return whole(offerWay(c, o).totalPaid); }},
      Cell{Format::SignedMoney, [](C c, O o) { return whole(c.offers[o].totalPaidDifference); }}}},
    {"totalInterest",
     WORDING_NOOP("ComparisonResults", "Total interest"),
     {Cell{Format::Money, [](C c, O) { return whole(keep(c).totalInterest); }},
      Cell{Format::Money, [](C c, O o) { return whole(offerWay(c, o).totalInterest); }},
      Cell{Format::SignedMoney, [](C c, O o) { return whole(offerWay(c, o).totalInterest - keep(c).totalInterest); }}}},
    {"fees",
     WORDING_NOOP("ComparisonResults", "Fees"),
     {Cell{Format::Money, [](C c, O) { return whole(keep(c).fees); }},
      Cell{Format::Money, [](C c, O o) { return whole(offerWay(c, o).fees); }},
      Cell{Format::SignedMoney, [](C c, O o) { return whole(offerWay(c, o).fees - keep(c).fees); }}}},
    {"earlyRepaymentCharges",
     WORDING_NOOP("ComparisonResults", "Early repayment charges"),
     {Cell{Format::Money, [](C c, O) { return whole(keep(c).earlyRepaymentCharges); }},
      Cell{Format::Money, [](C c, O o) { return whole(offerWay(c, o).earlyRepaymentCharges); }},
      Cell{Format::SignedMoney,
           [](C c, O o) { return whole(offerWay(c, o).earlyRepaymentCharges - keep(c).earlyRepaymentCharges); }}}},
    {"financeCharge",
     WORDING_NOOP("ComparisonResults", "Finance charge: interest and all fees"),
     {Cell{Format::Money, [](C c, O) { return whole(keep(c).financeCharge); }},
      Cell{Format::Money, [](C c, O o) { return whole(offerWay(c, o).financeCharge); }},
      Cell{Format::SignedMoney, [](C c, O o) { return whole(offerWay(c, o).financeCharge - keep(c).financeCharge); }}}},
    {"presentValue",
     WORDING_NOOP("ComparisonResults", "Present value of everything paid"),
     {Cell{Format::Money, [](C c, O) { return whole(keep(c).presentValue); }},
      Cell{Format::Money, [](C c, O o) { return whole(offerWay(c, o).presentValue); }},
      Cell{Format::SignedMoney, [](C c, O o) { return whole(c.offers[o].presentValueDifference); }}}},
    {"costOverHorizon",
     WORDING_NOOP("ComparisonResults", "Cost over the years you keep it"),
     {Cell{Format::Money, [](C c, O) { return overHorizon(keep(c).costOverHorizon); }},
      Cell{Format::Money, [](C c, O o) { return overHorizon(offerWay(c, o).costOverHorizon); }},
      Cell{Format::SignedMoney,
           [](C c, O o) { return horizonDifference(offerWay(c, o).costOverHorizon, keep(c).costOverHorizon); }}}},
    {"presentValueOverHorizon",
     WORDING_NOOP("ComparisonResults", "Present value over the years you keep it"),
     {Cell{Format::Money, [](C c, O) { return overHorizon(keep(c).presentValueOverHorizon); }},
      Cell{Format::Money, [](C c, O o) { return overHorizon(offerWay(c, o).presentValueOverHorizon); }},
      Cell{Format::SignedMoney,
           [](C c, O o) {
               return horizonDifference(offerWay(c, o).presentValueOverHorizon, keep(c).presentValueOverHorizon);
           }}}},
    {"apr",
     WORDING_NOOP("ComparisonResults", "Rate as an APR"),
     {Cell{Format::Percent, [](C c, O) { return rate(keep(c).rate, &compare::SolvedRate::nominalPercent); }},
      Cell{Format::Percent, [](C c, O o) { return rate(offerWay(c, o).rate, &compare::SolvedRate::nominalPercent); }},
      Cell{Format::SignedPoints, [](C c, O o) { return rateDifference(c, o, &compare::SolvedRate::nominalPercent); }}}},
    {"effectiveRate",
     WORDING_NOOP("ComparisonResults", "Rate as an effective annual rate"),
     {Cell{Format::Percent, [](C c, O) { return rate(keep(c).rate, &compare::SolvedRate::effectivePercent); }},
      Cell{Format::Percent, [](C c, O o) { return rate(offerWay(c, o).rate, &compare::SolvedRate::effectivePercent); }},
      Cell{Format::SignedPoints,
           [](C c, O o) { return rateDifference(c, o, &compare::SolvedRate::effectivePercent); }}}},
    {"breakEven",
     WORDING_NOOP("ComparisonResults", "Break-even month"),
     {std::nullopt, std::nullopt, Cell{Format::BreakEven, breakEvenFigure}}},
};

// A difference of rates to the hundredth of a point it is shown to, rounded as the text is, so that its sign is
// decided on what is shown: a difference too small to show is "0.00 points", never "+0.00 points".
double shownPoints(double points)
{
    const std::string text = numtext::render(points, "0.00", numtext::LocaleMarks{});
    double shown = 0;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return shown;
}

class Writer {
public:
    Writer(const numtext::LocaleMarks &marks, const MonthNamer &monthName, FigureText figures)
        : m_marks(figures == FigureText::Shown ? numtext::leftToRightMarks(marks) : marks)
        , m_monthName(monthName)
        , m_figures(figures)
    { }

    // Every figure goes into a text through here, its sign included.
    std::string figure(std::string text) const
    {
        return m_figures == FigureText::Shown ? numtext::leftToRightFigure(std::move(text)) : text;
    }

    std::string count(long long value) const { return numtext::render(double(value), "#,##0", m_marks); }
    std::string money(long long cents) const { return numtext::centsText(cents, m_marks); }

    static std::string sign(bool positive) { return positive ? "+" : ""; }

    // "5 years", "1 year and 3 months", "7 months".
    std::string span(long long months) const
    {
        const long long years = std::llabs(months) / 12;
        const long long rest = std::llabs(months) % 12;
        const auto number
            = [this](long long n) { return figure(numtext::localizedNumber(std::to_string(n), m_marks)); };
        //: %1 is a number of years, written in the user's digits.
        const auto yearsText
            = wording::arg(wording::translate("ComparisonResults", "%1 year(s)", nullptr, int(years)), {number(years)});
        //: %1 is a number of months, written in the user's digits.
        const auto monthsText
            = wording::arg(wording::translate("ComparisonResults", "%1 month(s)", nullptr, int(rest)), {number(rest)});
        if (years == 0)
            return monthsText;
        if (rest == 0)
            return yearsText;
        //: A span of time: %1 is a number of years, %2 of months, as in "1 year and 3 months".
        return wording::arg(wording::translate("ComparisonResults", "%1 and %2"), {yearsText, monthsText});
    }

    // "5 years later", "3 months earlier": how much later the offer's last payment falls.
    std::string later(long long months) const
    {
        if (months == 0)
            return wording::translate("ComparisonResults", "the same month");
        return wording::arg(months > 0 ? wording::translate("ComparisonResults", "%1 later")
                                       : wording::translate("ComparisonResults", "%1 earlier"),
                            {span(months)});
    }

    // "month 27 (March 2029)"; month 0 is before the first payment.
    std::string breakEven(const Figure &breakEven) const
    {
        if (breakEven.whole == 0)
            return wording::translate("ComparisonResults", "at once");
        //: %1 counts the payments, %2 is that payment's month and year, as in "month 27 (March 2029)".
        return wording::arg(wording::translate("ComparisonResults", "month %1 (%2)"),
                            {figure(count(breakEven.whole)), figure(m_monthName(breakEven.month))});
    }

    std::string text(Format format, const Figure &value) const
    {
        if (!value.defined)
            return format == Format::BreakEven ? wording::translate("ComparisonResults", "never")
                                               : wording::translate("ComparisonResults", "not defined");
        switch (format) {
        case Format::Money:
            return figure(money(value.whole));
        case Format::SignedMoney:
            return figure(sign(value.whole > 0) + money(value.whole));
        case Format::Count:
            return figure(count(value.whole));
        case Format::SignedCount:
            return figure(sign(value.whole > 0) + count(value.whole));
        case Format::Month:
            return figure(m_monthName(value.month));
        case Format::Percent:
            return figure(numtext::render(value.real, "0.00", m_marks) + " " + m_marks.percent);
        case Format::SignedPoints: {
            const double points = shownPoints(value.real);
            //: A difference of two rates in percentage points; %1 is the figure, as in "+0.25 points".
            return wording::arg(wording::translate("ComparisonResults", "%1 points"),
                                {figure(sign(points > 0) + numtext::render(points, "0.00", m_marks))});
        }
        case Format::MonthsLater:
            return later(value.whole);
        case Format::BreakEven:
            return breakEven(value);
        }
        return {};
    }

private:
    numtext::LocaleMarks m_marks;
    const MonthNamer &m_monthName;
    FigureText m_figures;
};

} // namespace

std::vector<ComparisonRow> comparisonRows(const Comparison &comparison, const numtext::LocaleMarks &marks,
                                          const MonthNamer &monthName, FigureText figures)
{
    const Writer write{marks, monthName, figures};
    std::vector<ComparisonRow> rows;
    for (const RowSpec &spec : rowTable) {
        ComparisonRow &row = rows.emplace_back(
            ComparisonRow{spec.name, wording::translate("ComparisonResults", spec.caption), {}, {}});
        const auto text = [&](const std::optional<Cell> &cell, std::size_t offer) {
            if (!cell)
                return std::string();
            if (comparison.refusal || comparison.offers[offer].refusal)
                return std::string(noFigure);
            return write.text(cell->format, cell->figure(comparison, offer));
        };
        const std::size_t offers = comparison.refusal ? 1 : comparison.offers.size();
        for (std::size_t offer = 0; offer < offers; ++offer)
            row.offers.push_back({text(spec.cells[1], offer), text(spec.cells[2], offer)});
        row.texts = {text(spec.cells[0], 0), row.offers[0][0], row.offers[0][1]};
    }
    return rows;
}

std::string refusalReason(const compare::Refusal &refusal)
{
    switch (refusal.subject) {
    case compare::RefusalSubject::Loan1:
        return "for loan 1, " + refusal.reason;
    case compare::RefusalSubject::Loan2:
        return "for loan 2, " + refusal.reason;
    case compare::RefusalSubject::Offer:
        return refusal.offer > 0 ? "for offer " + std::to_string(refusal.offer + 1) + ", " + refusal.reason
                                 : "for the offer, " + refusal.reason;
    case compare::RefusalSubject::Keep:
        break;
    }
    return refusal.reason;
}

std::string shownColumnTitle(ComparisonColumn column, std::size_t loans)
{
    return wording::translate("ComparisonResults", std::string(comparisonColumnTitle(column, loans)).c_str());
}

namespace {

// One whole sentence for each subject a refusal can name.
std::string refusalSentence(const compare::Refusal &refusal)
{
    const char *pattern = nullptr;
    switch (refusal.subject) {
    case compare::RefusalSubject::Loan1:
        //: %1 says why, as a clause: "the monthly payment never covers a month's interest, so it is never repaid".
        pattern = WORDING_NOOP("ComparisonResults", "The comparison cannot be made: for loan 1, %1.");
        break;
    case compare::RefusalSubject::Loan2:
        pattern = WORDING_NOOP("ComparisonResults", "The comparison cannot be made: for loan 2, %1.");
        break;
    case compare::RefusalSubject::Offer:
        if (refusal.offer > 0)
            //: %1 is the offer's number; %2 says why, as a clause.
            return wording::arg(
                wording::translate("ComparisonResults", "The comparison cannot be made: for offer %1, %2."),
                {std::to_string(refusal.offer + 1), refusal.reason});
        pattern = WORDING_NOOP("ComparisonResults", "The comparison cannot be made: for the offer, %1.");
        break;
    case compare::RefusalSubject::Keep:
        pattern = WORDING_NOOP("ComparisonResults", "The comparison cannot be made: %1.");
        break;
    }
    return wording::arg(wording::translate("ComparisonResults", pattern), {refusal.reason});
}

std::string filled(const char *pattern, std::initializer_list<std::string_view> values)
{
    return wording::arg(wording::translate("ComparisonResults", pattern), values);
}

// What taking the offer costs in all, and from when it is ahead: %1 is the amount, %2 the month.
std::string costClause(long long paid, const Figure &breakEven, const std::string &amount, const std::string &month)
{
    if (paid == 0 && breakEven.defined && breakEven.whole == 0)
        return filled(WORDING_NOOP("ComparisonResults", "Taking the offer costs the same"), {});
    if (!breakEven.defined)
        return filled(
            paid == 0
                ? WORDING_NOOP("ComparisonResults", "Taking the offer costs the same in all and never comes out ahead")
                : paid > 0
                ? WORDING_NOOP("ComparisonResults", "Taking the offer costs %1 more in all and never comes out ahead")
                : WORDING_NOOP("ComparisonResults", "Taking the offer costs %1 less in all and never comes out ahead"),
            {amount});
    if (breakEven.whole == 0)
        return filled(
            paid == 0 ? WORDING_NOOP("ComparisonResults",
                                     "Taking the offer costs the same in all and is ahead from the start")
                : paid > 0
                ? WORDING_NOOP("ComparisonResults", "Taking the offer costs %1 more in all and is ahead from the start")
                : WORDING_NOOP("ComparisonResults",
                               "Taking the offer costs %1 less in all and is ahead from the start"),
            {amount});
    return filled(
        //: %2 names the month, as in "month 27 (March 2029)".
        paid == 0
            ? WORDING_NOOP("ComparisonResults", "Taking the offer costs the same in all and is ahead for good from %2")
            //: %1 is an amount of money; %2 names the month, as in "month 27 (March 2029)".
            : paid > 0
            ? WORDING_NOOP("ComparisonResults", "Taking the offer costs %1 more in all and is ahead for good from %2")
            //: %1 is an amount of money; %2 names the month, as in "month 27 (March 2029)".
            : WORDING_NOOP("ComparisonResults", "Taking the offer costs %1 less in all and is ahead for good from %2"),
        {amount, month});
}

// How its payment and its last payment differ: %1 is the payment's difference, %2 how much later or earlier.
std::string paymentClause(long long payment, long long months, const std::string &amount, const std::string &later)
{
    if (months == 0)
        return filled(
            payment == 0
                ? WORDING_NOOP("ComparisonResults", "its payment is the same and the last one falls in the same month")
                : payment > 0
                ? WORDING_NOOP("ComparisonResults", "its payment is %1 higher and the last one falls in the same month")
                : WORDING_NOOP("ComparisonResults", "its payment is %1 lower and the last one falls in the same month"),
            {amount});
    return filled(
        //: %2 says how much later or earlier, as in "5 years later".
        payment == 0 ? WORDING_NOOP("ComparisonResults", "its payment is the same and the last one is %2")
            //: %1 is an amount of money; %2 says how much later or earlier, as in "5 years later".
            : payment > 0 ? WORDING_NOOP("ComparisonResults", "its payment is %1 higher and the last one is %2")
                          //: %1 is an amount of money; %2 says how much later or earlier, as in "5 years later".
                          : WORDING_NOOP("ComparisonResults", "its payment is %1 lower and the last one is %2"),
        {amount, later});
}

std::string presentValueClause(long long presentValue, const std::string &amount)
{
    return filled(presentValue == 0 ? WORDING_NOOP(
                      "ComparisonResults", "at your savings rate, everything it has you pay is worth the same today")
                      : presentValue > 0
                      ? WORDING_NOOP("ComparisonResults",
                                     "at your savings rate, everything it has you pay is worth %1 more today")
                      : WORDING_NOOP("ComparisonResults",
                                     "at your savings rate, everything it has you pay is worth %1 less today"),
                  {amount});
}

} // namespace

namespace {

// The sentence of one offer against keeping the loans.
std::string offerSentence(const Comparison &comparison, std::size_t o, double savingsRatePercent, const Writer &write)
{
    const compare::OfferComparison &compared = comparison.offers[o];
    const auto amount = [&write](long long difference) { return write.figure(write.money(std::llabs(difference))); };
    const Figure breakEven = breakEvenFigure(comparison, o);
    const std::string cost = costClause(compared.totalPaidDifference, breakEven, amount(compared.totalPaidDifference),
                                        breakEven.defined && breakEven.whole > 0 ? write.breakEven(breakEven) : "");
    const std::string payment
        = paymentClause(compared.paymentDifference, compared.monthsDifference, amount(compared.paymentDifference),
                        write.later(compared.monthsDifference));
    if (savingsRatePercent <= 0)
        //: Joins the sentence's two clauses: what the offer costs, and how its payments differ.
        return wording::arg(wording::translate("ComparisonResults", "%1; %2."), {cost, payment});
    //: Joins the sentence's three clauses: what the offer costs, how its payments differ, and their present value.
    return wording::arg(
        wording::translate("ComparisonResults", "%1; %2; %3."),
        {cost, payment, presentValueClause(compared.presentValueDifference, amount(compared.presentValueDifference))});
}

// Which way costs least, in one whole sentence for each case, so that a translation may order it as it needs.
std::string cheapestSentence(const Comparison &comparison, const Writer &write)
{
    const bool horizon = comparison.horizonMonths.has_value();
    const auto cost = [horizon](const Way &way) { return horizon ? *way.costOverHorizon : way.totalPaid; };
    const auto amount = [&write](long long difference) { return write.figure(write.money(std::llabs(difference))); };
    const std::string over = horizon ? write.span(*comparison.horizonMonths) : std::string();
    // The offers that could be compared, cheapest first, the earlier first on a tie.
    std::vector<std::size_t> order;
    for (std::size_t o = 0; o < comparison.offers.size(); ++o)
        if (!comparison.offers[o].refusal)
            order.push_back(o);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return cost(comparison.offers[a].way) < cost(comparison.offers[b].way);
    });
    const compare::Cents keeping = cost(comparison.keep);
    if (!comparison.cheapestOffer) {
        const std::size_t best = order.front();
        const std::string values[]
            = {amount(cost(comparison.offers[best].way) - keeping), offerHeading(comparison.offers[best].name, best)};
        return horizon ? filled(WORDING_NOOP("ComparisonResults",
                                             "Over %3, keeping your loans costs least: %1 less than the cheapest "
                                             "offer, %2."),
                                {values[0], values[1], over})
                       : filled(WORDING_NOOP("ComparisonResults",
                                             "In all, keeping your loans costs least: %1 less than the cheapest offer, "
                                             "%2."),
                                {values[0], values[1]});
    }
    const std::size_t cheapest = *comparison.cheapestOffer;
    const compare::Cents least = cost(comparison.offers[cheapest].way);
    const std::string name = offerHeading(comparison.offers[cheapest].name, cheapest);
    // The next cheapest: another offer, or keeping the loans where none costs less than keeping.
    const std::size_t next = order.size() > 1 ? order[1] : cheapest;
    if (next == cheapest || cost(comparison.offers[next].way) >= keeping)
        return horizon ? filled(WORDING_NOOP("ComparisonResults",
                                             "Over %3, %1 costs least: %2 less than keeping your loans, the next "
                                             "cheapest."),
                                {name, amount(keeping - least), over})
                       : filled(WORDING_NOOP("ComparisonResults",
                                             "In all, %1 costs least: %2 less than keeping your loans, the next "
                                             "cheapest."),
                                {name, amount(keeping - least)});
    const std::string nextName = offerHeading(comparison.offers[next].name, next);
    const std::string nextAmount = amount(cost(comparison.offers[next].way) - least);
    return horizon ? filled(WORDING_NOOP("ComparisonResults",
                                         "Over %5, %1 costs least: %2 less than keeping your loans and %3 less than "
                                         "the next cheapest, %4."),
                            {name, amount(keeping - least), nextAmount, nextName, over})
                   : filled(WORDING_NOOP("ComparisonResults",
                                         "In all, %1 costs least: %2 less than keeping your loans and %3 less than the "
                                         "next cheapest, %4."),
                            {name, amount(keeping - least), nextAmount, nextName});
}

} // namespace

ComparisonTable comparisonTable(const Comparison &comparison, const numtext::LocaleMarks &marks,
                                const MonthNamer &monthName, FigureText figures)
{
    const std::size_t loans = comparison.keep.schedules.size();
    const std::vector<ComparisonRow> rows = comparisonRows(comparison, marks, monthName, figures);
    ComparisonTable table;
    const std::size_t offers = rows.front().offers.size();
    if (offers == 1) {
        for (const ComparisonColumn column :
             {ComparisonColumn::Keep, ComparisonColumn::Offer, ComparisonColumn::Difference})
            table.headings.push_back(shownColumnTitle(column, loans));
        for (const ComparisonRow &row : rows)
            table.rows.push_back({row.caption, row.texts[0], row.texts[1], row.texts[2]});
        return table;
    }
    const auto marked = [figures](std::string heading, bool cheapest) {
        if (!cheapest)
            return heading;
        // Shown, the name is isolated, so that one in a right-to-left script does not carry the words after it.
        if (figures == FigureText::Shown)
            heading = "\u2068" + heading + "\u2069";
        //: A way's heading where it costs least: %1 is the way, such as "Offer 2".
        return wording::arg(wording::translate("ComparisonResults", "%1 (costs least)"), {heading});
    };
    table.headings.push_back(marked(shownColumnTitle(ComparisonColumn::Keep, loans), !comparison.cheapestOffer));
    for (std::size_t o = 0; o < offers; ++o) {
        table.headings.push_back(marked(offerHeading(comparison.offers[o].name, o), comparison.cheapestOffer == o));
        table.headings.push_back(shownColumnTitle(ComparisonColumn::Difference, loans));
    }
    for (const ComparisonRow &row : rows) {
        std::vector<std::string> &cells = table.rows.emplace_back(std::vector<std::string>{row.caption, row.texts[0]});
        for (const std::array<std::string, 2> &offer : row.offers)
            cells.insert(cells.end(), offer.begin(), offer.end());
    }
    return table;
}

std::string offerHeading(std::string_view name, std::size_t index)
{
    if (!name.empty()) {
        // A name pasted with its tabs or line breaks would break the command line's tab-separated table and the
        // one line each offer's sentence has; a heading is one line whatever was pasted.
        std::string heading;
        for (std::size_t i = 0; i < name.size(); ++i) {
            const bool lineOrParagraphSeparator = name.substr(i, 2) == "\xE2\x80" && i + 2 < name.size()
                && (name[i + 2] == '\xA8' || name[i + 2] == '\xA9');
            if (lineOrParagraphSeparator) {
                heading.push_back(' ');
                i += 2;
            } else {
                heading.push_back(static_cast<unsigned char>(name[i]) < 0x20 || name[i] == 0x7F ? ' ' : name[i]);
            }
        }
        // A heading sits over a column of figures: a long name is cut after 40 characters, with an ellipsis.
        constexpr std::size_t longest = 40;
        std::size_t characters = 0;
        for (std::size_t i = 0; i < heading.size(); ++i)
            if ((static_cast<unsigned char>(heading[i]) & 0xC0) != 0x80 && ++characters > longest) {
                heading.resize(i);
                heading += "\u2026";
                break;
            }
        return heading;
    }
    //: An offer without a name, as its column's heading: %1 is its number.
    return wording::arg(wording::translate("ComparisonResults", "Offer %1"), {std::to_string(index + 1)});
}

std::string comparisonSentence(const Comparison &comparison, double savingsRatePercent,
                               const numtext::LocaleMarks &marks, const MonthNamer &monthName, FigureText figures)
{
    if (const auto &refusal = comparison.refusal)
        return refusalSentence(*refusal);
    const Writer write{marks, monthName, figures};
    if (comparison.offers.size() == 1)
        return offerSentence(comparison, 0, savingsRatePercent, write);
    std::string text = cheapestSentence(comparison, write);
    for (std::size_t o = 0; o < comparison.offers.size(); ++o) {
        const compare::OfferComparison &compared = comparison.offers[o];
        const std::string sentence = compared.refusal ? refusalSentence(*compared.refusal)
                                                      : offerSentence(comparison, o, savingsRatePercent, write);
        text.push_back('\n');
        //: An offer's own sentence after its heading: %1 is the heading, such as "Offer 2", %2 the sentence.
        text.append(filled(WORDING_NOOP("ComparisonResults", "%1: %2"), {offerHeading(compared.name, o), sentence}));
    }
    return text;
}

} // namespace commands
