// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/repayment.h"
#include "compare_inputs.h"
#include "interest_ties.h"
#include "row_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <tuple>

namespace {

using compare::Cents;
using compare::ComparisonInputs;
using Subject = compare::RefusalSubject;

struct TermPayment {
    const char *name;
    Cents balance;
    double ratePercent;
    int months;
    Cents payment;
};

// Worked out apart in Python with fractions.Fraction: the rate's repr() over 1200, the exact payment rounded half
// away from zero.
const TermPayment termPayments[] = {
    {"200000_at_3_percent_over_30_years", 20'000'000, 3, 360, 84'321},
    {"50000_at_9_percent_over_30_years", 5'000'000, 9, 360, 40'231},
    {"half_a_cent_at_0_percent_rounds_up", 1001, 0, 2, 501},
    {"just_under_half_a_cent_at_0_percent_rounds_down", 1000, 0, 3, 333},
    // Doubles put it a cent above, at ...51,726.
    {"23_percent_over_a_year_on_the_exact_rate", 85'909'775'562'899, 23, 12, 8'082'075'651'725},
    // 83,375,041,666.658 cents; in doubles the payment read 833,750,416.77.
    {"the_limit_at_0_001_percent_over_100_years", 99'999'999'999'999, 0.001, 1200, 83'375'041'667},
    // One month repays the balance and its interest, 68,182,599.5 cents: an exact tie, decided in integers.
    {"a_tie_over_one_month_rounds_up", 67'885'600, 5.25, 1, 68'182'600},
    {"the_limit_at_100_percent_over_100_years", compare::maxAmount, 100, 1200, 8'333'333'333'333},
    // Drawn at random among balances of 10 to 1,000 billion and rates up to 1 %, where doubles went wrong.
    {"random_at_0_001_percent_over_10_years", 20'926'685'414'054, 0.001, 120, 174'397'837'377},
    {"random_at_0_177_percent_over_a_year", 56'334'125'455'734, 0.177, 12, 4'699'012'533'561},
    {"random_at_0_01_percent_over_30_years", 56'356'061'697'196, 0.01, 360, 156'780'202'426},
    {"random_at_1_percent_over_5_years", 98'510'832'845'454, 1, 60, 1'683'919'297'301},
    {"random_at_0_152_percent_over_a_year", 72'998'636'553'479, 0.152, 12, 6'088'229'393'369},
    {"random_at_0_001_percent_over_50_years", 84'845'628'941'891, 0.001, 600, 141'444'795'782},
};

class TermPaymentTest : public testing::TestWithParam<TermPayment> { };

TEST_P(TermPaymentTest, rounds_the_level_payment_to_the_cent)
{
    const TermPayment &c = GetParam();
    EXPECT_EQ(compare::paymentFromTerm(c.balance, c.ratePercent, c.months), c.payment);
}

INSTANTIATE_TEST_SUITE_P(PaymentFromTerm, TermPaymentTest, testing::ValuesIn(termPayments), RowName{});

TEST(TermMonthsOf, counts_a_part_month_and_keeps_out_of_range_periods_out_of_range)
{
    EXPECT_EQ(compare::termMonthsOf(20.000000000000004), 240);
    EXPECT_EQ(compare::termMonthsOf(2.04), 25);
    EXPECT_EQ(compare::termMonthsOf(NAN), 0);
    EXPECT_EQ(compare::termMonthsOf(1e300), compare::maxTermMonths + 1);
}

struct SameTerms {
    const char *name;
    Cents balance;
    double ratePercent;
    int months;
};

const SameTerms sameTerms[] = {
    {"1000_at_0_percent_in_one_month", 100'000, 0, 1},
    {"1000_at_7_percent_over_a_year", 100'000, 7, 12},
    {"250000_at_4_5_percent_over_30_years", 25'000'000, 4.5, 360},
    {"1000_at_100_percent_over_100_years", 100'000, 100, 1200},
    {"a_trillion_at_12_percent_over_50_years", compare::maxAmount, 12, 600},
    // The level payment rounds to a cent below the first month's interest, which would compound for 89 years.
    {"payment_rounding_below_the_interest", 64'880'803'591'770, 100, 1071},
};

class SameTermsTest : public testing::TestWithParam<SameTerms> { };

TEST_P(SameTermsTest, breaks_even_at_once_at_the_loans_rate)
{
    const SameTerms &c = GetParam();
    ComparisonInputs inputs;
    inputs.loans = {{c.balance, c.ratePercent, c.months, {}}};
    inputs.offers = {{c.ratePercent, c.months, 0, 0}};
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_FALSE(comparison.refusal) << comparison.refusal->reason;
    EXPECT_EQ(comparison.firstOffer().breakEvenMonth, 0);
    EXPECT_EQ(comparison.firstOffer().way.monthlyTotals, comparison.keep.monthlyTotals);
    EXPECT_EQ(comparison.firstOffer().way.rate->nominalPercent, comparison.keep.rate->nominalPercent);
    EXPECT_NEAR(comparison.keep.rate->nominalPercent, c.ratePercent, 0.01);
}

INSTANTIATE_TEST_SUITE_P(CompareWays, SameTermsTest, testing::ValuesIn(sameTerms), RowName{});

// Worked out apart in Python, every sum and power in decimal.Decimal; the present values at 2 % a year.
TEST(CompareWays, gives_the_figures_of_two_loans_against_an_offer_with_fees)
{
    ComparisonInputs inputs = twoThirtyYearLoans();
    inputs.savingsRatePercent = 2;
    const compare::Comparison c = compare::compareWays(inputs);
    ASSERT_FALSE(c.refusal);
    EXPECT_DOUBLE_EQ(std::round(c.keep.rate->nominalPercent * 100) / 100, 4.36);
    EXPECT_DOUBLE_EQ(std::round(c.firstOffer().way.rate->nominalPercent * 100) / 100, 4.67);
    EXPECT_EQ(std::tuple(c.keep.firstPayment, c.keep.totalPaid, c.keep.presentValue),
              std::tuple(124'552, 44'838'816, 33'697'412));
    EXPECT_EQ(std::tuple(c.firstOffer().paymentDifference, c.firstOffer().totalPaidDifference,
                         c.firstOffer().presentValueDifference, c.firstOffer().monthsDifference),
              std::tuple(3'639, 1'510'219, 1'184'624, 0));
}

struct ExtraCase {
    const char *name;
    double loan2Rate;
    Cents loan2Balance;
    Cents extra;
    Cents loan1Paid, loan2Paid; // in the first month
};

// 10,000.00 at 6 % and loan 2 at its rate, each paying 1,000.00 a month as typed; 6 % of 10,000.00 is 50.00 a
// month.
const ExtraCase extraCases[] = {
    {"to_the_higher_rate_of_loan_2", 12, 1'000'000, 50'000, 100'000, 150'000},
    {"to_loan_1_on_a_tie", 6, 1'000'000, 50'000, 150'000, 100'000},
    {"beyond_loan_2s_balance_to_loan_1", 12, 150'000, 100'000, 148'500, 151'500},
    {"beyond_both_balances_not_paid", 12, 150'000, 10'000'000, 1'005'000, 151'500},
};

class ExtraTest : public testing::TestWithParam<ExtraCase> { };

TEST_P(ExtraTest, goes_to_the_highest_rate_first)
{
    const ExtraCase &c = GetParam();
    ComparisonInputs inputs;
    inputs.loans = {{1'000'000, 6, 0, 100'000}, {c.loan2Balance, c.loan2Rate, 0, 100'000}};
    inputs.offers = {{6, 12, 0, 0}};
    inputs.extra = c.extra;
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_FALSE(comparison.refusal) << comparison.refusal->reason;
    EXPECT_EQ(comparison.keep.schedules[0][0].amount, c.loan1Paid);
    EXPECT_EQ(comparison.keep.schedules[1][0].amount, c.loan2Paid);
}

INSTANTIATE_TEST_SUITE_P(Extra, ExtraTest, testing::ValuesIn(extraCases), RowName{});

struct RefusalCase {
    const char *name;
    void (*change)(ComparisonInputs &);
    Subject subject;
    const char *reasonHolds;
};

// The offer then advances a cent, against 360 payments.
void feesAtSigningLeavingACent(ComparisonInputs &in)
{
    in.offers[0].feesAtSigning = 24'999'999;
    in.offers[0].feesAdded = 0;
}

// 9 % of 50,000.00 is 375.00 a month.
const RefusalCase refusalCases[] = {
    {"payment_equal_to_the_interest", [](auto &in) { in.loans[1].payment = 37'500; }, Subject::Loan2, "never"},
    // A payment of 0 is within its limit: what refuses it is that it never repays the loan.
    {"loan_1_payment_of_nothing", [](auto &in) { in.loans[0].payment = 0; }, Subject::Loan1, "never"},
    {"loan_2_payment_of_nothing", [](auto &in) { in.loans[1].payment = 0; }, Subject::Loan2, "never"},
    {"just_over_the_interest_for_100_years", [](auto &in) { in.loans[1].payment = 37'501; }, Subject::Loan2, "1,200"},
    {"fees_at_signing_leaving_a_cent", feesAtSigningLeavingACent, Subject::Offer, "not defined"},
    {"extra_out_of_range", [](auto &in) { in.extra = -1; }, Subject::Keep, "the extra payment must be between 0"},
};

class RefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(RefusalTest, names_the_way_or_loan_and_why)
{
    ComparisonInputs inputs = twoThirtyYearLoans();
    GetParam().change(inputs);
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_TRUE(comparison.refusal);
    EXPECT_EQ(comparison.refusal->subject, GetParam().subject);
    EXPECT_NE(comparison.refusal->reason.find(GetParam().reasonHolds), std::string::npos) << comparison.refusal->reason;
}

INSTANTIATE_TEST_SUITE_P(CompareWays, RefusalTest, testing::ValuesIn(refusalCases), RowName{});

// 1.00 at 6 % owes half a cent in its first month, which rounds away from zero.
TEST(CompareWays, rounds_half_a_cent_of_interest_up)
{
    ComparisonInputs inputs;
    inputs.loans = {{100, 6, 1, {}}};
    inputs.offers = {{6, 1, 0, 0}};
    EXPECT_EQ(compare::compareWays(inputs).keep.totalInterest, 1);
}

class FirstInterestTest : public testing::TestWithParam<FirstInterest> { };

TEST_P(FirstInterestTest, is_the_exact_half_cent_rounded_up_in_both_ways)
{
    const FirstInterest &c = GetParam();
    EXPECT_EQ(compare::interestOn(c.balance, c.ratePercent), c.interest);
    ComparisonInputs inputs;
    inputs.loans = {{c.balance, c.ratePercent, 360, {}}};
    inputs.offers = {{c.ratePercent, 360, 0, 0}};
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_FALSE(comparison.refusal) << comparison.refusal->reason;
    EXPECT_EQ(comparison.keep.schedules[0][0].interest, c.interest);
    EXPECT_EQ(comparison.firstOffer().way.schedules[0][0].interest, c.interest);
}

INSTANTIATE_TEST_SUITE_P(CompareWays, FirstInterestTest, testing::ValuesIn(firstInterests), RowName{});

// Two loans of 1,000,000,000,000 at 100 % over 100 years against one offer of both: some 2e16 cents paid, where
// doubles no longer hold every cent. With no savings rate the present value is the total paid, and the offer's
// differences are the cents its rounding gives.
TEST(CompareWays, gives_the_present_value_at_the_limits_to_the_cent)
{
    ComparisonInputs inputs;
    inputs.loans = {{compare::maxAmount, 100, 1200, {}}, {compare::maxAmount, 100, 1200, {}}};
    inputs.offers = {{100, 1200, 0, 0}};
    const compare::Comparison c = compare::compareWays(inputs);
    ASSERT_FALSE(c.refusal) << c.refusal->reason;
    EXPECT_EQ(c.keep.totalPaid, 20'199'999'999'999'200);
    EXPECT_EQ(c.keep.presentValue, c.keep.totalPaid);
    EXPECT_EQ(c.firstOffer().way.presentValue, c.firstOffer().way.totalPaid);
    EXPECT_EQ(c.firstOffer().presentValueDifference, c.firstOffer().totalPaidDifference);
}

struct PresentValueCase {
    const char *name;
    double savingsRatePercent;
    Cents presentValue;
};

// Keeping the two loans above, worked out apart in Python with fractions.Fraction: every month's total times
// (1200 / (1200 + s))^k, exactly, rounded half away from zero.
const PresentValueCase presentValueCases[] = {
    {"at_0_000001_percent", 0.000001, 20'199'989'791'669'308},
    {"at_0_001_percent", 0.001, 20'189'795'107'549'750},
    {"at_0_01_percent", 0.01, 20'098'259'972'967'122},
    {"at_5_percent", 5, 3'974'128'443'326'131},
};

class PresentValueTest : public testing::TestWithParam<PresentValueCase> { };

TEST_P(PresentValueTest, is_right_to_the_cent_at_the_limits)
{
    ComparisonInputs inputs;
    inputs.loans = {{compare::maxAmount, 100, 1200, {}}, {compare::maxAmount, 100, 1200, {}}};
    inputs.offers = {{100, 1200, 0, 0}};
    inputs.savingsRatePercent = GetParam().savingsRatePercent;
    const compare::Comparison c = compare::compareWays(inputs);
    ASSERT_FALSE(c.refusal) << c.refusal->reason;
    EXPECT_EQ(c.keep.presentValue, GetParam().presentValue);
}

INSTANTIATE_TEST_SUITE_P(CompareWays, PresentValueTest, testing::ValuesIn(presentValueCases), RowName{});

// Each schedule ends at 0 and never owes more than the month before; the way's totals are its schedules'; its
// cost so far runs from its fees to its finance charge.
void expectSound(const compare::Way &way, Cents balances, Cents feesAtSigning)
{
    Cents paid = feesAtSigning, interest = 0;
    for (const auto &schedule : way.schedules) {
        ASSERT_FALSE(schedule.empty());
        EXPECT_EQ(schedule.back().balance, 0);
        for (std::size_t k = 0; k < schedule.size(); ++k) {
            EXPECT_TRUE(k == 0 || schedule[k].balance <= schedule[k - 1].balance);
            paid += schedule[k].amount;
            interest += schedule[k].interest;
        }
    }
    EXPECT_EQ(std::tuple(way.totalPaid, way.totalInterest), std::tuple(paid, interest));
    EXPECT_EQ(way.totalPaid, balances + way.financeCharge);
    EXPECT_EQ(std::tuple(way.costSoFar.front(), way.costSoFar.back()), std::tuple(way.fees, way.financeCharge));
}

TEST(CompareWays, keeps_its_invariants_over_random_inputs)
{
    std::mt19937_64 random{20260315};
    std::uniform_real_distribution<double> unit;
    const auto cents = [&](double most) { return Cents(std::pow(most, unit(random))); }; // 1 to most
    const auto rate = [&] { return unit(random) < 0.1 ? 0.0 : std::round(unit(random) * 2000) / 100; };
    const auto term = [&] { return 1 + int(unit(random) * 480); };
    int compared = 0, atOnce = 0, later = 0, never = 0;
    for (int i = 0; i < 600; ++i) {
        ComparisonInputs inputs;
        const Cents balance1 = cents(1e11), balance2 = unit(random) < 0.3 ? 0 : cents(1e11);
        inputs.loans = {{balance1, rate(), term(), {}}, {balance2, rate(), term(), {}}};
        for (auto &loan : inputs.loans)
            if (unit(random) < 0.3)
                loan.payment = Cents(double(loan.balance) * (0.005 + 0.1 * unit(random)));
        const Cents balances = balance1 + balance2;
        inputs.offers = {{rate(), term(), Cents(double(balances) * 0.03 * unit(random)),
                          Cents(double(balances) * 0.03 * unit(random))}};
        inputs.extra = unit(random) < 0.3 ? cents(1e8) : 0;
        inputs.savingsRatePercent = rate();
        const compare::Comparison comparison = compare::compareWays(inputs);
        if (comparison.refusal)
            continue;
        SCOPED_TRACE(testing::Message() << "comparison " << i);
        ++compared;
        expectSound(comparison.keep, balances, 0);
        expectSound(comparison.firstOffer().way, balances, inputs.offers[0].feesAtSigning);

        // The break-even month: from it on the offer never costs more, the curve that ends first staying at its
        // end; the month before, it did.
        const auto &keep = comparison.keep.costSoFar, &offer = comparison.firstOffer().way.costSoFar;
        const auto at
            = [](const std::vector<Cents> &curve, std::size_t k) { return curve[std::min(k, curve.size() - 1)]; };
        const std::size_t from
            = std::size_t(comparison.firstOffer().breakEvenMonth.value_or(int(std::max(keep.size(), offer.size()))));
        ++(!comparison.firstOffer().breakEvenMonth ? never : from == 0 ? atOnce : later);
        for (std::size_t k = from; k < std::max(keep.size(), offer.size()); ++k)
            ASSERT_LE(at(offer, k), at(keep, k)) << k;
        if (from > 0) {
            EXPECT_GT(at(offer, from - 1), at(keep, from - 1));
        }
    }
    EXPECT_GT(compared, 400);
    EXPECT_GT(std::min({atOnce, later, never}), 20);
}

} // namespace
