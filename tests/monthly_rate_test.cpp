// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_name.h"
#include "schedule/monthly_rate.h"

#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <optional>

namespace {

using schedule::Cents;
using schedule::MonthlyRate;

std::optional<Cents> interestOf(const MonthlyRate &rate, Cents balance)
{
    Cents interest = -1;
    return rate.interestOn(balance, interest) ? std::optional(interest) : std::nullopt;
}

struct InterestCase {
    const char *name;
    MonthlyRate rate;
    Cents balance;
    std::optional<Cents> interest;
};

const InterestCase interestCases[] = {
    // 100.00 at 1.14 % earns 0.095: typed, it rounds up; 1.14 / 100 is 0.011399999999999999, whose own
    // shortest decimal earns a hair less.
    {"typed_percent_on_its_decimal", MonthlyRate::ofPercent(1.14), 10'000, 10},
    {"fraction_on_its_own_shortest_decimal", MonthlyRate::ofFraction(1.14 / 100), 10'000, 9},
    {"computed_fraction_tie_rounds_up", MonthlyRate::ofFraction(0.0114), 10'000, 10},
    {"seventeen_digit_fraction", MonthlyRate::ofFraction(0.053166783107225405), 4'936'205'400, 21'870'180},
    {"zero_rate", MonthlyRate::ofPercent(0), 1'000'000, 0},
    {"rate_below_any_cent", MonthlyRate::ofPercent(1e-300), MonthlyRate::maxBalance, 0},
    {"whole_balance_a_month", MonthlyRate::ofPercent(1200), 12'345, 12'345},
    {"largest_balance_at_100_percent", MonthlyRate::ofPercent(100), MonthlyRate::maxBalance, 1'501'199'875'790'165},
    {"balance_beyond_the_largest", MonthlyRate::ofPercent(5), MonthlyRate::maxBalance + 1, std::nullopt},
    {"negative_balance", MonthlyRate::ofPercent(5), -1, std::nullopt},
    {"nan_rate", MonthlyRate::ofPercent(std::numeric_limits<double>::quiet_NaN()), 100, std::nullopt},
    {"negative_rate", MonthlyRate::ofFraction(-0.05), 100, std::nullopt},
    {"huge_rate", MonthlyRate::ofFraction(1e300), 1, std::nullopt},
    {"huge_rate_on_nothing", MonthlyRate::ofFraction(1e300), 0, 0},
    {"interest_beyond_2_to_the_62", MonthlyRate::ofFraction(1e6), MonthlyRate::maxBalance, std::nullopt},
};

class RateInterestTest : public testing::TestWithParam<InterestCase> { };

TEST_P(RateInterestTest, is_the_exact_product_rounded_half_away_from_zero)
{
    EXPECT_EQ(interestOf(GetParam().rate, GetParam().balance), GetParam().interest);
}

INSTANTIATE_TEST_SUITE_P(MonthlyRate, RateInterestTest, testing::ValuesIn(interestCases), RowName{});

// Every rate from 1.00 % to 25.00 % and, for each, the balances of whole units up to 1,000,000 on which a month's
// interest is an exact half cent: b × h / 120,000 for a rate of h hundredths of a percent. Each must round up,
// and the cent below and above each tie must round as the exact value does.
TEST(MonthlyRate, rounds_every_tie_of_ordinary_balances_and_rates_up)
{
    int ties = 0;
    for (Cents hundredths = 100; hundredths <= 2500; ++hundredths) {
        const MonthlyRate rate = MonthlyRate::ofPercent(double(hundredths) / 100);
        // b × h is an odd multiple of 60,000 where b is a multiple of `step` with an odd quotient.
        const Cents step = std::lcm(60'000 / std::gcd(hundredths, Cents(60'000)), Cents(100));
        for (Cents balance = step; balance <= 100'000'000; balance += step) {
            if ((balance * hundredths / 60'000) % 2 == 0)
                continue;
            ++ties;
            for (const Cents b : {balance - 1, balance, balance + 1}) {
                const Cents exact = (2 * b * hundredths + 120'000) / 240'000;
                ASSERT_EQ(interestOf(rate, b), exact) << b << " at " << hundredths << " hundredths of a percent";
            }
        }
    }
    EXPECT_GT(ties, 100'000);
}

} // namespace
