// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_results.h"

#include "numtext/cents_text.h"
#include "numtext/left_to_right_figure.h"
#include "numtext/localized_number.h"
#include "numtext/render.h"

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
    Figure (*figure)(const Comparison &comparison);
};

struct RowSpec {
    std::string_view name;
    std::string_view caption;
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
Figure breakEvenFigure(const Comparison &c)
{
    if (!c.breakEvenMonth)
        return {0, 0, {}, false};
    const schedule::Month first = c.keep.schedules.front().front().month;
    return {*c.breakEvenMonth, 0, schedule::addMonths(first, *c.breakEvenMonth - 1), true};
}

Figure rateDifference(const Comparison &c, double compare::SolvedRate::*percent)
{
    if (!c.keep.rate || !c.offer.rate)
        return {0, 0, {}, false};
    return {0, (*c.offer.rate).*percent - (*c.keep.rate).*percent, {}, true};
}

using C = const Comparison &;
constexpr auto keep = [](C c) -> const Way & { return c.keep; };

// The results, caption by caption; a cell the row does not have is left out.
const RowSpec rowTable[] = {
    {"firstPayment",
     "Monthly payment",
     {Cell{Format::Money, [](C c) { return whole(keep(c).firstPayment); }},
      Cell{Format::Money, [](C c) { return whole(c.offer.firstPayment); }},
      Cell{Format::SignedMoney, [](C c) { return whole(c.paymentDifference); }}}},
    {"payments",
     "Number of payments",
     {Cell{Format::Count, [](C c) { return whole(keep(c).payments); }},
      Cell{Format::Count, [](C c) { return whole(c.offer.payments); }},
      Cell{Format::SignedCount, [](C c) { return whole(c.monthsDifference); }}}},
    {"payoffMonth",
     "Last payment",
     {Cell{Format::Month,
           [](C c) {
               return Figure{0, 0, keep(c).payoffMonth, true};
           }},
      Cell{Format::Month,
           [](C c) {
               return Figure{0, 0, c.offer.payoffMonth, true};
           }},
      Cell{Format::MonthsLater, [](C c) { return whole(c.monthsDifference); }}}},
    {"totalPaid",
     "Total paid, fees included",
     {Cell{Format::Money, [](C c) { return whole(keep(c).totalPaid); }},
      Cell{Format::Money, [](C c) { return whole(c.offer.totalPaid); }},
      Cell{Format::SignedMoney, [](C c) { return whole(c.totalPaidDifference); }}}},
    {"totalInterest",
     "Total interest",
     {Cell{Format::Money, [](C c) { return whole(keep(c).totalInterest); }},
      Cell{Format::Money, [](C c) { return whole(c.offer.totalInterest); }},
      Cell{Format::SignedMoney, [](C c) { return whole(c.offer.totalInterest - keep(c).totalInterest); }}}},
    {"fees",
     "Fees",
     {Cell{Format::Money, [](C c) { return whole(keep(c).fees); }},
      Cell{Format::Money, [](C c) { return whole(c.offer.fees); }},
      Cell{Format::SignedMoney, [](C c) { return whole(c.offer.fees - keep(c).fees); }}}},
    {"financeCharge",
     "Finance charge: interest and all fees",
     {Cell{Format::Money, [](C c) { return whole(keep(c).financeCharge); }},
      Cell{Format::Money, [](C c) { return whole(c.offer.financeCharge); }},
      Cell{Format::SignedMoney, [](C c) { return whole(c.offer.financeCharge - keep(c).financeCharge); }}}},
    {"presentValue",
     "Present value of everything paid",
     {Cell{Format::Money, [](C c) { return whole(keep(c).presentValue); }},
      Cell{Format::Money, [](C c) { return whole(c.offer.presentValue); }},
      Cell{Format::SignedMoney, [](C c) { return whole(c.presentValueDifference); }}}},
    {"apr",
     "Rate as an APR",
     {Cell{Format::Percent, [](C c) { return rate(keep(c).rate, &compare::SolvedRate::nominalPercent); }},
      Cell{Format::Percent, [](C c) { return rate(c.offer.rate, &compare::SolvedRate::nominalPercent); }},
      Cell{Format::SignedPoints, [](C c) { return rateDifference(c, &compare::SolvedRate::nominalPercent); }}}},
    {"effectiveRate",
     "Rate as an effective annual rate",
     {Cell{Format::Percent, [](C c) { return rate(keep(c).rate, &compare::SolvedRate::effectivePercent); }},
      Cell{Format::Percent, [](C c) { return rate(c.offer.rate, &compare::SolvedRate::effectivePercent); }},
      Cell{Format::SignedPoints, [](C c) { return rateDifference(c, &compare::SolvedRate::effectivePercent); }}}},
    {"breakEven", "Break-even month", {std::nullopt, std::nullopt, Cell{Format::BreakEven, breakEvenFigure}}},
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
        const auto part = [this](long long n, const char *one, const char *many) {
            return figure(numtext::localizedNumber(std::to_string(n), m_marks)) + (n == 1 ? one : many);
        };
        if (years == 0)
            return part(rest, " month", " months");
        if (rest == 0)
            return part(years, " year", " years");
        return part(years, " year", " years") + " and " + part(rest, " month", " months");
    }

