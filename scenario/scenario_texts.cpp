// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario_texts.h"

#include "commands/commands.h"
#include "commands/failure_messages.h"
#include "commands/text_form.h"
#include "numtext/localized_number.h"
#include "numtext/read_number.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace scenario {

namespace {

using F = compare::ComparisonField;

using compare::LoanFields;
using compare::loanFields;

class Reader {
public:
    explicit Reader(const numtext::LocaleMarks &marks)
        : m_marks(marks)
    { }

    // A calculator input's number, or the sentence that says it is none.
    std::variant<Number, std::string> input(commands::Field field, const std::string &text) const
    {
        try {
            return read(text);
        } catch (const numtext::ReadError &error) {
            return commands::unreadableInputMessage(error.kind(), field, text, m_marks);
        }
    }

    // A number the comparison window does not read (loan 2's inputs where it has no balance, a term behind a typed
    // payment), kept where it reads as the window would read it, and none otherwise.
    Number unread(const commands::ComparisonTexts &texts, F field) const
    {
        try {
            return read(commands::textOf(texts, field));
        } catch (const numtext::ReadError &) {
            return std::nullopt;
        }
    }

    // Years and months as one count of months, kept as unread() keeps a number: none where both are empty or
    // either is not a whole number.
    Number unreadTerm(const commands::ComparisonTexts &texts, F years, F months) const
    {
        const Number y = unread(texts, years);
        const Number m = unread(texts, months);
        const auto whole = [](const Number &n) { return !n || (*n >= 0 && std::floor(*n) == *n); };
        const auto typed = [&](F field) { return !commands::textOf(texts, field).empty(); };
        if ((typed(years) && !y) || (typed(months) && !m) || !whole(y) || !whole(m) || (!y && !m))
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

// The sentence that names the first input the comparison window marks, as Save refuses it.
std::string markedMessage(const commands::ComparisonTexts &texts, const commands::FieldProblem &problem)
{
    const std::string &text = commands::textOf(texts, problem.field);
    const QString name = QString::fromStdString(commands::comparisonFieldName(problem.field));
    const QString message = QString::fromStdString(problem.message);
    if (text.empty())
        //: %1 names an input of the comparison; %2 is the sentence beside it, such as "Enter a number."
        return QCoreApplication::translate("ScenarioFile", "%1: %2").arg(name, message).toStdString();
    //: %1 names an input of the comparison; %2 is its text; %3 is the sentence beside it, such as "Not a number."
    return QCoreApplication::translate("ScenarioFile", "%1: \u201C%2\u201D. %3")
        .arg(name, QString::fromStdString(text), message)
        .toStdString();
}

Number amountOf(compare::Cents cents)
{
    return double(cents) / 100;
}

// The values the comparison window compares, read by its own reading: the file never holds what the window
// refuses, nor a value other than the one it uses ("2.5" years is refused, not kept as 30 months; "1.005" is the
// 1.01 it compares). An empty input stays empty, which the window reads as it did. Where the window marks an input,
// the sentence that names the first.
std::variant<ScenarioComparison, std::string> comparisonOf(const commands::ComparisonTexts &texts, const Reader &read,
                                                           const numtext::LocaleMarks &marks,
                                                           schedule::Month firstMonth)
{
    const commands::ComparisonReading reading = commands::readComparison(texts, marks, firstMonth);
    if (!reading.problems.empty())
        return markedMessage(texts, reading.problems.front());
    const auto typed = [&texts](F field) { return !commands::textOf(texts, field).empty(); };
    const auto given = [&typed](F field, Number used) { return typed(field) ? used : std::nullopt; };

    ScenarioComparison comparison;
    for (std::size_t l = 0; l < loanFields.size(); ++l) {
        const LoanFields &f = loanFields[l];
        // Loan 2 is kept where anything was typed for it.
        const std::array<F, 6> fields{f.balance, f.rate, f.years, f.months, f.payment, f.charge};
        if (l > 0 && std::none_of(fields.begin(), fields.end(), typed))
            continue;
        const compare::LoanInputs &used = reading.inputs.loans[l];
        const Number balance = given(f.balance, amountOf(used.balance));
        if (l > 0 && used.balance == 0) {
            // No loan to the window: the rest of what was typed for it is kept as far as it can be read.
            comparison.loans.push_back({balance, read.unread(texts, f.rate), read.unreadTerm(texts, f.years, f.months),
                                        read.unread(texts, f.payment), read.unread(texts, f.charge)});
            continue;
        }
        ScenarioLoan loan{balance,
                          given(f.rate, used.annualRatePercent),
                          {},
                          {},
                          given(f.charge, amountOf(used.earlyRepaymentCharge))};
        if (used.payment) {
            loan.payment = amountOf(*used.payment);
            loan.termMonths = read.unreadTerm(texts, f.years, f.months);
        } else if (typed(f.years) || typed(f.months)) {
            loan.termMonths = used.termMonths;
        }
        comparison.loans.push_back(loan);
    }
    for (std::size_t o = 0; o < reading.inputs.offers.size(); ++o) {
        const compare::OfferInputs &offer = reading.inputs.offers[o];
        const compare::OfferFields &f = compare::offerFields[o];
        comparison.offers.push_back({given(f.rate, offer.annualRatePercent),
                                     typed(f.years) || typed(f.months) ? Number(offer.termMonths) : std::nullopt,
                                     given(f.feesAtSigning, amountOf(offer.feesAtSigning)),
                                     given(f.feesAdded, amountOf(offer.feesAdded)),
                                     given(f.points, offer.pointsPercent), offer.name});
    }
    comparison.extra = given(F::Extra, amountOf(reading.inputs.extra));
    comparison.savingsRate = given(F::SavingsRate, reading.inputs.savingsRatePercent);
    if (const std::optional<int> horizon = reading.inputs.horizonMonths)
        comparison.horizonMonths = *horizon;
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
    const commands::ComparisonValues values = comparisonValues(comparison);
    commands::ComparisonTexts texts;
    for (std::size_t i = 0; i < values.size(); ++i)
        texts[i] = typed(values[i], marks);
    const commands::OfferNames names = offerNames(comparison);
    for (std::size_t o = 0; o < names.size(); ++o)
        texts[std::size_t(compare::offerFields[o].name)] = names[o];
    return texts;
}

} // namespace

std::variant<Scenario, std::string> scenarioOf(const WindowTexts &texts, const numtext::LocaleMarks &marks)
{
    const Reader read{marks};
    Scenario scenario;
    for (std::size_t i = 0; i < scenarioInputFields.size(); ++i) {
        auto input = read.input(scenarioInputFields[i], texts.inputs[i]);
        if (std::string *unreadable = std::get_if<std::string>(&input))
            return std::move(*unreadable);
        scenario.inputs[i] = std::get<Number>(input);
    }
    if (texts.comparison) {
        auto comparison = comparisonOf(*texts.comparison, read, marks, texts.firstMonth);
        if (std::string *marked = std::get_if<std::string>(&comparison))
            return std::move(*marked);
        scenario.comparison = std::move(std::get<ScenarioComparison>(comparison));
    }
    scenario.firstMonth = texts.firstMonth;
    return scenario;
}

commands::ComparisonTexts comparisonFilledFrom(const std::array<std::string, 5> &inputs,
                                               const numtext::LocaleMarks &marks)
{
    commands::TextForm form{marks};
    for (std::size_t i = 0; i < inputs.size(); ++i)
        form.setText(scenarioInputFields[i], inputs[i]);
    return commands::comparisonTextsFrom(commands::Command1_Click(form, marks), marks);
}

commands::OfferNames offerNames(const ScenarioComparison &comparison)
{
    commands::OfferNames names;
    for (std::size_t o = 0; o < comparison.offers.size() && o < names.size(); ++o)
        names[o] = comparison.offers[o].name;
    return names;
}

commands::ComparisonValues comparisonValues(const ScenarioComparison &comparison)
{
    commands::ComparisonValues values;
    const auto set = [&values](F field, const Number &number) { values[std::size_t(field)] = number; };
    // A term is kept in months and shown as whole years and the months beyond them.
    const auto setTerm = [&set](F years, F months, const Number &termMonths) {
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
        set(f.charge, loan.earlyRepaymentCharge);
    }
    for (std::size_t o = 0; o < comparison.offers.size() && o < compare::offerFields.size(); ++o) {
        const ScenarioOffer &offer = comparison.offers[o];
        const compare::OfferFields &f = compare::offerFields[o];
        set(f.rate, offer.rate);
        setTerm(f.years, f.months, offer.termMonths);
        set(f.feesAtSigning, offer.feesAtSigning);
        set(f.feesAdded, offer.feesAdded);
        set(f.points, offer.points);
    }
    set(F::Extra, comparison.extra);
    set(F::SavingsRate, comparison.savingsRate);
    setTerm(F::HorizonYears, F::HorizonMonths, comparison.horizonMonths);
    return values;
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
