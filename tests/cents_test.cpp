#include "row_name.h"
#include "schedule/cents.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct CentsCase {
    const char *name;
    double value;
    std::optional<schedule::Cents> expected;
};

// Amounts in currency units round as their shortest decimal form reads, as the window shows them.
const CentsCase amounts[] = {
    {"half_cent_stored_below_rounds_up", 2.675, 268},
    {"another_stored_below", 1.005, 101},
    {"negative_half_cent_rounds_away", -0.005, -1},
    {"under_half_a_cent", 0.0049999, 0},
    {"a_payment_figure", 1967.0448303881658, 196704},
    {"largest_cents_range", 9.2e16, 9200000000000000000},
    {"beyond_64_bit_cents", 9.3e16, std::nullopt},
    {"infinity", std::numeric_limits<double>::infinity(), std::nullopt},
    {"nan", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
};

class ToCentsTest : public testing::TestWithParam<CentsCase> { };

TEST_P(ToCentsTest, rounds_as_the_window_shows)
{
    EXPECT_EQ(schedule::toCents(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cents, ToCentsTest, testing::ValuesIn(amounts), RowName{});

// A month's interest rounds the double itself, half away from zero, where adding 0.5 would go wrong.
const CentsCase products[] = {
    {"just_below_a_half", 0.49999999999999994, 0},
    {"a_half", 0.5, 1},
    {"minus_a_half", -2.5, -3},
    {"just_below_one_and_a_half", 1.4999999999999998, 1},
    {"odd_count_above_2_to_the_52", 4503599627370497.0, 4503599627370497},
    {"just_below_2_to_the_63", 9223372036854774784.0, 9223372036854774784},
    {"2_to_the_63", 9223372036854775808.0, std::nullopt},
    {"nan", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
};

class RoundCentsTest : public testing::TestWithParam<CentsCase> { };

TEST_P(RoundCentsTest, rounds_half_away_from_zero)
{
    EXPECT_EQ(schedule::roundCents(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cents, RoundCentsTest, testing::ValuesIn(products), RowName{});

} // namespace
