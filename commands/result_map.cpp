// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_map.h"

#include "numtext/display_patterns.h"
#include "numtext/render.h"

#include <algorithm>
#include <stdexcept>

namespace commands {

namespace {

namespace pattern = numtext::pattern;
using F = const CalculatedFigures &;

constexpr ResultSpec resultTable[] = {
    {Field::Text4, Step::Loan1Payment, [](F f) { return f.loan1.payment; }, pattern::LoanMoney},
    {Field::Text8, Step::Loan1Interest, [](F f) { return f.loan1.totalInterest; }, pattern::LoanMoney},
    {Field::Text21, Step::Loan1EffectiveRate, [](F f) { return f.loan1.effectiveRatePercent; }, pattern::Rate},
    {Field::Text22, Step::Loan1AccumulatedValue, [](F f) { return f.loan1.accumulatedValue; },
     pattern::AccumulatedMoney},
    {Field::Text10, Step::Loan2Payment, [](F f) { return f.loan2.payment; }, pattern::LoanMoney},
    {Field::Text12, Step::Loan2Interest, [](F f) { return f.loan2.totalInterest; }, pattern::LoanMoney},
    {Field::Text66, Step::Loan2EffectiveRate, [](F f) { return f.loan2.effectiveRatePercent; }, pattern::Rate},
    {Field::Text13, Step::Loan2AccumulatedValue, [](F f) { return f.loan2.accumulatedValue; },
     pattern::AccumulatedMoney},
    {Field::Text14, Step::AverageRate, [](F f) { return f.blend.averageRatePercent; }, pattern::Rate},
    {Field::Text11, Step::WeightedRate, [](F f) { return f.blend.weightedRatePercent; }, pattern::Rate},
    {Field::Text15, Step::BlendedEffectiveRate, [](F f) { return f.blend.blendedEffectivePercent; }, pattern::Rate},
    {Field::Text5, Step::BlendedNominalRate, [](F f) { return f.blend.blendedNominalPercent; }, pattern::Rate},
    {Field::Text16, Step::BlendedNominalRate, [](F f) { return f.blend.totalPrincipal; }, pattern::BlendMoney},
    // The blended loan's rate is the comparison's blended rate as it reads, not rendered afresh.
    {Field::Text17, Step::BlendedNominalRate, nullptr, {}, Field::Text5},
    {Field::Text19, Step::BlendedPayment, [](F f) { return f.blend.blendedPayment; }, pattern::BlendMoney},
    {Field::Text20, Step::BlendedInterest, [](F f) { return f.blend.blendedInterest; }, pattern::BlendMoney},
    {Field::Text23, Step::BlendedInterest, [](F f) { return f.blend.blendedInterest; }, pattern::BlendMoney},
    {Field::Text26, Step::CombinedPayment, [](F f) { return f.blend.combinedPayment; }, pattern::BlendMoney},
    {Field::Text27, Step::CombinedInterest, [](F f) { return f.blend.combinedInterest; }, pattern::LoanMoney},
    {Field::Text31, Step::CombinedInterest, [](F f) { return f.blend.blendedPayment; }, pattern::BlendMoney},
    {Field::Text32, Step::CombinedInterest, [](F f) { return f.blend.combinedPayment; }, pattern::BlendMoney},
    {Field::Text33, Step::CombinedInterest, [](F f) { return f.blend.combinedPayment; }, pattern::BlendMoney},
    {Field::Text24, Step::AveragePayoff, [](F f) { return f.blend.averagePayoffInterest; }, pattern::BlendMoney},
    {Field::Text29, Step::AveragePayoff, [](F f) { return f.blend.averagePayoffYears; }, pattern::Years},
    {Field::Text25, Step::WeightedPayoff, [](F f) { return f.blend.weightedPayoffInterest; }, pattern::BlendMoney},
    {Field::Text30, Step::WeightedPayoff, [](F f) { return f.blend.weightedPayoffYears; }, pattern::Years},
};

static_assert(std::size(resultTable) == 26, "every result field has one row");

} // namespace

std::span<const ResultSpec> resultFields()
{
    return resultTable;
}

namespace {

const ResultSpec &specOf(Field field)
{
    const auto spec = std::find_if(std::begin(resultTable), std::end(resultTable),
                                   [field](const ResultSpec &row) { return row.field == field; });
    if (spec == std::end(resultTable))
        throw std::out_of_range("not a result field");
    return *spec;
}

} // namespace

std::optional<double> resultValue(const CalculationOutcome &outcome, Field field)
{
    const ResultSpec &spec = specOf(field);
    if (!outcome.reached(spec.step) || outcome.unreadable)
        return std::nullopt;
    return spec.repeats ? resultValue(outcome, *spec.repeats) : spec.figure(outcome.figures);
}

Field firstFieldOf(Step step)
{
    const auto spec = std::find_if(std::begin(resultTable), std::end(resultTable),
                                   [step](const ResultSpec &row) { return row.step == step; });
    if (spec == std::end(resultTable)) // every step writes a field, as the table shows
        throw std::out_of_range("a step that writes no field");
    return spec->field;
}

std::string resultText(const CalculationOutcome &outcome, Field field, const numtext::LocaleMarks &marks)
{
    const ResultSpec &spec = specOf(field);
    if (!outcome.reached(spec.step))
        return {};
    if (spec.repeats)
        return resultText(outcome, *spec.repeats, marks);
    return numtext::render(spec.figure(outcome.figures), spec.pattern, marks);
}

} // namespace commands
