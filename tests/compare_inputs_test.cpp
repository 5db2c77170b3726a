// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare_inputs.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using compare::ComparisonInputs;
using compare::Input;
using compare::maxAmount;
using Subject = compare::RefusalSubject;

struct Limit {
    const char *name;
    void (*change)(ComparisonInputs &); // to twoThirtyYearLoans(), whose balances are 25,000,000 cents
    std::vector<Input> reported; // in order
    Subject subject = Subject::Keep; // of the refusal, where something is reported
    const char *reason = ""; // of the refusal, for the first input reported
};

void allAtTheirLimits(ComparisonInputs &in)
{
    in.loans = {{maxAmount, 100, 1200, {}}, {maxAmount, 0, 1, maxAmount}};
    in.offers = {{100, 1200, maxAmount, 0}};
    in.extra = maxAmount;
    in.savingsRatePercent = 100;
}

// What is not read cannot be out of range: a loan's term beside its payment, and loan 2 without a balance.
void unreadOutOfRange(ComparisonInputs &in)
{
    in.loans[0].termMonths = 0;
    in.loans[0].payment = 100'000;
    in.loans[1] = {0, -5, 0, -1};
}

void feesAddedAloneReachingTheBalances(ComparisonInputs &in)
{
    in.offers[0].feesAtSigning = 0;
    in.offers[0].feesAdded = 25'000'000;
}

