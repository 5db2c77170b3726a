// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_form.h"

#include "numtext/localized_number.h"
#include "numtext/read_number.h"
#include "result_map.h"
#include "wording/wording.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace commands {

namespace {

using F = compare::ComparisonField;

// One input as read: its number, or why there is none (Empty where nothing was typed).
struct Read {
    bool typed = false; // a text that is not empty, blanks and all, or a number given
    std::string text; // of a name; numbers are read below
    std::optional<double> number;
    numtext::ReadErrorKind error = numtext::ReadErrorKind::Empty;
};

using Reads = std::array<Read, compare::comparisonFieldCount>;

class Reader {
public:
    explicit Reader(const Reads &reads)
        : m_reads(reads)
    { }

    bool typed(F field) const { return m_reads[std::size_t(field)].typed; }

    const std::string &text(F field) const { return m_reads[std::size_t(field)].text; }

    // The number in a box, or none after noting why there is none.
    std::optional<double> number(F field)
    {
        const Read &read = m_reads[std::size_t(field)];
        if (read.number)
            return read.number;
        if (read.error == numtext::ReadErrorKind::Empty
            && compare::comparisonInput(field).whenEmpty == compare::WhenEmpty::Zero)
            return 0.0;
        if (read.error == numtext::ReadErrorKind::Empty)
            problem(field, wording::translate("ComparisonForm", "Enter a number."));
        else if (read.error == numtext::ReadErrorKind::OutOfRange)
            problem(field, wording::translate("ComparisonForm", "Too large to be a number."));
        else
            problem(field, wording::translate("ComparisonForm", "Not a number."));
        return std::nullopt;
    }

    // An amount in cents; one too large for cents is left for the limits to refuse.
    std::optional<compare::Cents> amount(F field)
    {
        const std::optional<double> value = number(field);
        if (!value)
            return std::nullopt;
        return schedule::toCents(*value).value_or(std::numeric_limits<compare::Cents>::max());
    }

    // Whole years and months, as a count of months; one far beyond the limit stays beyond it.
    std::optional<int> term(F years, F months)
    {
        const std::optional<double> y = whole(years);
        const std::optional<double> m = whole(months);
        if (!y || !m)
            return std::nullopt;
        const double total = *y * 12 + *m;
        return total > compare::maxTermMonths ? compare::maxTermMonths + 1 : int(total);
    }

    void problem(F field, std::string message)
    {
        if (!noted(field))
            m_problems.push_back({field, std::move(message)});
    }

    bool noted(F field) const
    {
        return std::any_of(m_problems.begin(), m_problems.end(),
                           [field](const FieldProblem &problem) { return problem.field == field; });
    }

    std::vector<FieldProblem> problems() &&
    {
        std::stable_sort(m_problems.begin(), m_problems.end(),
                         [](const FieldProblem &a, const FieldProblem &b) { return a.field < b.field; });
        return std::move(m_problems);
    }

private:
    std::optional<double> whole(F field)
    {
        const std::optional<double> value = number(field);
        if (value && (*value < 0 || std::floor(*value) != *value)) {
            problem(field, wording::translate("ComparisonForm", "Enter a whole number."));
            return std::nullopt;
        }
        return value;
    }

    const Reads &m_reads;
    std::vector<FieldProblem> m_problems;
};

ComparisonReading readAll(const Reads &reads, schedule::Month firstPayment)
{
    Reader read{reads};
    ComparisonReading reading;
    compare::ComparisonInputs &inputs = reading.inputs;
    inputs.firstPayment = firstPayment;
    for (std::size_t l = 0; l < compare::loanFields.size(); ++l) {
        const compare::LoanFields &fields = compare::loanFields[l];
        compare::LoanInputs loan;
        const std::optional<compare::Cents> balance = read.amount(fields.balance);
        loan.balance = balance.value_or(0);
        // A loan 2 with no balance is no loan: nothing else typed for it is read.
        if (l > 0 && balance == 0) {
            inputs.loans.push_back(loan);
            continue;
        }
        loan.annualRatePercent = read.number(fields.rate).value_or(0);
        if (read.typed(fields.payment))
            loan.payment = read.amount(fields.payment);
        else
            loan.termMonths = read.term(fields.years, fields.months).value_or(0);
        loan.earlyRepaymentCharge = read.amount(fields.charge).value_or(0);
        inputs.loans.push_back(loan);
    }
    // The first offer is always read; a later one where anything is typed for it or for an offer after it, so that
    // offers are counted in the order they are shown.
    std::size_t offers = 1;
    for (std::size_t o = 1; o < compare::offerFields.size(); ++o) {
        for (const F field : compare::offerFields[o].all())
            if (read.typed(field))
                offers = o + 1;
    }
    for (std::size_t o = 0; o < offers; ++o) {
        const compare::OfferFields &f = compare::offerFields[o];
        compare::OfferInputs &offer = inputs.offers.emplace_back();
        offer.name = read.text(f.name);
        offer.annualRatePercent = read.number(f.rate).value_or(0);
        offer.termMonths = read.term(f.years, f.months).value_or(0);
        offer.pointsPercent = read.number(f.points).value_or(0);
        offer.feesAtSigning = read.amount(f.feesAtSigning).value_or(0);
        offer.feesAdded = read.amount(f.feesAdded).value_or(0);
    }
    inputs.extra = read.amount(F::Extra).value_or(0);
    inputs.savingsRatePercent = read.number(F::SavingsRate).value_or(0);
    // No horizon typed is no horizon: to the end of every way.
    if (read.typed(F::HorizonYears) || read.typed(F::HorizonMonths))
        inputs.horizonMonths = read.term(F::HorizonYears, F::HorizonMonths).value_or(0);

    // Limits only for what could be read: a text that is no number already has its message, and a term whose
    // months are no number is not out of range for it.
    for (const compare::InputProblem &problem : compare::checkInputs(inputs)) {
        const F checked = compare::inputCheckedAs(problem.input).field;
        const F field = compare::offerOf(checked) ? compare::inOffer(checked, problem.offer) : checked;
        const compare::ComparisonInput &input = compare::comparisonInput(field);
        const compare::ComparisonInput *months
            = compare::inputOf(input.group, input.scenarioKey, compare::InputKind::Months);
        const bool monthsUnread = input.kind == compare::InputKind::Years && months && read.noted(months->field);
        if (!monthsUnread)
            //: Beside an input; %1 completes the sentence, such as "between 0 % and 100 %".
            read.problem(field, wording::arg(wording::translate("ComparisonForm", "Must be %1."), {problem.message}));
    }
    reading.problems = std::move(read).problems();
    return reading;
}

} // namespace

