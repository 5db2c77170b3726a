#include "default_run.h"
#include "row_name.h"
#include "schedule/plan_terms.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

using schedule::Cents;
using schedule::Plan;
using schedule::PlanTerms;

constexpr schedule::Month january2026{2026, 1};

// What every listed schedule must satisfy, whatever its terms.
void expectSound(const schedule::Schedule &s, const PlanTerms &terms)
{
    ASSERT_FALSE(s.payments.empty());
    Cents paid = 0, interest = 0, repaid = 0;
    for (const auto &row : s.payments) {
        if (&row != &s.payments.back()) {
            EXPECT_EQ(row.amount, *schedule::toCents(terms.payment)); // level until the one that clears it
        }
        EXPECT_EQ(row.amount - row.interest, row.principal);
        EXPECT_EQ(row.month, schedule::addMonths(january2026, row.number - 1));
        paid += row.amount;
        interest += row.interest;
        repaid += row.principal;
    }
    EXPECT_EQ(s.payments.back().balance, 0);
    EXPECT_EQ(repaid, *schedule::toCents(terms.principal));
    EXPECT_EQ(paid, s.totalPaid);
    EXPECT_EQ(interest, s.totalInterest);
    EXPECT_LE(s.payments.size(), 1200u);
    if (terms.years) {
        EXPECT_LE(double(s.payments.size()), std::ceil(*terms.years * 12 - 1e-9));
    }
}

TEST(BuildSchedule, keeps_its_invariants_over_random_terms)
{
    std::mt19937_64 random{20261208};
    std::uniform_real_distribution<double> unit;
    int listed = 0;
    for (int i = 0; i < 4000; ++i) {
        const double principal = std::pow(10, -1 + 16 * unit(random)); // 0.1 to 1e15, tiny and huge
        const double rate = 0.001 + 0.3 * unit(random);
        const double years = 0.05 + 60 * unit(random); // mostly not whole
        const double payment = loan::levelPayment(principal, rate / 12, years * 12);
        const bool combined = i % 2 == 1;
        const Plan plan = combined ? Plan::CombinedAtWeightedRate : Plan::Loan2;
        const PlanTerms terms{principal, rate, combined ? payment * (0.9 + unit(random)) : payment, 0,
                              combined ? std::nullopt : std::optional(years)};
        const auto s = schedule::buildSchedule(plan, terms, january2026);
        SCOPED_TRACE(testing::Message() << "row " << i << ": " << principal << " at " << rate << " paying "
                                        << terms.payment);
        if (s.listed()) {
            ++listed;
            expectSound(s, terms);
        } else {
            EXPECT_TRUE(s.payments.empty());
        }
    }
    EXPECT_GT(listed, 3000);
}

struct Period {
    const char *name;
    double years;
    std::size_t payments;
};

const Period periods[] = {
    {"whole_years", 20, 240},      {"a_hair_over_whole_years_is_still_whole", 20.000000000000004, 240},
    {"half_a_year_more", 2.5, 30}, {"part_of_a_month_more_adds_a_payment", 2.04, 25},
    {"under_a_month", 0.01, 1},
};

class PeriodTest : public testing::TestWithParam<Period> { };

TEST_P(PeriodTest, sets_the_number_of_payments)
{
    const double years = GetParam().years;
    const PlanTerms terms{10000, 0.06, loan::levelPayment(10000, 0.005, years * 12), 0, years};
    const auto s = schedule::buildSchedule(Plan::BlendedLoan, terms, january2026);
    ASSERT_EQ(s.payments.size(), GetParam().payments);
    expectSound(s, terms);
}

INSTANTIATE_TEST_SUITE_P(BuildSchedule, PeriodTest, testing::ValuesIn(periods), RowName{});

struct Refusal {
    const char *name;
    Plan plan;
    PlanTerms terms;
    const char *reasonHolds; // a word the plain-words reason must contain
};

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr Plan loan1 = Plan::Loan1, average = Plan::CombinedAtAverageRate;

