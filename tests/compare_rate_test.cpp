// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comparison.h"
#include "row_name.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using compare::CashFlow;

std::vector<CashFlow> level(double amount, int from, int to)
{
    std::vector<CashFlow> flows;
    for (int period = from; period <= to; ++period)
        flows.push_back({amount, period});
    return flows;
}

std::vector<CashFlow> operator+(std::vector<CashFlow> a, const std::vector<CashFlow> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct RateCase {
    const char *name;
    double advanced;
    std::vector<CashFlow> flows;
    int periodsPerYear;
    std::optional<double> nominalPercent; // to 2 decimals
    double effectivePercent = 0; // to 2 decimals
};

// The APRs of 5,000 repaid monthly are the published examples of US Regulation Z, Appendix J (c)(1)(i),
// (c)(2)(i) and (c)(3)(i); the yearly one is example 3 of Annex III to EU Directive 98/7/EC. The effective
// rates were worked out apart, by bisection in Python.
const RateCase rateCases[] = {
    {"regulation_z_24_payments_of_230", 5000, level(230, 1, 24), 12, 9.69, 10.13},
    {"regulation_z_larger_first_payment", 5000, level(250, 1, 1) + level(230, 2, 24), 12, 10.08, 10.56},
    {"regulation_z_larger_last_payment", 5000, level(230, 1, 23) + level(280, 24, 24), 12, 10.50, 11.02},
    {"regulation_z_flows_listed_backwards", 5000, level(280, 24, 24) + level(230, 1, 23), 12, 10.50, 11.02},
    {"eu_two_yearly_payments_of_600", 1000, level(600, 1, 2), 1, 13.07, 13.07},
    {"payments_summing_to_the_advance_cost_nothing", 1000, level(250, 1, 4), 12, 0, 0},
    {"a_hundred_percent_a_period_is_still_solved", 1000, level(2000, 1, 1), 1, 100, 100},
    {"eighty_percent_a_period_above_the_middle_of_the_bracket", 1000, level(1800, 1, 1), 1, 80, 80},
    {"payments_summing_to_less_than_the_advance", 1000, level(99.99, 1, 10), 12, std::nullopt},
    {"needing_more_than_a_hundred_percent_a_period", 1000, level(2000.01, 1, 1), 1, std::nullopt},
    {"an_amount_that_is_not_a_number", 1000, level(NAN, 1, 2), 12, std::nullopt},
    {"no_periods_in_a_year", 1000, level(600, 1, 2), 0, std::nullopt},
};

class RateTest : public testing::TestWithParam<RateCase> { };

TEST_P(RateTest, matches_the_published_figure)
{
    const RateCase &c = GetParam();
    const auto rate = compare::solveRate(c.advanced, c.flows, c.periodsPerYear);
    ASSERT_EQ(rate.has_value(), c.nominalPercent.has_value());
    if (rate) {
        EXPECT_DOUBLE_EQ(std::round(rate->nominalPercent * 100) / 100, *c.nominalPercent);
        EXPECT_DOUBLE_EQ(std::round(rate->effectivePercent * 100) / 100, c.effectivePercent);
    }
}

INSTANTIATE_TEST_SUITE_P(SolveRate, RateTest, testing::ValuesIn(rateCases), RowName{});

// 1000 = 600 v + 600 v^2 has the root v = (sqrt(2,760,000) - 600) / 1200, here to 19 digits. The solver stops
// only with no double left between its bounds, so it agrees to the rounding of its sum: a few units in the last
// place (2.8e-17 here), where a tolerance on the step would stop short.
TEST(SolveRate, runs_until_no_double_lies_between_its_bounds)
{
    const auto rate = compare::solveRate(1000, level(600, 1, 2), 1);
    ASSERT_TRUE(rate);
    EXPECT_NEAR(rate->periodic, 0.1306623862918074853, 2e-16);
}

} // namespace
