// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comparison.h"
#include "compare/repayment.h"
#include "compare_inputs.h"
#include "row_name.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using compare::Cents;
using compare::ComparisonInputs;

struct Points {
    const char *name;
    Cents amount;
    double percent;
    Cents points;
};

const Points pointsCases[] = {
    {"one_point_on_200000", 20'000'000, 1, 200'000},
    {"half_a_cent_rounds_up", 50, 1, 1},
    {"half_a_cent_on_the_decimal_not_the_double", 1'500, 0.1, 2},
    {"an_uneven_amount", 12'345'678, 2.375, 293'210},
    {"no_points", 20'000'000, 0, 0},
    {"beyond_the_limit_none", 20'000'000, 10.5, 0},
    {"not_a_number_none", 20'000'000, std::nan(""), 0},
};

class PointsTest : public testing::TestWithParam<Points> { };

TEST_P(PointsTest, are_the_exact_share_of_the_amount_to_the_cent)
{
    EXPECT_EQ(compare::pointsOn(GetParam().amount, GetParam().percent), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(PointsOn, PointsTest, testing::ValuesIn(pointsCases), RowName{});

ComparisonInputs oneLoan(double loanRate, double offerRate, Cents feesAtSigning, double points)
{
    ComparisonInputs inputs;
    inputs.loans = {{20'000'000, loanRate, 360, {}}};
    inputs.offers = {{offerRate, 360, feesAtSigning, 0, points}};
    inputs.firstPayment = {2027, 1};
    return inputs;
}

// 200,000 at 6 % over 30 years with one point: 2,000 paid at signing, so 198,000 financed for 1,199.10 a month.
TEST(CompareWays, counts_points_as_fees_paid_at_signing)
{
    const compare::Comparison c = compare::compareWays(oneLoan(6, 6, 0, 1));
    ASSERT_FALSE(c.refusal) << c.refusal->reason;
    const compare::Way &offer = c.firstOffer().way;
    EXPECT_EQ(offer.points, 200'000);
    EXPECT_EQ(offer.firstPayment, 119'910);
    EXPECT_EQ(offer.fees, 200'000);
    EXPECT_EQ(offer.paidAtSigning, 200'000);
    EXPECT_EQ(offer.financeCharge, offer.totalInterest + 200'000);
    EXPECT_EQ(offer.totalPaid, 360 * 119'910 + offer.schedules[0].back().amount - 119'910 + 200'000);
    ASSERT_TRUE(offer.rate);
    EXPECT_EQ(std::round(offer.rate->nominalPercent * 100), 609);
    // The same 2,000 as a fee at signing is the same APR.
    const compare::Comparison fee = compare::compareWays(oneLoan(6, 6, 200'000, 0));
    EXPECT_EQ(fee.firstOffer().way.rate->nominalPercent, offer.rate->nominalPercent);
    EXPECT_EQ(fee.firstOffer().way.totalPaid, offer.totalPaid);
}

// The loans' charges are paid by the offer at signing, but they are no charge of the new loan.
TEST(CompareWays, pays_the_early_repayment_charges_at_signing_outside_the_offers_charge_and_apr)
{
    ComparisonInputs charged = twoThirtyYearLoans();
    charged.loans[0].earlyRepaymentCharge = 100'000;
    charged.loans[1].earlyRepaymentCharge = 50'000;
    const compare::Comparison with = compare::compareWays(charged);
    const compare::Comparison without = compare::compareWays(twoThirtyYearLoans());
    ASSERT_FALSE(with.refusal) << with.refusal->reason;
    const compare::Way &offer = with.firstOffer().way;
    const compare::Way &before = without.firstOffer().way;
    EXPECT_EQ(offer.earlyRepaymentCharges, 150'000);
    EXPECT_EQ(with.keep.earlyRepaymentCharges, 0);
    EXPECT_EQ(offer.totalPaid, before.totalPaid + 150'000);
    EXPECT_EQ(offer.presentValue, before.presentValue + 150'000);
    EXPECT_EQ(offer.costSoFar.front(), before.costSoFar.front() + 150'000);
    EXPECT_EQ(offer.financeCharge, before.financeCharge);
    EXPECT_EQ(offer.fees, before.fees);
    EXPECT_EQ(offer.rate->nominalPercent, before.rate->nominalPercent);
    EXPECT_EQ(with.keep.totalPaid, without.keep.totalPaid);
}

// 200,000 at 7 % against 5 % with 5,000 at signing: the offer costs more at first and breaks even later.
ComparisonInputs breaksEvenLater(std::optional<int> horizon)
{
    ComparisonInputs inputs = oneLoan(7, 5, 500'000, 0);
    inputs.horizonMonths = horizon;
    return inputs;
}

struct Horizon {
    const char *name;
    int fromBreakEven; // the horizon, in months after the break-even month
    bool offerCheapest;
};

const Horizon horizons[] = {
    {"a_month_before_break_even_keeping_costs_least", -1, false},
    {"at_break_even_the_offer_costs_least", 0, true},
    {"after_break_even_the_offer_costs_least", 12, true},
};

class HorizonTest : public testing::TestWithParam<Horizon> { };

TEST_P(HorizonTest, takes_the_cost_so_far_at_the_horizon_and_names_the_way_that_costs_least)
{
    const std::optional<int> breakEven = compare::compareWays(breaksEvenLater({})).firstOffer().breakEvenMonth;
    ASSERT_TRUE(breakEven && *breakEven > 1);
    const int horizon = *breakEven + GetParam().fromBreakEven;
    const compare::Comparison c = compare::compareWays(breaksEvenLater(horizon));
    ASSERT_EQ(c.horizonMonths, horizon);
    const compare::Way &offer = c.firstOffer().way;
    EXPECT_EQ(c.keep.costOverHorizon, c.keep.costSoFar[std::size_t(horizon)]);
    EXPECT_EQ(offer.costOverHorizon, offer.costSoFar[std::size_t(horizon)]);
    EXPECT_EQ(c.cheapestOffer.has_value(), GetParam().offerCheapest);
}

INSTANTIATE_TEST_SUITE_P(CompareWays, HorizonTest, testing::ValuesIn(horizons), RowName{});

TEST(CompareWays, takes_a_horizon_at_or_past_every_last_payment_as_none)
{
    for (const int beyond : {360, 1200}) {
        const compare::Comparison c = compare::compareWays(breaksEvenLater(beyond));
        EXPECT_FALSE(c.horizonMonths);
        EXPECT_FALSE(c.keep.costOverHorizon);
        EXPECT_FALSE(c.firstOffer().way.presentValueOverHorizon);
    }
    const compare::Comparison within = compare::compareWays(breaksEvenLater(359));
    EXPECT_EQ(within.firstOffer().way.costOverHorizon, within.firstOffer().way.costSoFar[359]);
}

// A horizon past one way's last payment but before another's: the way that has ended costs what it cost in all.
TEST(CompareWays, takes_a_way_that_ends_before_the_horizon_at_its_whole_cost)
{
    ComparisonInputs inputs = breaksEvenLater(240);
    inputs.offers[0].termMonths = 180;
    const compare::Comparison c = compare::compareWays(inputs);
    ASSERT_EQ(c.horizonMonths, 240);
    const compare::Way &offer = c.firstOffer().way;
    ASSERT_EQ(offer.payments, 180);
    EXPECT_EQ(offer.costOverHorizon, offer.costSoFar.back());
    EXPECT_EQ(offer.presentValueOverHorizon, offer.presentValue);
    EXPECT_EQ(c.keep.costOverHorizon, c.keep.costSoFar[240]);
}

// At the offer's own rate, what the offer has you pay to the horizon and still owe then is worth its amount, give
// or take what each month's interest was rounded by: Σ (interest_k − B_(k−1)·r) v^k.
TEST(CompareWays, gives_the_present_value_over_the_horizon_as_the_amount_plus_the_discounted_roundings)
{
    for (const int horizon : {1, 7, 84, 359}) {
        ComparisonInputs inputs = breaksEvenLater(horizon);
        inputs.offers[0].feesAtSigning = 0;
        inputs.offers[0].annualRatePercent = 5.37;
        inputs.savingsRatePercent = 5.37;
        const compare::Comparison c = compare::compareWays(inputs);
        ASSERT_FALSE(c.refusal);
        const compare::Way &offer = c.firstOffer().way;
        const long double r = 5.37L / 1200;
        long double roundings = 0;
        long double discount = 1;
        Cents balance = c.firstOffer().amount;
        for (int k = 0; k < horizon; ++k) {
            const schedule::Payment &payment = offer.schedules[0][std::size_t(k)];
            discount /= 1 + r;
            roundings += ((long double)payment.interest - (long double)balance * r) * discount;
            balance = payment.balance;
        }
        EXPECT_EQ(offer.presentValueOverHorizon, c.firstOffer().amount + Cents(std::llround(roundings))) << horizon;
    }
}

struct Cheapest {
    const char *name;
    std::vector<compare::OfferInputs> offers;
    std::optional<std::size_t> cheapest;
};

// twoThirtyYearLoans: 200,000 at 3 % and 50,000 at 9 %; 5 % over 30 years with no fees costs about as much.
const Cheapest cheapestCases[] = {
    {"an_offer_that_costs_more_leaves_keeping_cheapest", {{4.5, 360, 200'000, 300'000}}, std::nullopt},
    {"the_cheaper_of_two", {{4.5, 360, 200'000, 300'000}, {3.5, 360, 0, 0}}, 1},
    {"a_tie_between_offers_goes_to_the_earlier", {{3.5, 360, 0, 0}, {3.5, 360, 0, 0}}, 0},
    {"the_cheapest_of_three", {{3.5, 360, 0, 0}, {3, 360, 0, 0}, {3.2, 360, 0, 0}}, 1},
};

class CheapestTest : public testing::TestWithParam<Cheapest> { };

TEST_P(CheapestTest, is_the_way_that_costs_least_in_all)
{
    ComparisonInputs inputs = twoThirtyYearLoans();
    inputs.offers = GetParam().offers;
    const compare::Comparison c = compare::compareWays(inputs);
    ASSERT_FALSE(c.refusal) << c.refusal->reason;
    ASSERT_EQ(c.offers.size(), GetParam().offers.size());
    EXPECT_EQ(c.cheapestOffer, GetParam().cheapest);
    // Every offer against keeping, each on its own.
    for (std::size_t o = 0; o < c.offers.size(); ++o) {
        ComparisonInputs alone = inputs;
        alone.offers = {inputs.offers[o]};
        EXPECT_EQ(c.offers[o].way.totalPaid, compare::compareWays(alone).firstOffer().way.totalPaid) << o;
    }
}

INSTANTIATE_TEST_SUITE_P(CompareWays, CheapestTest, testing::ValuesIn(cheapestCases), RowName{});

// More offers than there can be are refused as a whole, not compared in part.
TEST(CompareWays, refuses_more_than_three_offers)
{
    ComparisonInputs inputs = twoThirtyYearLoans();
    inputs.offers.assign(compare::maxOffers + 1, inputs.offers[0]);
    EXPECT_TRUE(compare::compareWays(inputs).refusal);
    inputs.offers.pop_back();
    EXPECT_FALSE(compare::compareWays(inputs).refusal);
}

// The same way twice costs the same: keeping the loans wins the tie.
TEST(CompareWays, gives_a_tie_with_keeping_to_keeping)
{
    ComparisonInputs inputs = oneLoan(6, 6, 0, 0);
    const compare::Comparison c = compare::compareWays(inputs);
    ASSERT_EQ(c.firstOffer().way.totalPaid, c.keep.totalPaid);
    EXPECT_FALSE(c.cheapestOffer);
}

} // namespace