std::string comparisonFieldName(compare::ComparisonField field)
{
    const compare::ComparisonInput &input = compare::comparisonInput(field);
    if (!input.accessibleName.empty())
        return wording::translate("ComparisonInputs", input.accessibleName.data());
    //: A later offer's input, as a screen reader and a message name it: %1 is its caption, such as "Annual rate (%)",
    //: %2 the offer's number.
    return wording::arg(
        wording::translate("ComparisonInputs", "%1, offer %2"),
        {wording::translate("ComparisonInputs", input.caption.data()), std::to_string(*compare::offerOf(field) + 1)});
}

ComparisonReading readComparison(const ComparisonTexts &texts, const numtext::LocaleMarks &marks,
                                 schedule::Month firstPayment)
{
    Reads reads;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        reads[i].typed = !texts[i].empty();
        if (compare::comparisonInputs[i].kind == compare::InputKind::Name) {
            reads[i].text = texts[i];
            continue;
        }
        try {
            reads[i].number = numtext::readNumber(texts[i], marks);
        } catch (const numtext::ReadError &error) {
            reads[i].error = error.kind();
        }
    }
    return readAll(reads, firstPayment);
}

ComparisonReading readComparison(const ComparisonValues &values, schedule::Month firstPayment, const OfferNames &names)
{
    Reads reads;
    for (std::size_t o = 0; o < names.size(); ++o) {
        Read &name = reads[std::size_t(compare::offerFields[o].name)];
        name.text = names[o];
        name.typed = !names[o].empty();
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (compare::comparisonInputs[i].kind == compare::InputKind::Name)
            continue;
        reads[i].typed = values[i].has_value();
        // A number a text could not hold (an infinity) is refused as its text would be.
        if (values[i] && std::isinf(*values[i]))
            reads[i].error = numtext::ReadErrorKind::OutOfRange;
        else
            reads[i].number = values[i];
    }
    return readAll(reads, firstPayment);
}

ComparisonTexts comparisonTextsFrom(const CalculationOutcome &outcome, const numtext::LocaleMarks &marks)
{
    ComparisonTexts texts;
    textOf(texts, F::Loan1Balance) = outcome.inputText(Field::Text1);
    // An empty rate is 0 % to the calculator, where the comparison asks for one.
    const auto rate = [&outcome, &marks](Field field) {
        const std::string &typed = outcome.inputText(field);
        return typed.empty() ? numtext::localizedNumber("0", marks) : typed;
    };
    textOf(texts, F::Loan1Rate) = rate(Field::Text2);
    textOf(texts, F::Loan2Balance) = outcome.inputText(Field::Text6);
    textOf(texts, F::Loan2Rate) = rate(Field::Text7);
    if (outcome.unreadable)
        return texts;
    const int months = compare::termMonthsOf(outcome.terms.loan1.years);
    const std::string years = numtext::localizedNumber(std::to_string(months / 12), marks);
    const std::string rest = numtext::localizedNumber(std::to_string(months % 12), marks);
    for (const F field : {F::Loan1Years, F::Loan2Years, F::OfferYears})
        textOf(texts, field) = years;
    for (const F field : {F::Loan1Months, F::Loan2Months, F::OfferMonths})
        textOf(texts, field) = rest;
    textOf(texts, F::OfferRate) = resultText(outcome, Field::Text5, marks);
    return texts;
}

} // namespace commands