const Limit limits[] = {
    {"every_input_at_its_limit", allAtTheirLimits, {}},
    {"what_is_not_read", unreadOutOfRange, {}},
    {"loan_1_of_one_cent", [](auto &in) { in.loans[0].balance = 1; }, {}},
    {"loan_1_without_a_cent",
     [](auto &in) { in.loans[0].balance = 0; },
     {Input::Loan1Balance},
     Subject::Loan1,
     "the balance must be between 0.01 and 1,000,000,000,000"},
    {"no_loan_at_all",
     [](auto &in) { in.loans.clear(); },
     {Input::Loan1Balance},
     Subject::Loan1,
     "the balance must be between 0.01 and 1,000,000,000,000"},
    {"loan_1_rate_not_a_number",
     [](auto &in) { in.loans[0].annualRatePercent = NAN; },
     {Input::Loan1Rate},
     Subject::Loan1,
     "the interest rate must be between 0 % and 100 %"},
    {"loan_1_term_of_no_month",
     [](auto &in) { in.loans[0].termMonths = 0; },
     {Input::Loan1Term},
     Subject::Loan1,
     "the term must be between 1 and 1,200 months"},
    // 0 is no loan 2, so it may be 0 where loan 1 may not.
    {"loan_2_balance_below_0",
     [](auto &in) { in.loans[1].balance = -1; },
     {Input::Loan2Balance},
     Subject::Loan2,
     "the balance must be between 0 and 1,000,000,000,000"},
    // As a file can give them: never summed with the other balance, which would overflow.
    {"loan_1_balance_of_every_cent_there_is",
     [](auto &in) { in.loans[0].balance = std::numeric_limits<compare::Cents>::max(); },
     {Input::Loan1Balance},
     Subject::Loan1,
     "the balance must be between 0.01 and 1,000,000,000,000"},
    {"loan_2_balance_of_every_cent_there_is",
     [](auto &in) { in.loans[1].balance = std::numeric_limits<compare::Cents>::max(); },
     {Input::Loan2Balance},
     Subject::Loan2,
     "the balance must be between 0 and 1,000,000,000,000"},
    {"loan_2_rate_over_100",
     [](auto &in) { in.loans[1].annualRatePercent = 100.01; },
     {Input::Loan2Rate},
     Subject::Loan2,
     "the interest rate must be between 0 % and 100 %"},
    {"loan_2_term_over_1200_months",
     [](auto &in) { in.loans[1].termMonths = 1201; },
     {Input::Loan2Term},
     Subject::Loan2,
     "the term must be between 1 and 1,200 months"},
    {"loan_2_payment_over_the_limit",
     [](auto &in) { in.loans[1].payment = maxAmount + 1; },
     {Input::Loan2Payment},
     Subject::Loan2,
     "the monthly payment must be between 0 and 1,000,000,000,000"},
    {"offer_rate_below_0",
     [](auto &in) { in.offers[0].annualRatePercent = -0.01; },
     {Input::OfferRate},
     Subject::Offer,
     "the interest rate must be between 0 % and 100 %"},
    {"offer_term_over_1200_months",
     [](auto &in) { in.offers[0].termMonths = 1201; },
     {Input::OfferTerm},
     Subject::Offer,
     "the term must be between 1 and 1,200 months"},
    {"fees_at_signing_below_0",
     [](auto &in) { in.offers[0].feesAtSigning = -1; },
     {Input::FeesAtSigning},
     Subject::Offer,
     "the fees at signing must be between 0 and 1,000,000,000,000"},
    // Each fee is within its limit before the two are summed with the balances.
    {"fees_at_signing_over_the_limit",
     [](auto &in) { in.offers[0].feesAtSigning = maxAmount + 1; },
     {Input::FeesAtSigning},
     Subject::Offer,
     "the fees at signing must be between 0 and 1,000,000,000,000"},
    {"fees_added_over_the_limit",
     [](auto &in) { in.offers[0].feesAdded = maxAmount + 1; },
     {Input::FeesAdded},
     Subject::Offer,
     "the fees added to the amount must be between 0 and 1,000,000,000,000"},
    {"fees_together_reaching_the_balances",
     [](auto &in) { in.offers[0].feesAdded = 24'800'000; },
     {Input::FeesAtSigning, Input::FeesAdded},
     Subject::Offer,
     "the fees at signing must be less than the balances, the other fee included"},
    {"fees_added_alone_reaching_the_balances",
     feesAddedAloneReachingTheBalances,
     {Input::FeesAdded},
     Subject::Offer,
     "the fees added to the amount must be less than the balances, the other fee included"},
    // Points count with the fees: 220,000 added, and 10 % of the 470,000 it makes, reach the 250,000 of balances.
    {"fees_and_points_together_reaching_the_balances",
     [](auto &in) {
         in.offers[0] = {4.5, 360, 0, 22'000'000, 10};
     },
     {Input::FeesAdded, Input::Points},
     Subject::Offer,
     "the fees added to the amount must be less than the balances, the other fee and the points included"},
    {"points_over_10_percent",
     [](auto &in) { in.offers[0].pointsPercent = 10.01; },
     {Input::Points},
     Subject::Offer,
     "the points must be between 0 % and 10 %"},
    {"a_later_offer_names_its_own_input",
     [](auto &in) {
         in.offers.push_back({4, 0, 0, 0});
     },
     {Input::OfferTerm},
     Subject::Offer,
     "the term must be between 1 and 1,200 months"},
    {"no_offer_at_all",
     [](auto &in) { in.offers.clear(); },
     {Input::OfferRate},
     Subject::Offer,
     "the interest rate must be between 0 % and 100 %"},
    {"early_repayment_charge_below_0",
     [](auto &in) { in.loans[1].earlyRepaymentCharge = -1; },
     {Input::Loan2Charge},
     Subject::Loan2,
     "the early repayment charge must be between 0 and 1,000,000,000,000"},
    {"horizon_of_0_months",
     [](auto &in) { in.horizonMonths = 0; },
     {Input::Horizon},
     Subject::Keep,
     "the years you expect to keep it must be between 1 and 1,200 months"},
    {"horizon_over_1200_months",
     [](auto &in) { in.horizonMonths = 1201; },
     {Input::Horizon},
     Subject::Keep,
     "the years you expect to keep it must be between 1 and 1,200 months"},
    {"extra_below_0",
     [](auto &in) { in.extra = -1; },
     {Input::Extra},
     Subject::Keep,
     "the extra payment must be between 0 and 1,000,000,000,000"},
    {"savings_rate_over_100",
     [](auto &in) { in.savingsRatePercent = 100.01; },
     {Input::SavingsRate},
     Subject::Keep,
     "the savings rate must be between 0 % and 100 %"},
};

class LimitTest : public testing::TestWithParam<Limit> { };

TEST_P(LimitTest, reports_the_input_out_of_range_and_refuses_for_it)
{
    ComparisonInputs inputs = twoThirtyYearLoans();
    GetParam().change(inputs);
    std::vector<Input> reported;
    for (const compare::InputProblem &problem : compare::checkInputs(inputs))
        reported.push_back(problem.input);
    EXPECT_EQ(reported, GetParam().reported);
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_EQ(comparison.refusal.has_value(), !reported.empty());
    if (comparison.refusal) {
        EXPECT_EQ(comparison.refusal->subject, GetParam().subject) << comparison.refusal->reason;
        EXPECT_EQ(comparison.refusal->reason, GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(CheckInputs, LimitTest, testing::ValuesIn(limits), RowName{});

} // namespace
