// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"

#include <algorithm>
#include <stdexcept>

namespace commands {

namespace {

// The arithmetic of one run. Loan 2 runs over loan 1's period, whatever its own terms say. The blend starts from
// both loans' finished figures, so it is made when its first step comes.
struct Run {
    explicit Run(const CalculationTerms &terms)
        : loan1(terms.loan1)
        , loan2({terms.loan2.principal, terms.loan2.annualRatePercent, terms.loan1.years})
    { }

    void startBlend()
    {
        blend.emplace(loan::LoanOutcome{loan1.terms(), loan1.figures()},
                      loan::LoanOutcome{loan2.terms(), loan2.figures()}, loan1.terms().years);
    }

    loan::LoanSteps loan1;
    loan::LoanSteps loan2;
    std::optional<loan::BlendSteps> blend;
};

void payment(loan::LoanSteps &steps)
{
    steps.annualRate();
    steps.paymentCount();
    steps.monthlyRate();
    steps.growth();
    steps.payment();
}

struct StepAction {
    Step step;
    void (*run)(Run &run);
};

// The steps in the order they run: this table, not the numbering of Step, decides it.
constexpr StepAction stepActions[] = {
    {Step::Loan1Payment, [](Run &r) { payment(r.loan1); }},
    {Step::Loan1Interest, [](Run &r) { r.loan1.totalInterest(); }},
    {Step::Loan1EffectiveRate, [](Run &r) { r.loan1.effectiveRate(); }},
    {Step::Loan1AccumulatedValue, [](Run &r) { r.loan1.accumulatedValue(); }},
    {Step::Loan2Payment, [](Run &r) { payment(r.loan2); }},
    {Step::Loan2Interest, [](Run &r) { r.loan2.totalInterest(); }},
    {Step::Loan2EffectiveRate, [](Run &r) { r.loan2.effectiveRate(); }},
    {Step::Loan2AccumulatedValue, [](Run &r) { r.loan2.accumulatedValue(); }},
    {Step::AverageRate,
     [](Run &r) {
         r.startBlend();
         r.blend->averageRate();
     }},
    {Step::WeightedRate,
     [](Run &r) {
         r.blend->weights();
         r.blend->weightedRate();
     }},
    {Step::BlendedEffectiveRate,
     [](Run &r) {
         r.blend->totals();
         r.blend->blendedEffectiveRate();
     }},
    {Step::BlendedNominalRate, [](Run &r) { r.blend->blendedNominalRate(); }},
    {Step::BlendedPayment, [](Run &r) { r.blend->blendedPayment(); }},
    {Step::BlendedInterest, [](Run &r) { r.blend->blendedInterest(); }},
    {Step::CombinedPayment, [](Run &r) { r.blend->combinedPayment(); }},
    {Step::CombinedInterest, [](Run &r) { r.blend->combinedInterest(); }},
    {Step::AveragePayoff, [](Run &r) { r.blend->averagePayoff(); }},
    {Step::WeightedPayoff, [](Run &r) { r.blend->weightedPayoff(); }},
};

static_assert(std::size(stepActions) == stepCount, "every step runs once");

} // namespace

Subject subjectOf(Step step)
{
    switch (step) {
    case Step::Loan1Payment:
    case Step::Loan1Interest:
    case Step::Loan1EffectiveRate:
    case Step::Loan1AccumulatedValue:
        return Subject::Loan1;
    case Step::Loan2Payment:
    case Step::Loan2Interest:
    case Step::Loan2EffectiveRate:
    case Step::Loan2AccumulatedValue:
        return Subject::Loan2;
    case Step::AverageRate:
    case Step::WeightedRate:
    case Step::BlendedEffectiveRate:
    case Step::BlendedNominalRate:
    case Step::BlendedPayment:
    case Step::BlendedInterest:
    case Step::CombinedPayment:
    case Step::CombinedInterest:
    case Step::AveragePayoff:
    case Step::WeightedPayoff:
        break;
    }
    return Subject::Blend;
}

const std::string &CalculationOutcome::inputText(Field field) const
{
    const auto input = std::find(inputFields.begin(), inputFields.end(), field);
    if (input == inputFields.end())
        throw std::out_of_range("not an input field");
    return inputTexts[std::size_t(input - inputFields.begin())];
}

double CalculationOutcome::inputValue(Field field) const
{
    switch (field) {
    case Field::Text1:
        return terms.loan1.principal;
    case Field::Text2:
        return terms.loan1.annualRatePercent;
    case Field::Text3:
        return terms.loan1.years;
    case Field::Text6:
        return terms.loan2.principal;
    case Field::Text7:
        return terms.loan2.annualRatePercent;
    default:
        break;
    }
    throw std::out_of_range("not an input field");
}

void calculate(CalculationOutcome &outcome, const std::function<void(const CalculationOutcome &, Step)> &stepDone)
{
    Run run{outcome.terms};
    for (const StepAction &action : stepActions) {
        try {
            action.run(run);
        } catch (const loan::CalcError &error) {
            outcome.stop.emplace(CalculationStop{error, action.step});
            return;
        }
        outcome.figures.loan1 = run.loan1.figures();
        outcome.figures.loan2 = run.loan2.figures();
        if (run.blend)
            outcome.figures.blend = run.blend->figures();
        outcome.done.set(std::size_t(action.step));
        if (stepDone)
            stepDone(outcome, action.step);
    }
}

CalculationOutcome calculate(const CalculationTerms &terms)
{
    CalculationOutcome outcome;
    outcome.terms = terms;
    calculate(outcome);
    return outcome;
}

} // namespace commands
