// SPDX-License-Identifier: GPL-3.0-or-later
#include "plans_reached.h"

#include "failure_messages.h"

namespace commands {

namespace {

std::optional<double> ifReached(const CalculationOutcome &outcome, Step step, double figure)
{
    return outcome.reached(step) ? std::optional(figure) : std::nullopt;
}

} // namespace

schedule::CalculatedPlans plansReached(const CalculationOutcome &outcome)
{
    using schedule::Plan;
    schedule::CalculatedPlans plans;
    if (outcome.stop)
        plans.unreachedReason = calculationFailureMessage(*outcome.stop);
    if (outcome.unreadable)
        return plans;
    const auto set = [&plans](Plan plan, const schedule::PlanTerms &terms) { plans.terms[std::size_t(plan)] = terms; };
    const CalculationTerms &terms = outcome.terms;
    const CalculatedFigures &f = outcome.figures;
    const double years = terms.loan1.years;

    if (outcome.reached(Step::Loan1Payment))
        set(Plan::Loan1,
            {terms.loan1.principal, f.loan1.annualRate, f.loan1.payment,
             ifReached(outcome, Step::Loan1Interest, f.loan1.totalInterest), years, terms.loan1.annualRatePercent});
    if (outcome.reached(Step::Loan2Payment))
        set(Plan::Loan2,
            {terms.loan2.principal, f.loan2.annualRate, f.loan2.payment,
             ifReached(outcome, Step::Loan2Interest, f.loan2.totalInterest), years, terms.loan2.annualRatePercent});
    if (outcome.reached(Step::BlendedPayment))
        set(Plan::BlendedLoan,
            {f.blend.totalPrincipal,
             f.blend.blendedNominalRate,
             f.blend.blendedPayment,
             ifReached(outcome, Step::BlendedInterest, f.blend.blendedInterest),
             years,
             {}});
    if (outcome.reached(Step::AverageRate) && outcome.reached(Step::CombinedPayment))
        set(Plan::CombinedAtAverageRate,
            {f.blend.totalPrincipal,
             f.blend.averageRate,
             f.blend.combinedPayment,
             ifReached(outcome, Step::AveragePayoff, f.blend.averagePayoffInterest),
             std::nullopt,
             {}});
    if (outcome.reached(Step::WeightedRate) && outcome.reached(Step::CombinedPayment))
        set(Plan::CombinedAtWeightedRate,
            {f.blend.totalPrincipal,
             f.blend.weightedRate,
             f.blend.combinedPayment,
             ifReached(outcome, Step::WeightedPayoff, f.blend.weightedPayoffInterest),
             std::nullopt,
             {}});
    return plans;
}

} // namespace commands
