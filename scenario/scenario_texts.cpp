// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario_texts.h"

#include "commands/failure_messages.h"
#include "numtext/localized_number.h"
#include "numtext/read_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace scenario {

namespace {

using F = commands::ComparisonField;

struct LoanFields {
    F balance, rate, years, months, payment;
};

constexpr std::array<LoanFields, 2> loanFields{{
    {F::Loan1Balance, F::Loan1Rate, F::Loan1Years, F::Loan1Months, F::Loan1Payment},
    {F::Loan2Balance, F::Loan2Rate, F::Loan2Years, F::Loan2Months, F::Loan2Payment},
}};

// Where a text is not a number: the words to say so with.
struct Unreadable {
    std::string message;
};

class Reader {
public:
    explicit Reader(const numtext::LocaleMarks &marks)
        : m_marks(marks)
    { }

    Number input(commands::Field field, const std::string &text) const
    {
        try {
            return read(text);
        } catch (const numtext::ReadError &error) {
            throw Unreadable{commands::unreadableInputMessage(error.kind(), field, text, m_marks)};
        }
    }

    Number comparison(const commands::ComparisonTexts &texts, F field) const
    {
        const std::string &text = commands::textOf(texts, field);
        try {
            return read(text);
        } catch (const numtext::ReadError &) {
            throw Unreadable{std::string(commands::comparisonFieldName(field)) + ": \u201C" + text
                             + "\u201D is not a number."};
        }
    }

    // Years and months as one count of months; none where both are empty.
    Number term(const commands::ComparisonTexts &texts, F years, F months) const
    {
        const Number y = comparison(texts, years);
        const Number m = comparison(texts, months);
        if (!y && !m)
            return std::nullopt;
        return y.value_or(0) * 12 + m.value_or(0);
    }

private:
    Number read(const std::string &text) const
    {
        try {
            return numtext::readNumber(text, m_marks);
        } catch (const numtext::ReadError &error) {
            if (error.kind() == numtext::ReadErrorKind::Empty)
                return std::nullopt;
            throw;
        }
    }

    const numtext::LocaleMarks &m_marks;
};

ScenarioComparison comparisonOf(const commands::ComparisonTexts &texts, const Reader &read)
{
    ScenarioComparison comparison;
    for (std::size_t l = 0; l < loanFields.size(); ++l) {
        const LoanFields &f = loanFields[l];
        // Loan 2 is kept where anything was typed for it.
        const std::array<F, 5> fields{f.balance, f.rate, f.years, f.months, f.payment};
        const bool typed = std::any_of(fields.begin(), fields.end(),
                                       [&texts](F field) { return !commands::textOf(texts, field).empty(); });
        if (l > 0 && !typed)
            continue;
        comparison.loans.push_back({read.comparison(texts, f.balance), read.comparison(texts, f.rate),
                                    read.term(texts, f.years, f.months), read.comparison(texts, f.payment)});
    }
    comparison.offer = {read.comparison(texts, F::OfferRate), read.term(texts, F::OfferYears, F::OfferMonths),
                        read.comparison(texts, F::FeesAtSigning), read.comparison(texts, F::FeesAdded)};
    comparison.extra = read.comparison(texts, F::Extra);
    comparison.savingsRate = read.comparison(texts, F::SavingsRate);
    return comparison;
}

// A number as typed in the locale: its shortest plain decimal form ("1000000000000000", never "1e+15"), in the
// locale's marks and digits.
std::string typed(const Number &number, const numtext::LocaleMarks &marks)
{
    if (!number)
        return {};
    char buffer[400]; // the longest fixed form of a double has 309 digits before the point
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, *number, std::chars_format::fixed).ptr;
    return numtext::localizedNumber(std::string_view(buffer, std::size_t(end - buffer)), marks);
}

commands::ComparisonTexts comparisonTexts(const ScenarioComparison &comparison, const numtext::LocaleMarks &marks)
{
    commands::ComparisonTexts texts;
    const auto set = [&](F field, const Number &number) { commands::textOf(texts, field) = typed(number, marks); };
    const auto setTerm = [&](F years, F months, const Number &termMonths) {
        if (!termMonths)
            return;
        const double whole = std::trunc(*termMonths / 12);
        set(years, whole);
        set(months, *termMonths - whole * 12);
    };
    for (std::size_t l = 0; l < comparison.loans.size() && l < loanFields.size(); ++l) {
        const ScenarioLoan &loan = comparison.loans[l];
        const LoanFields &f = loanFields[l];
        set(f.balance, loan.balance);
        set(f.rate, loan.rate);
        setTerm(f.years, f.months, loan.termMonths);
        set(f.payment, loan.payment);
    }
    set(F::OfferRate, comparison.offer.rate);
    setTerm(F::OfferYears, F::OfferMonths, comparison.offer.termMonths);
    set(F::FeesAtSigning, comparison.offer.feesAtSigning);
    set(F::FeesAdded, comparison.offer.feesAdded);
    set(F::Extra, comparison.extra);
    set(F::SavingsRate, comparison.savingsRate);
    return texts;
}

} // namespace

std::variant<Scenario, std::string> scenarioOf(const WindowTexts &texts, const numtext::LocaleMarks &marks)
{
    const Reader read{marks};
    Scenario scenario;
    try {
        for (std::size_t i = 0; i < scenarioInputFields.size(); ++i)
            scenario.inputs[i] = read.input(scenarioInputFields[i], texts.inputs[i]);
        if (texts.comparison)
            scenario.comparison = comparisonOf(*texts.comparison, read);
    } catch (const Unreadable &unreadable) {
        return unreadable.message;
    }
    scenario.firstMonth = texts.firstMonth;
    return scenario;
}

WindowTexts textsOf(const Scenario &scenario, const numtext::LocaleMarks &marks)
{
    WindowTexts texts;
    for (std::size_t i = 0; i < scenarioInputFields.size(); ++i)
        texts.inputs[i] = typed(scenario.inputs[i], marks);
    if (scenario.comparison)
        texts.comparison = comparisonTexts(*scenario.comparison, marks);
    texts.firstMonth = scenario.firstMonth;
    return texts;
}

} // namespace scenario