const Refusal refusals[] = {
    {"zero_principal", loan1, {0, 0.05, 100, 0, 10}, "principal"},
    {"principal_under_half_a_cent", loan1, {0.004, 0.05, 100, 0, 10}, "principal"},
    {"negative_principal", loan1, {-1000, 0.05, 100, 0, 10}, "principal"},
    {"nan_principal", loan1, {nan, 0.05, 100, 0, 10}, "principal"},
    {"infinite_principal", loan1, {inf, 0.05, 100, 0, 10}, "cents"},
    {"principal_beyond_64_bit_cents", loan1, {1e300, 0.05, 1e300, 0, 10}, "cents"},
    {"zero_rate", loan1, {1000, 0, 100, 0, 10}, "rate"},
    {"negative_rate", average, {1000, -0.05, 100, 0, {}}, "rate"},
    {"nan_rate", average, {1000, nan, 100, 0, {}}, "rate"},
    {"rate_so_high_interest_overflows", average, {1e6, 1e300, 100, 0, {}}, "never repaid"},
    {"zero_payment", average, {1000, 0.05, 0, 0, {}}, "payment"},
    {"payment_rounding_to_no_cent", loan1, {1000, 0.05, 0.004, 0, 10}, "payment"},
    {"nan_payment", average, {1000, 0.05, nan, 0, {}}, "payment"},
    {"payment_equal_to_the_interest", average, {1200, 0.12, 12, 0, {}}, "never repaid"},
    {"payment_below_the_interest", loan1, {1200, 0.12, 11.99, 0, 10}, "never repaid"},
    {"combined_over_100_years", average, {100000, 0.012, 100.01, 0, {}}, "1,200"},
    {"period_over_100_years", loan1, {1000, 0.05, 10, 0, 100.1}, "1,200"},
    {"infinite_period", loan1, {1000, 0.05, 10, 0, inf}, "1,200"},
    {"zero_period", loan1, {1000, 0.05, 10, 0, 0}, "period"},
    {"nan_period", loan1, {1000, 0.05, 10, 0, nan}, "period"},
    {"loan_without_a_period", loan1, {1000, 0.05, 10, 0, {}}, "period"},
    // One payment of 9e18 cents plus a month's interest of 4.5e18: beyond 64 bits.
    {"last_payment_beyond_64_bit_cents", loan1, {9e16, 6, 1e16, 0, 1.0 / 12}, "cents"},
};

class RefusalTest : public testing::TestWithParam<Refusal> { };

TEST_P(RefusalTest, lists_no_payment_and_says_why)
{
    const auto s = schedule::buildSchedule(GetParam().plan, GetParam().terms, january2026);
    EXPECT_FALSE(s.listed());
    EXPECT_TRUE(s.payments.empty());
    EXPECT_NE(s.notListedReason.find(GetParam().reasonHolds), std::string::npos) << s.notListedReason;
}

INSTANTIATE_TEST_SUITE_P(BuildSchedule, RefusalTest, testing::ValuesIn(refusals), RowName{});

struct ExpectedPlan {
    Plan plan;
    std::size_t payments;
    schedule::Payment first, last;
    Cents totalInterest, interestDifference;
};

// From tests/schedule_expected.py, which replicates the arithmetic and the schedule rules in Python with
// Decimal rounding and shares no code with the library.
const ExpectedPlan startingPlans[] = {
    {Plan::Loan1,
     240,
     {1, {2026, 1}, 196704, 88454, 108250, 35391750},
     {240, {2045, 12}, 196869, 489, 196380, 0},
     11709125,
     49},
    {Plan::Loan2,
     240,
     {1, {2026, 1}, 84837, 46667, 38170, 13961830},
     {240, {2045, 12}, 84918, 282, 84636, 0},
     6360961,
     22},
    {Plan::BlendedLoan,
     240,
     {1, {2026, 1}, 281938, 135992, 145946, 49354054},
     {240, {2045, 12}, 281942, 772, 281170, 0},
     18165124,
     3},
    {Plan::CombinedAtAverageRate,
     247,
     {1, {2026, 1}, 281542, 144169, 137373, 49362627},
     {247, {2046, 7}, 207852, 604, 207248, 0},
     19967184,
     42},
    {Plan::CombinedAtWeightedRate,
     240,
     {1, {2026, 1}, 281542, 135121, 146421, 49353579},
     {240, {2045, 12}, 235700, 642, 235058, 0},
     18024238,
     20},
};

