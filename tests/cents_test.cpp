// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_name.h"
#include "schedule/cents.h"

#include <gtest/gtest.h>

namespace {

struct Rounding {
    const char *name;
    std::optional<schedule::Cents> (*round)(double);
    double value;
    std::optional<schedule::Cents> expected;
};

// Amounts round as their shortest decimal form reads, as the window shows them; a month's interest rounds the
// double itself, including where adding 0.5 and truncating would go wrong.
const Rounding roundings[] = {
    {"amount_half_cent_stored_below_rounds_up", schedule::toCents, 2.675, 268},
    {"negative_amount_half_cent_rounds_away", schedule::toCents, -0.005, -1},
    {"amount_a_step_below_a_half_cent", schedule::toCents, 0.004999999999999999, 0},
    {"amount_a_step_above_one_and_a_half_cents", schedule::toCents, 0.015000000000000001, 2},
    {"amount_a_step_above_a_half_cent_in_17_digits", schedule::toCents, 0.0050000000000000044, 1},
    {"amount_far_below_the_cent", schedule::toCents, 5e-20, 0},
    {"amount_near_the_64_bit_limit", schedule::toCents, 9.2e16, 9200000000000000000},
    {"amount_beyond_64_bit_cents", schedule::toCents, 9.3e16, std::nullopt},
    {"amount_whose_cents_wrap_64_bits", schedule::toCents, 2e17, std::nullopt},
    {"interest_just_below_a_half", schedule::roundCents, 0.49999999999999994, 0},
    {"interest_odd_above_2_to_the_52", schedule::roundCents, 4503599627370497.0, 4503599627370497},
    {"interest_2_to_the_63", schedule::roundCents, 9223372036854775808.0, std::nullopt},
};

class RoundingTest : public testing::TestWithParam<Rounding> { };

TEST_P(RoundingTest, is_half_away_from_zero_within_64_bits)
{
    EXPECT_EQ(GetParam().round(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cents, RoundingTest, testing::ValuesIn(roundings), RowName{});

} // namespace
