// SPDX-License-Identifier: GPL-3.0-or-later
#include "default_run.h"
#include "expect_calc_error.h"
#include "expect_near_relative.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

using loan::BlendFigures;
using loan::CalcError;
using loan::CalcErrorKind;
using loan::Figure;
using loan::LoanTerms;

BlendFigures blendOf(const LoanTerms &terms1, const LoanTerms &terms2)
{
    return loan::computeBlend(outcomeOf(terms1), outcomeOf(terms2), terms1.years);
}

struct ExpectedBlendFigure {
    const char *name;
    double BlendFigures::*figure;
    double expected;
};

const ExpectedBlendFigure defaultBlend[] = {
    {"averageRatePercent", &BlendFigures::averageRatePercent, 3.495},
    {"averageRate", &BlendFigures::averageRate, 0.03495},
    {"weightedRatePercent", &BlendFigures::weightedRatePercent, 3.2756565656565657},
    {"totalPrincipal", &BlendFigures::totalPrincipal, 495000},
    {"totalAccumulated", &BlendFigures::totalAccumulated, 956241.28333926783},
    {"blendedEffectivePercent", &BlendFigures::blendedEffectivePercent, 3.3470571727373111},
    {"blendedNominalPercent", &BlendFigures::blendedNominalPercent, 3.2967829152795503},
    {"blendedPayment", &BlendFigures::blendedPayment, 2819.3800432974194},
    {"blendedInterest", &BlendFigures::blendedInterest, 181651.21039138071},
    {"combinedPayment", &BlendFigures::combinedPayment, 2815.4172914073388},
    {"combinedInterest", &BlendFigures::combinedInterest, 180700.14993776139},
    {"averagePayoffMonths", &BlendFigures::averagePayoffMonths, 246.73834980253838},
    {"averagePayoffInterest", &BlendFigures::averagePayoffInterest, 199671.41648737912},
    {"averagePayoffYears", &BlendFigures::averagePayoffYears, 20.56152915021153},
    {"weightedPayoffMonths", &BlendFigures::weightedPayoffMonths, 239.83733510412159},
    {"weightedPayoffInterest", &BlendFigures::weightedPayoffInterest, 180242.18037720025},
    {"weightedPayoffYears", &BlendFigures::weightedPayoffYears, 19.986444592010134},
};

TEST(DefaultBlend, matches_the_worked_figures)
{
    const BlendFigures blend = blendOf(defaultLoan1, defaultLoan2);
    for (const auto &row : defaultBlend)
        expectNearRelative(blend.*row.figure, row.expected, row.name);
}

TEST(DefaultBlend, accumulated_values_grow_from_the_total_principal_at_the_blended_effective_rate)
{
    const BlendFigures blend = blendOf(defaultLoan1, defaultLoan2);
    expectNearRelative(blend.totalPrincipal * std::pow(1 + blend.blendedEffectiveRate, 20), blend.totalAccumulated,
                       "grown total principal");
}

TEST(EqualRates, make_the_three_rates_and_both_payments_agree)
{
    const BlendFigures blend = blendOf({200000, 5, 25}, {100000, 5, 25});
    EXPECT_NEAR(blend.averageRatePercent, 5, 1e-12);
    EXPECT_NEAR(blend.weightedRatePercent, 5, 1e-12);
    EXPECT_NEAR(blend.blendedNominalPercent, 5, 1e-12);
    EXPECT_NEAR(blend.blendedPayment, blend.combinedPayment, 1e-9);
    EXPECT_NEAR(blend.averagePayoffMonths, 300, 1e-9);
    EXPECT_NEAR(blend.weightedPayoffMonths, 300, 1e-9);
}

struct FailingBlend {
    const char *name;
    LoanTerms terms1;
    LoanTerms terms2;
    CalcErrorKind kind;
    Figure figure;
};

const FailingBlend failingBlends[] = {
    {"zero_total_principal", {0, 5, 10}, {0, 4, 10}, CalcErrorKind::DivisionByZero, Figure::WeightedRate},
    // A month's interest at 13 % on 10010000 is about 108000, far above the combined payment of about 23000.
    {"combined_payment_never_repays_at_average_rate",
     {10000, 25, 50},
     {10000000, 1, 50},
     CalcErrorKind::InvalidArgument,
     Figure::AveragePayoff},
    // Accumulated values of opposite signs make the growth ratio negative, with no real root.
    {"negative_growth_ratio",
     {-100000, 5, 10},
     {50000, 20, 10},
     CalcErrorKind::InvalidArgument,
     Figure::BlendedEffectiveRate},
};

class FailingBlendTest : public testing::TestWithParam<FailingBlend> { };

TEST_P(FailingBlendTest, stops_with_the_kind_and_figure)
{
    expectCalcError([&] { blendOf(GetParam().terms1, GetParam().terms2); }, GetParam().kind, GetParam().figure);
}

INSTANTIATE_TEST_SUITE_P(BlendFigures, FailingBlendTest, testing::ValuesIn(failingBlends), RowName{});

TEST(BlendSteps, reach_every_figure_before_the_failing_payoff)
{
    loan::BlendSteps steps{outcomeOf({10000, 25, 50}), outcomeOf({10000000, 1, 50}), 50};
    steps.averageRate();
    steps.weights();
    steps.weightedRate();
    steps.totals();
    steps.blendedEffectiveRate();
    steps.blendedNominalRate();
    steps.blendedPayment();
    steps.blendedInterest();
    steps.combinedPayment();
    steps.combinedInterest();
    EXPECT_THROW(steps.averagePayoff(), CalcError);
    EXPECT_EQ(steps.figures().totalPrincipal, 10010000);
    EXPECT_GT(steps.figures().combinedPayment, 0);
}

struct FailingPayoff {
    const char *name;
    double rate;
    CalcErrorKind kind;
};

const FailingPayoff failingPayoffs[] = {
    {"zero_rate", 0, CalcErrorKind::DivisionByZero},
    {"interest_exactly_the_payment", 0.12, CalcErrorKind::InvalidArgument},
    {"interest_above_the_payment", 0.24, CalcErrorKind::InvalidArgument},
};

class FailingPayoffTest : public testing::TestWithParam<FailingPayoff> { };

TEST_P(FailingPayoffTest, names_the_payoff_it_was_asked_for)
{
    // 1000 a month against 100000: a month's interest is 1000 at 12 %.
    expectCalcError([&] { loan::payoffMonths(GetParam().rate, 100000, 1000, Figure::WeightedPayoff); }, GetParam().kind,
                    Figure::WeightedPayoff);
}

INSTANTIATE_TEST_SUITE_P(PayoffMonths, FailingPayoffTest, testing::ValuesIn(failingPayoffs), RowName{});

} // namespace