void expectRow(const schedule::Payment &actual, const schedule::Payment &expected)
{
    EXPECT_EQ(actual.number, expected.number);
    EXPECT_EQ(actual.month, expected.month);
    EXPECT_EQ(actual.amount, expected.amount);
    EXPECT_EQ(actual.interest, expected.interest);
    EXPECT_EQ(actual.principal, expected.principal);
    EXPECT_EQ(actual.balance, expected.balance);
}

TEST(StartingInputs, give_the_independently_computed_schedules)
{
    // Loan 2's own period is not read: both loans run over loan 1's 20 years.
    const auto plans = schedule::calculatePlanTerms(defaultLoan1, {140000, 4, 7});
    ASSERT_FALSE(plans.stop);
    const auto schedules = schedule::buildSchedules(plans, january2026, "unused");
    for (const ExpectedPlan &expected : startingPlans) {
        const auto &s = schedules[std::size_t(expected.plan)];
        SCOPED_TRACE(schedule::planName(expected.plan));
        ASSERT_EQ(s.payments.size(), expected.payments);
        expectRow(s.payments.front(), expected.first);
        expectRow(s.payments.back(), expected.last);
        EXPECT_EQ(s.totalInterest, expected.totalInterest);
        EXPECT_EQ(schedule::interestDifference(s), expected.interestDifference);
        EXPECT_EQ(schedule::finalPayment(s), expected.last.amount);
        EXPECT_EQ(schedule::payoffMonth(s), expected.last.month);
    }
}

struct Stop {
    const char *name;
    loan::LoanTerms loan1, loan2;
    schedule::CalculationStage stage;
    loan::Figure figure;
    std::size_t plansReached; // the first plans, in plan order
};

const Stop stops[] = {
    {"loan_1_at_zero_rate", {1000, 0, 10}, {1000, 5, 10}, schedule::CalculationStage::Loan1, loan::Figure::Payment, 0},
    {"loan_2_at_zero_rate", {1000, 5, 10}, {1000, 0, 10}, schedule::CalculationStage::Loan2, loan::Figure::Payment, 1},
    {"payments_never_repay_at_the_average_rate",
     {10000, 25, 50},
     {10000000, 1, 50},
     schedule::CalculationStage::Blend,
     loan::Figure::AveragePayoff,
     3},
};

class StopTest : public testing::TestWithParam<Stop> { };

TEST_P(StopTest, keeps_the_plans_reached_and_lists_the_others_with_the_callers_reason)
{
    const auto plans = schedule::calculatePlanTerms(GetParam().loan1, GetParam().loan2);
    ASSERT_TRUE(plans.stop);
    EXPECT_EQ(plans.stop->stage, GetParam().stage);
    EXPECT_EQ(plans.stop->error.figure(), GetParam().figure);
    const auto schedules = schedule::buildSchedules(plans, january2026, "the window's message");
    for (std::size_t i = 0; i < schedules.size(); ++i) {
        EXPECT_EQ(plans.terms[i].has_value(), i < GetParam().plansReached) << i;
        EXPECT_EQ(schedules[i].notListedReason == "the window's message", i >= GetParam().plansReached) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(CalculatePlanTerms, StopTest, testing::ValuesIn(stops), RowName{});

TEST(NotListed, never_counts_as_listed_even_without_a_reason)
{
    EXPECT_FALSE(schedule::notListed(Plan::Loan1, "").listed());
}

} // namespace
