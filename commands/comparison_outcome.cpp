// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_outcome.h"

#include "wording/wording.h"

#include <algorithm>

namespace commands {

namespace {

ComparisonOutcome compared(ComparisonTexts texts, ComparisonReading reading)
{
    ComparisonOutcome outcome{std::move(texts), std::move(reading), {}};
    // A later offer with a marked input is left out, and the rest compared: adding an offer does not blank every
    // figure until it is typed in full. Any other marked input stops the comparison.
    compare::ComparisonInputs inputs = outcome.reading.inputs;
    const bool laterOffersOnly = std::all_of(outcome.reading.problems.begin(), outcome.reading.problems.end(),
                                             [&inputs](const FieldProblem &p) {
                                                 const std::optional<std::size_t> offer = compare::offerOf(p.field);
                                                 if (!offer || *offer == 0 || *offer >= inputs.offers.size())
                                                     return false;
                                                 inputs.offers[*offer].leftOut = true;
                                                 return true;
                                             });
    if (laterOffersOnly)
        outcome.result = compare::compareWays(inputs);
    else
        outcome.result.refusal = compare::Refusal{compare::RefusalSubject::Keep, 0,
                                                  wording::translate("ComparisonForm", "an input is marked")};
    return outcome;
}

compare::ComparisonField besideRefusal(const compare::Refusal &refusal)
{
    switch (refusal.subject) {
    case compare::RefusalSubject::Loan1:
        return compare::ComparisonField::Loan1Payment;
    case compare::RefusalSubject::Loan2:
        return compare::ComparisonField::Loan2Payment;
    case compare::RefusalSubject::Offer:
        return compare::offerFields[std::min(refusal.offer, compare::offerFields.size() - 1)].rate;
    case compare::RefusalSubject::Keep:
        break;
    }
    return compare::ComparisonField::Extra;
}

} // namespace

std::vector<FieldProblem> ComparisonOutcome::marked() const
{
    if (!reading.problems.empty())
        return reading.problems;
    const auto beside = [](const compare::Refusal &refusal) {
        //: Beside an input; %1 says why, as a clause.
        return FieldProblem{
            besideRefusal(refusal),
            wording::arg(wording::translate("ComparisonForm", "Cannot be compared: %1."), {refusal.reason})};
    };
    if (result.refusal)
        return {beside(*result.refusal)};
    // A later offer that cannot be compared is marked alone; the others are compared.
    std::vector<FieldProblem> marks;
    for (const compare::OfferComparison &offer : result.offers)
        if (offer.refusal)
            marks.push_back(beside(*offer.refusal));
    return marks;
}

ComparisonOutcome compareTexts(const ComparisonTexts &texts, const numtext::LocaleMarks &marks,
                               schedule::Month firstPayment)
{
    return compared(texts, readComparison(texts, marks, firstPayment));
}

ComparisonOutcome compareValues(const ComparisonValues &values, schedule::Month firstPayment, const OfferNames &names)
{
    return compared({}, readComparison(values, firstPayment, names));
}

} // namespace commands
