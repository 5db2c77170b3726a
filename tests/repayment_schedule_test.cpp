// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/failure_messages.h"
#include "default_run.h"
#include "interest_ties.h"
#include "row_name.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <tuple>

namespace {

using schedule::Cents;
using schedule::Plan;
using schedule::PlanTerms;

constexpr schedule::Month january2026{2026, 1};

// Level payments until the one that clears the balance to 0; each payment less its interest is its principal;
// the principal repaid is the principal; the totals are the sums; no more payments than the period holds.
void expectSound(const schedule::Schedule &s, const PlanTerms &terms)
{
    ASSERT_FALSE(s.payments.empty());
    Cents paid = 0, interest = 0, repaid = 0;
    for (const auto &row : s.payments) {
        EXPECT_TRUE(&row == &s.payments.back() || row.amount == schedule::toCents(terms.payment)) << row.number;
        EXPECT_EQ(row.amount - row.interest, row.principal);
        EXPECT_EQ(row.month, schedule::addMonths(january2026, row.number - 1));
        paid += row.amount;
        interest += row.interest;
        repaid += row.principal;
    }
    EXPECT_EQ(s.payments.back().balance, 0);
    EXPECT_EQ(repaid, schedule::toCents(terms.principal));
    EXPECT_EQ(std::tuple(paid, interest), std::tuple(s.totalPaid, s.totalInterest));
    EXPECT_LE(s.payments.size(), terms.years ? std::size_t(std::ceil(*terms.years * 12 - 1e-9)) : 1200u);
}

TEST(BuildSchedule, keeps_its_invariants_over_random_terms)
{
    std::mt19937_64 random{20261208};
    std::uniform_real_distribution<double> unit;
    int listed = 0;
    for (int i = 0; i < 4000; ++i) {
        const double principal = std::pow(10, -1 + 16 * unit(random)); // 0.1 to 1e15
        const double rate = 0.001 + 0.3 * unit(random);
        const double years = 0.05 + 60 * unit(random); // mostly not whole
        const double payment = loan::levelPayment(principal, rate / 12, years * 12);
        const bool combined = i % 2 == 1; // paying 0.9 to 1.9 times the level payment, until repaid
        const PlanTerms terms{principal,
                              rate,
                              combined ? payment * (0.9 + unit(random)) : payment,
                              0,
                              combined ? std::nullopt : std::optional(years),
                              {}};
        const auto s
            = schedule::buildSchedule(combined ? Plan::CombinedAtWeightedRate : Plan::Loan2, terms, january2026);
        SCOPED_TRACE(testing::Message() << "row " << i << ": " << principal << " at " << rate);
        listed += s.listed() ? 1 : 0;
        if (s.listed())
            expectSound(s, terms);
    }
    EXPECT_GT(listed, 3000);
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Either listed with `payments` payments, or not listed for a reason that holds `reasonHolds`.
struct TermsCase {
    const char *name;
    Plan plan;
    PlanTerms terms;
    std::size_t payments;
    const char *reasonHolds = nullptr;
};

// 10000 at 6 % with the level payment for the period.
PlanTerms over(double years)
{
    return {10000, 0.06, loan::levelPayment(10000, 0.005, years * 12), 0, years, {}};
}

const TermsCase termsCases[] = {
    {"a_hair_over_whole_years_is_still_whole", Plan::BlendedLoan, over(20.000000000000004), 240},
    {"part_of_a_month_more_adds_a_payment", Plan::BlendedLoan, over(2.04), 25},
    {"principal_under_half_a_cent", Plan::Loan1, {0.004, 0.05, 100, 0, 10, {}}, 0, "principal"},
    {"nan_principal", Plan::Loan1, {nan, 0.05, 100, 0, 10, {}}, 0, "principal"},
    {"principal_beyond_64_bit_cents", Plan::Loan1, {1e300, 0.05, 1e300, 0, 10, {}}, 0, "to the cent"},
    {"nan_rate", Plan::CombinedAtAverageRate, {1000, nan, 100, 0, {}, {}}, 0, "rate"},
    {"interest_beyond_64_bit_cents", Plan::CombinedAtAverageRate, {1e6, 1e300, 100, 0, {}, {}}, 0, "never repaid"},
    {"payment_rounding_to_no_cent", Plan::Loan1, {1000, 0.05, 0.004, 0, 10, {}}, 0, "payment"},
    {"payment_equal_to_the_interest", Plan::CombinedAtAverageRate, {1200, 0.12, 12, 0, {}, {}}, 0, "never repaid"},
    {"combined_over_100_years", Plan::CombinedAtAverageRate, {100000, 0.012, 100.01, 0, {}, {}}, 0, "1,200"},
    {"period_over_100_years", Plan::Loan1, {1000, 0.05, 10, 0, 100.1, {}}, 0, "1,200"},
    {"nan_period", Plan::Loan1, {1000, 0.05, 10, 0, nan, {}}, 0, "period"},
    // One payment of 9e18 cents plus a month's interest of 4.5e18.
    {"last_payment_beyond_64_bit_cents", Plan::Loan1, {9e16, 6, 1e16, 0, 1.0 / 12, {}}, 0, "to the cent"},
    // Above 2^53 cents a double no longer holds every cent of a balance, so a month's interest could be a cent off.
    {"principal_above_2_53_cents", Plan::Loan2, {1e15, 0.2057, 2e13, 0, 36.7, {}}, 0, "too large to list to the cent"},
    {"principal_at_2_53_cents",
     Plan::Loan2,
     {90071992547409.92, 0.05, loan::levelPayment(90071992547409.92, 0.05 / 12, 12), 0, 1, {}},
     12},
};

class TermsTest : public testing::TestWithParam<TermsCase> { };

TEST_P(TermsTest, list_the_payments_or_say_why_not)
{
    const TermsCase &c = GetParam();
    const auto s = schedule::buildSchedule(c.plan, c.terms, january2026);
    EXPECT_EQ(s.payments.size(), c.payments);
    if (c.reasonHolds) {
        EXPECT_NE(s.notListedReason.find(c.reasonHolds), std::string::npos) << s.notListedReason;
    } else {
        expectSound(s, c.terms);
    }
}

INSTANTIATE_TEST_SUITE_P(BuildSchedule, TermsTest, testing::ValuesIn(termsCases), RowName{});

using Row = std::tuple<int, int, int, Cents, Cents, Cents, Cents>; // number, year, month, then the cents

Row rowOf(const schedule::Payment &p)
{
    return {p.number, p.month.year, p.month.month, p.amount, p.interest, p.principal, p.balance};
}

// Each month's interest is the balance times the monthly rate, rounded half away from zero, not to even.
struct InterestCase {
    const char *name;
    double principal; // currency units
    double annualRate;
    Cents firstInterest;
};

const InterestCase interestCases[] = {
    {"half_a_cent_rounds_up", 1.00, 0.06, 1}, // 100 cents at 0.5 % a month
    {"one_and_a_half_cents_rounds_up", 3.00, 0.06, 2},
    {"just_under_half_a_cent_rounds_down", 0.99, 0.06, 0},
};

class InterestTest : public testing::TestWithParam<InterestCase> { };

TEST_P(InterestTest, rounds_each_month_half_away_from_zero)
{
    const InterestCase &c = GetParam();
    const auto s = schedule::buildSchedule(Plan::CombinedAtAverageRate, {c.principal, c.annualRate, 0.5, 0, {}, {}},
                                           january2026);
    ASSERT_FALSE(s.payments.empty()) << s.notListedReason;
    EXPECT_EQ(s.payments.front().interest, c.firstInterest);
}

INSTANTIATE_TEST_SUITE_P(BuildSchedule, InterestTest, testing::ValuesIn(interestCases), RowName{});

class TypedRateTest : public testing::TestWithParam<FirstInterest> { };

// A loan whose rate was typed takes its interest on the typed decimal, over 1200.
TEST_P(TypedRateTest, earns_the_exact_half_cent_rounded_up)
{
    const FirstInterest &c = GetParam();
    const double principal = double(c.balance) / 100;
    const double rate = c.ratePercent / 100;
    const PlanTerms terms{principal, rate, loan::levelPayment(principal, rate / 12, 360), 0, 30, c.ratePercent};
    const auto s = schedule::buildSchedule(Plan::Loan1, terms, january2026);
    ASSERT_FALSE(s.payments.empty()) << s.notListedReason;
    EXPECT_EQ(s.payments.front().interest, c.interest);
    expectSound(s, terms);
}

INSTANTIATE_TEST_SUITE_P(BuildSchedule, TypedRateTest, testing::ValuesIn(firstInterests), RowName{});

// 100.00 at 1.14 % earns 0.095 in its first month. The calculation holds the rate as 1.14 / 100, which is
// 0.011399999999999999; the plan reads the typed 1.14.
TEST(PlansReached, give_the_loans_their_typed_rates)
{
    const auto plans = plansOf({100, 1.14, 1}, defaultLoan2);
    ASSERT_TRUE(plans.of(Plan::Loan1));
    const auto s = schedule::buildSchedule(Plan::Loan1, *plans.of(Plan::Loan1), january2026);
    ASSERT_FALSE(s.payments.empty()) << s.notListedReason;
    EXPECT_EQ(s.payments.front().interest, 10);
}

// The README reconciles the schedules with the window's figures on this loan: the schedule's interest lies
// $40,853.98 below the window's total, the payment having been rounded down a cent.
TEST(BuildSchedule, keeps_the_readmes_reconciliation)
{
    const auto plans = plansOf({10'000'000, 25, 50}, {10'000'000, 25, 50});
    const auto s = schedule::buildSchedule(Plan::Loan1, *plans.of(Plan::Loan1), january2026);
    EXPECT_EQ(schedule::interestDifference(s), -4'085'398);
}

struct ExpectedPlan {
    Plan plan;
    std::size_t payments;
    Row first, last;
    Cents totalInterest, interestDifference;
};

// Computed once with a Python script, independent of the library: the loan and blend formulas in the same order
// of operations (Python floats are the same doubles, over the same libm), then these rules with every rounding
// done by decimal.Decimal (ROUND_HALF_UP; principal and payment on repr(), each month's interest on the exact
// double product). The CSV hashes in schedules_csv_test.cpp come from the same script.
const ExpectedPlan startingPlans[] = {
    {Plan::Loan1,
     240,
     {1, 2026, 1, 196704, 88454, 108250, 35391750},
     {240, 2045, 12, 196869, 489, 196380, 0},
     11709125,
     49},
    {Plan::Loan2, 240, {1, 2026, 1, 84837, 46667, 38170, 13961830}, {240, 2045, 12, 84918, 282, 84636, 0}, 6360961, 22},
    {Plan::BlendedLoan,
     240,
     {1, 2026, 1, 281938, 135992, 145946, 49354054},
     {240, 2045, 12, 281942, 772, 281170, 0},
     18165124,
     3},
    {Plan::CombinedAtAverageRate,
     247,
     {1, 2026, 1, 281542, 144169, 137373, 49362627},
     {247, 2046, 7, 207852, 604, 207248, 0},
     19967184,
     42},
    {Plan::CombinedAtWeightedRate,
     240,
     {1, 2026, 1, 281542, 135121, 146421, 49353579},
     {240, 2045, 12, 235700, 642, 235058, 0},
     18024238,
     20},
};

TEST(StartingInputs, give_the_independently_computed_schedules)
{
    // Loan 2's own period is not read: both loans run over loan 1's 20 years.
    const auto plans = plansOf(defaultLoan1, {140000, 4, 7});
    ASSERT_EQ(plans.unreachedReason, "");
    const auto schedules = schedule::buildSchedules(plans, january2026);
    for (const ExpectedPlan &expected : startingPlans) {
        const auto &s = schedules[std::size_t(expected.plan)];
        SCOPED_TRACE(schedule::planName(expected.plan));
        ASSERT_EQ(s.payments.size(), expected.payments);
        EXPECT_EQ(rowOf(s.payments.front()), expected.first);
        EXPECT_EQ(rowOf(s.payments.back()), expected.last);
        EXPECT_EQ(s.totalInterest, expected.totalInterest);
        EXPECT_EQ(schedule::interestDifference(s), expected.interestDifference);
        EXPECT_EQ(schedule::finalPayment(s), std::get<3>(expected.last));
        EXPECT_EQ(schedule::payoffMonth(s), s.payments.back().month);
    }
}

// Where the calculation stops, the plans whose defining figures it reached keep their terms (their schedules may
// still find them unlistable); the others say why it stopped.
struct Stop {
    const char *name;
    loan::LoanTerms loan1, loan2;
    commands::Step step;
    loan::Figure figure;
    std::vector<Plan> defined;
};

using commands::Step;

const Stop stops[] = {
    {"loan_1_at_zero_rate", {1000, 0, 10}, {1000, 5, 10}, Step::Loan1Payment, loan::Figure::Payment, {}},
    {"loan_2_at_zero_rate", {1000, 5, 10}, {1000, 0, 10}, Step::Loan2Payment, loan::Figure::Payment, {Plan::Loan1}},
    {"never_repaid_at_the_average_rate",
     {10000, 25, 50},
     {10000000, 1, 50},
     Step::AveragePayoff,
     loan::Figure::AveragePayoff,
     {Plan::Loan1, Plan::Loan2, Plan::BlendedLoan, Plan::CombinedAtAverageRate, Plan::CombinedAtWeightedRate}},
    // The weighted plan repays in 274 months though the average one never does: its rate and payment were reached.
    {"weighted_plan_kept_when_the_average_never_repays",
     {8573706, 5.01, 27.2},
     {5308443, 18.70, 27.2},
     Step::AveragePayoff,
     loan::Figure::AveragePayoff,
     {Plan::Loan1, Plan::Loan2, Plan::BlendedLoan, Plan::CombinedAtAverageRate, Plan::CombinedAtWeightedRate}},
    {"blended_rate_of_opposite_signs",
     {1000, 1, 10},
     {-900, 25, 10},
     Step::BlendedEffectiveRate,
     loan::Figure::BlendedEffectiveRate,
     {Plan::Loan1, Plan::Loan2}},
};

class StopTest : public testing::TestWithParam<Stop> { };

TEST_P(StopTest, keeps_the_plans_reached_and_gives_the_others_the_windows_reason)
{
    const auto outcome = commands::calculate(commands::CalculationTerms{GetParam().loan1, GetParam().loan2});
    ASSERT_TRUE(outcome.stop);
    EXPECT_EQ(outcome.stop->step, GetParam().step);
    EXPECT_EQ(outcome.stop->error.figure(), GetParam().figure);
    const auto plans = commands::plansReached(outcome);
    EXPECT_EQ(plans.unreachedReason, commands::calculationFailureMessage(*outcome.stop));
    const auto schedules = schedule::buildSchedules(plans, january2026);
    for (const Plan plan : schedule::allPlans) {
        const bool defined = std::ranges::count(GetParam().defined, plan) == 1;
        EXPECT_EQ(plans.of(plan).has_value(), defined) << schedule::planName(plan);
        EXPECT_EQ(schedules[std::size_t(plan)].notListedReason == plans.unreachedReason, !defined)
            << schedule::planName(plan);
    }
}

// The weighted plan repays in 274 months though the average one never does: it is listed, with the window's
// exact interest unknown, since the calculation stopped before it.
TEST(PlansReached, list_the_weighted_plan_when_the_average_one_never_repays)
{
    const auto plans = plansOf({8573706, 5.01, 27.2}, {5308443, 18.70, 27.2});
    const auto weighted
        = schedule::buildSchedule(Plan::CombinedAtWeightedRate, *plans.of(Plan::CombinedAtWeightedRate), january2026);
    EXPECT_EQ(weighted.payments.size(), 274u);
    EXPECT_FALSE(weighted.exactInterest.has_value());
    EXPECT_FALSE(schedule::interestDifference(weighted).has_value());
}

INSTANTIATE_TEST_SUITE_P(PlansReached, StopTest, testing::ValuesIn(stops), RowName{});

TEST(NotListed, never_counts_as_listed_even_without_a_reason)
{
    EXPECT_FALSE(schedule::notListed(Plan::Loan1, "").listed());
}

} // namespace
