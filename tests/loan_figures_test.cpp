// SPDX-License-Identifier: GPL-3.0-or-later
#include "expect_calc_error.h"
#include "expect_near_relative.h"
#include "loan/loan_figures.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using loan::CalcError;
using loan::CalcErrorKind;
using loan::Figure;
using loan::LoanFigures;
using loan::LoanTerms;

// Expected figures; a figure left empty is not checked by that row.
struct ExpectedFigures {
    std::optional<double> paymentCount, monthlyRate, payment, totalInterest, effectiveRatePercent, accumulatedValue;
};

struct LoanCase {
    const char *name;
    LoanTerms terms;
    ExpectedFigures expected;
};

const LoanCase loanCases[] = {
    {"default_loan_1",
     {355000, 2.99, 20},
     {240, 0.0024916666666666668, 1967.0448303881658, 117090.75929315982, 3.0313176978484124, 645079.79116396757}},
    {"default_loan_2",
     {140000, 4, 20},
     {240, {}, 848.37246101917322, 63609.390644601575, 4.0741542919790596, 311161.49217530026}},
    {"fractional_period", {10000, 6, 2.5}, {30, 0.005, 359.7891841382874, {}, {}, {}}},
    {"zero_principal", {0, 5, 10}, {120, {}, 0, 0, {}, 0}},
};

class LoanFiguresTest : public testing::TestWithParam<LoanCase> { };

void expectFigure(const std::optional<double> &expected, double actual, const char *what)
{
    if (expected)
        expectNearRelative(actual, *expected, what);
}

TEST_P(LoanFiguresTest, match_the_worked_figures)
{
    const LoanFigures figures = loan::computeLoanFigures(GetParam().terms);
    const ExpectedFigures &expected = GetParam().expected;
    expectFigure(expected.paymentCount, figures.paymentCount, "paymentCount");
    expectFigure(expected.monthlyRate, figures.monthlyRate, "monthlyRate");
    expectFigure(expected.payment, figures.payment, "payment");
    expectFigure(expected.totalInterest, figures.totalInterest, "totalInterest");
    expectFigure(expected.effectiveRatePercent, figures.effectiveRatePercent, "effectiveRatePercent");
    expectFigure(expected.accumulatedValue, figures.accumulatedValue, "accumulatedValue");
}

INSTANTIATE_TEST_SUITE_P(LoanFigures, LoanFiguresTest, testing::ValuesIn(loanCases), RowName{});

struct FailingLoan {
    const char *name;
    LoanTerms terms;
    CalcErrorKind kind;
    Figure figure;
};

const FailingLoan failingLoans[] = {
    // 0 / 0 in the payment, never principal / paymentCount.
    {"zero_rate", {355000, 0, 20}, CalcErrorKind::DivisionByZero, Figure::Payment},
    {"zero_period", {355000, 2.99, 0}, CalcErrorKind::DivisionByZero, Figure::Payment},
    {"principal_too_large_to_read",
     {std::numeric_limits<double>::infinity(), 2.99, 20},
     CalcErrorKind::Overflow,
     Figure::Payment},
    {"rate_too_large_to_read",
     {355000, std::numeric_limits<double>::infinity(), 20},
     CalcErrorKind::Overflow,
     Figure::AnnualRate},
    {"growth_beyond_range", {1000, 25, 1e6}, CalcErrorKind::Overflow, Figure::Growth},
    // A rate below -1200 % makes the monthly growth negative, and a half-month period a non-whole power of it.
    {"negative_growth_to_fractional_power", {1000, -1300, 1.0 / 24}, CalcErrorKind::InvalidArgument, Figure::Growth},
};

class FailingLoanTest : public testing::TestWithParam<FailingLoan> { };

TEST_P(FailingLoanTest, stops_with_the_kind_and_figure)
{
    expectCalcError([&] { loan::computeLoanFigures(GetParam().terms); }, GetParam().kind, GetParam().figure);
}

INSTANTIATE_TEST_SUITE_P(LoanFigures, FailingLoanTest, testing::ValuesIn(failingLoans), RowName{});

TEST(LoanSteps, keep_the_figures_of_steps_before_a_failure)
{
    loan::LoanSteps steps{{355000, 0, 20}};
    steps.annualRate();
    steps.paymentCount();
    steps.monthlyRate();
    steps.growth();
    EXPECT_THROW(steps.payment(), CalcError);
    EXPECT_EQ(steps.figures().paymentCount, 240);
    EXPECT_EQ(steps.figures().growth, 1);
}

TEST(LevelPayment, agrees_with_the_loan_steps)
{
    const LoanFigures figures = loan::computeLoanFigures({355000, 2.99, 20});
    EXPECT_EQ(loan::levelPayment(355000, figures.monthlyRate, figures.paymentCount), figures.payment);
    EXPECT_EQ(loan::totalInterestOf(figures.payment, figures.paymentCount, 355000), figures.totalInterest);
}

} // namespace
