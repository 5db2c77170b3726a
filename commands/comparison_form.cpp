// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_form.h"

#include "numtext/localized_number.h"
#include "numtext/read_number.h"
#include "result_map.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace commands {

namespace {

using F = ComparisonField;

// What an empty box means: nothing to read (the comparison cannot go on) or a number.
enum class WhenEmpty { Missing, Zero };

constexpr std::array<F, 2> balanceFields{F::Loan1Balance, F::Loan2Balance};
constexpr std::array<F, 2> rateFields{F::Loan1Rate, F::Loan2Rate};
constexpr std::array<F, 2> yearsFields{F::Loan1Years, F::Loan2Years};
constexpr std::array<F, 2> monthsFields{F::Loan1Months, F::Loan2Months};
constexpr std::array<F, 2> paymentFields{F::Loan1Payment, F::Loan2Payment};

F fieldOf(compare::Input input)
{
    switch (input) {
    case compare::Input::Loan1Balance:
        return F::Loan1Balance;
    case compare::Input::Loan1Rate:
        return F::Loan1Rate;
    case compare::Input::Loan1Term:
        return F::Loan1Years;
    case compare::Input::Loan1Payment:
        return F::Loan1Payment;
    case compare::Input::Loan2Balance:
        return F::Loan2Balance;
    case compare::Input::Loan2Rate:
        return F::Loan2Rate;
    case compare::Input::Loan2Term:
        return F::Loan2Years;
    case compare::Input::Loan2Payment:
        return F::Loan2Payment;
    case compare::Input::OfferRate:
        return F::OfferRate;
    case compare::Input::OfferTerm:
        return F::OfferYears;
    case compare::Input::FeesAtSigning:
        return F::FeesAtSigning;
    case compare::Input::FeesAdded:
        return F::FeesAdded;
    case compare::Input::Extra:
        return F::Extra;
    case compare::Input::SavingsRate:
        break;
    }
    return F::SavingsRate;
}

class Reader {
public:
    Reader(const ComparisonTexts &texts, const numtext::LocaleMarks &marks)
        : m_texts(texts)
        , m_marks(marks)
    { }

    // The number in a box, or none after noting why there is none.
    std::optional<double> number(F field, WhenEmpty whenEmpty)
    {
        try {
            return numtext::readNumber(textOf(m_texts, field), m_marks);
        } catch (const numtext::ReadError &error) {
            if (error.kind() == numtext::ReadErrorKind::Empty && whenEmpty == WhenEmpty::Zero)
                return 0.0;
            if (error.kind() == numtext::ReadErrorKind::Empty)
                problem(field, "Enter a number.");
            else if (error.kind() == numtext::ReadErrorKind::OutOfRange)
                problem(field, "Too large to be a number.");
            else
                problem(field, "Not a number.");
        }
        return std::nullopt;
    }

    // An amount in cents; one too large for cents is left for the limits to refuse.
    std::optional<compare::Cents> amount(F field, WhenEmpty whenEmpty)
    {
        const std::optional<double> value = number(field, whenEmpty);
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
        const std::optional<double> value = number(field, WhenEmpty::Zero);
        if (value && (*value < 0 || std::floor(*value) != *value)) {
            problem(field, "Enter a whole number.");
            return std::nullopt;
        }
        return value;
    }

    const ComparisonTexts &m_texts;
    const numtext::LocaleMarks &m_marks;
    std::vector<FieldProblem> m_problems;
};

constexpr std::array<std::string_view, comparisonFieldCount> fieldNames{
    "Balance, loan 1",
    "Annual rate (%), loan 1",
    "Remaining term in years, loan 1",
    "Months beyond the years, loan 1",
    "Monthly payment, loan 1",
    "Balance, loan 2",
    "Annual rate (%), loan 2",
    "Remaining term in years, loan 2",
    "Months beyond the years, loan 2",
    "Monthly payment, loan 2",
    "Annual rate (%), the offer",
    "Term in years, the offer",
    "Months beyond the years, the offer",
    "Fees paid at signing, the offer",
    "Fees added to the loan, the offer",
    "Extra paid each month, both ways",
    "Your savings rate (%), for present values",
};

} // namespace

std::string_view comparisonFieldName(ComparisonField field)
{
    return fieldNames[std::size_t(field)];
}

ComparisonReading readComparison(const ComparisonTexts &texts, const numtext::LocaleMarks &marks,
                                 schedule::Month firstPayment)
{
    Reader read{texts, marks};
    ComparisonReading reading;
    compare::ComparisonInputs &inputs = reading.inputs;
    inputs.firstPayment = firstPayment;
    for (std::size_t l = 0; l < balanceFields.size(); ++l) {
        compare::LoanInputs loan;
        const std::optional<compare::Cents> balance
            = read.amount(balanceFields[l], l == 0 ? WhenEmpty::Missing : WhenEmpty::Zero);
        loan.balance = balance.value_or(0);
        // A loan 2 with no balance is no loan: nothing else typed for it is read.
        if (l > 0 && balance == 0) {
            inputs.loans.push_back(loan);
            continue;
        }
        loan.annualRatePercent = read.number(rateFields[l], WhenEmpty::Missing).value_or(0);
        if (!textOf(texts, paymentFields[l]).empty())
            loan.payment = read.amount(paymentFields[l], WhenEmpty::Zero);
        else
            loan.termMonths = read.term(yearsFields[l], monthsFields[l]).value_or(0);
        inputs.loans.push_back(loan);
    }
    inputs.offer.annualRatePercent = read.number(F::OfferRate, WhenEmpty::Missing).value_or(0);
    inputs.offer.termMonths = read.term(F::OfferYears, F::OfferMonths).value_or(0);
    inputs.offer.feesAtSigning = read.amount(F::FeesAtSigning, WhenEmpty::Zero).value_or(0);
    inputs.offer.feesAdded = read.amount(F::FeesAdded, WhenEmpty::Zero).value_or(0);
    inputs.extra = read.amount(F::Extra, WhenEmpty::Zero).value_or(0);
    inputs.savingsRatePercent = read.number(F::SavingsRate, WhenEmpty::Zero).value_or(0);

    // Limits only for what could be read: a text that is no number already has its message, and a term whose
    // months are no number is not out of range for it.
    for (const compare::InputProblem &problem : compare::checkInputs(inputs)) {
        const F field = fieldOf(problem.input);
        const bool monthsUnread = (field == F::Loan1Years && read.noted(F::Loan1Months))
            || (field == F::Loan2Years && read.noted(F::Loan2Months))
            || (field == F::OfferYears && read.noted(F::OfferMonths));
        if (!monthsUnread)
            read.problem(field, "Must be " + problem.message + ".");
    }
    reading.problems = std::move(read).problems();
    return reading;
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
