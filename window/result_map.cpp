// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_map.h"

#include "numtext/display_patterns.h"

namespace window {

namespace {

namespace pattern = numtext::pattern;
using F = const CalculatedFigures &;

constexpr ResultSpec resultTable[] = {
    {Field::Text4, Stage::Loan1Payment, [](F f) { return f.loan1.payment; }, pattern::LoanMoney},
    {Field::Text8, Stage::Loan1Interest, [](F f) { return f.loan1.totalInterest; }, pattern::LoanMoney},
    {Field::Text21, Stage::Loan1EffectiveRate, [](F f) { return f.loan1.effectiveRatePercent; }, pattern::Rate},
    {Field::Text22, Stage::Loan1AccumulatedValue, [](F f) { return f.loan1.accumulatedValue; },
     pattern::AccumulatedMoney},
    {Field::Text10, Stage::Loan2Payment, [](F f) { return f.loan2.payment; }, pattern::LoanMoney},
    {Field::Text12, Stage::Loan2Interest, [](F f) { return f.loan2.totalInterest; }, pattern::LoanMoney},
    {Field::Text66, Stage::Loan2EffectiveRate, [](F f) { return f.loan2.effectiveRatePercent; }, pattern::Rate},
    {Field::Text13, Stage::Loan2AccumulatedValue, [](F f) { return f.loan2.accumulatedValue; },
     pattern::AccumulatedMoney},
    {Field::Text14, Stage::AverageRate, [](F f) { return f.blend.averageRatePercent; }, pattern::Rate},
    {Field::Text11, Stage::WeightedRate, [](F f) { return f.blend.weightedRatePercent; }, pattern::Rate},
    {Field::Text15, Stage::BlendedEffectiveRate, [](F f) { return f.blend.blendedEffectivePercent; }, pattern::Rate},
    {Field::Text5, Stage::BlendedNominalRate, [](F f) { return f.blend.blendedNominalPercent; }, pattern::Rate},
    {Field::Text16, Stage::BlendedNominalRate, [](F f) { return f.blend.totalPrincipal; }, pattern::BlendMoney},
    // The blended loan's rate is the comparison's blended rate as it reads, not rendered afresh.
    {Field::Text17, Stage::BlendedNominalRate, nullptr, {}, Field::Text5},
    {Field::Text19, Stage::BlendedPayment, [](F f) { return f.blend.blendedPayment; }, pattern::BlendMoney},
    {Field::Text20, Stage::BlendedInterest, [](F f) { return f.blend.blendedInterest; }, pattern::BlendMoney},
    {Field::Text23, Stage::BlendedInterest, [](F f) { return f.blend.blendedInterest; }, pattern::BlendMoney},
    {Field::Text26, Stage::CombinedPayment, [](F f) { return f.blend.combinedPayment; }, pattern::BlendMoney},
    {Field::Text27, Stage::CombinedInterest, [](F f) { return f.blend.combinedInterest; }, pattern::LoanMoney},
    {Field::Text31, Stage::CombinedInterest, [](F f) { return f.blend.blendedPayment; }, pattern::BlendMoney},
    {Field::Text32, Stage::CombinedInterest, [](F f) { return f.blend.combinedPayment; }, pattern::BlendMoney},
    {Field::Text33, Stage::CombinedInterest, [](F f) { return f.blend.combinedPayment; }, pattern::BlendMoney},
    {Field::Text24, Stage::AveragePayoff, [](F f) { return f.blend.averagePayoffInterest; }, pattern::BlendMoney},
    {Field::Text29, Stage::AveragePayoff, [](F f) { return f.blend.averagePayoffYears; }, pattern::Years},
    {Field::Text25, Stage::WeightedPayoff, [](F f) { return f.blend.weightedPayoffInterest; }, pattern::BlendMoney},
    {Field::Text30, Stage::WeightedPayoff, [](F f) { return f.blend.weightedPayoffYears; }, pattern::Years},
};

static_assert(std::size(resultTable) == 26, "every result field has one row");

} // namespace

std::span<const ResultSpec> resultFields()
{
    return resultTable;
}

} // namespace window
