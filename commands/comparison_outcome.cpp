// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_outcome.h"

#include "wording/wording.h"

namespace commands {

namespace {

ComparisonOutcome compared(ComparisonTexts texts, ComparisonReading reading)
{
    ComparisonOutcome outcome{std::move(texts), std::move(reading), {}};
    if (outcome.reading.problems.empty())
        outcome.result = compare::compareWays(outcome.reading.inputs);
    else
        outcome.result.refusal = compare::Refusal{compare::RefusalSubject::Keep, 0,
                                                   wording::translate("ComparisonForm", "an input is marked")};
    return outcome;
}

compare::ComparisonField besideRefusal(compare::RefusalSubject subject)
{
    switch (subject) {
    case compare::RefusalSubject::Loan1:
        return compare::ComparisonField::Loan1Payment;
    case compare::RefusalSubject::Loan2:
        return compare::ComparisonField::Loan2Payment;
    case compare::RefusalSubject::Offer:
        return compare::ComparisonField::OfferRate;
    case compare::RefusalSubject::Keep:
        break;
    }
    return compare::ComparisonField::Extra;
}

} // namespace

std::vector<FieldProblem> ComparisonOutcome::marked() const
{
    if (!reading.problems.empty() || !result.refusal)
        return reading.problems;
    //: Beside an input; %1 says why, as a clause.
    return {{besideRefusal(result.refusal->subject),
             wording::arg(wording::translate("ComparisonForm", "Cannot be compared: %1."), {result.refusal->reason})}};
}

ComparisonOutcome compareTexts(const ComparisonTexts &texts, const numtext::LocaleMarks &marks,
                               schedule::Month firstPayment)
{
    return compared(texts, readComparison(texts, marks, firstPayment));
}

ComparisonOutcome compareValues(const ComparisonValues &values, schedule::Month firstPayment)
{
    return compared({}, readComparison(values, firstPayment));
}

} // namespace commands