    std::string later(long long months) const
    {
        if (months == 0)
            return "the same month";
        return span(months) + (months > 0 ? " later" : " earlier");
    }

    // "month 27 (March 2029)"; month 0 is before the first payment.
    std::string breakEven(const Figure &breakEven) const
    {
        if (breakEven.whole == 0)
            return "at once";
        return "month " + figure(count(breakEven.whole)) + " (" + figure(m_monthName(breakEven.month)) + ")";
    }

    std::string text(Format format, const Figure &value) const
    {
        if (!value.defined)
            return format == Format::BreakEven ? "never" : "not defined";
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
            return figure(sign(points > 0) + numtext::render(points, "0.00", m_marks)) + " points";
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
        ComparisonRow &row = rows.emplace_back(ComparisonRow{spec.name, spec.caption, {}});
        for (std::size_t column = 0; column < spec.cells.size(); ++column) {
            const std::optional<Cell> &cell = spec.cells[column];
            if (!cell)
                continue;
            row.texts[column]
                = comparison.refusal ? std::string(noFigure) : write.text(cell->format, cell->figure(comparison));
        }
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
        return "for the offer, " + refusal.reason;
    case compare::RefusalSubject::Keep:
        break;
    }
    return refusal.reason;
}

std::string comparisonSentence(const Comparison &comparison, double savingsRatePercent,
                               const numtext::LocaleMarks &marks, const MonthNamer &monthName, FigureText figures)
{
    if (const auto &refusal = comparison.refusal)
        return "The comparison cannot be made: " + refusalReason(*refusal) + ".";
    const Writer write{marks, monthName, figures};
    const auto moreOrLess = [&write](long long difference, const char *more, const char *less) {
        return write.figure(write.money(std::llabs(difference))) + (difference > 0 ? more : less);
    };

    std::string sentence = "Taking the offer ";
    const Figure breakEven = breakEvenFigure(comparison);
    // Costing the same in all and never behind, it is not ahead of anything: it costs the same.
    if (comparison.totalPaidDifference == 0 && breakEven.defined && breakEven.whole == 0) {
        sentence += "costs the same";
    } else {
        sentence += comparison.totalPaidDifference == 0
            ? "costs the same in all"
            : "costs " + moreOrLess(comparison.totalPaidDifference, " more", " less") + " in all";
        if (!breakEven.defined)
            sentence += " and never comes out ahead";
        else if (breakEven.whole == 0)
            sentence += " and is ahead from the start";
        else
            sentence += " and is ahead for good from " + write.breakEven(breakEven);
    }
    sentence += "; its payment is ";
    sentence += comparison.paymentDifference == 0 ? "the same"
                                                  : moreOrLess(comparison.paymentDifference, " higher", " lower");
    sentence += comparison.monthsDifference == 0 ? " and the last one falls in the same month"
                                                 : " and the last one is " + write.later(comparison.monthsDifference);
    if (savingsRatePercent > 0) {
        sentence += "; at your savings rate, everything it has you pay is worth ";
        sentence += comparison.presentValueDifference == 0
            ? "the same today"
            : moreOrLess(comparison.presentValueDifference, " more", " less") + " today";
    }
    return sentence + ".";
}

} // namespace commands
