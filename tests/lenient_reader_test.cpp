// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/lenient_reader.h"
#include "row_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct LenientCase {
    const char *name;
    std::string text;
    double expected;
};

const LenientCase lenientCases[] = {
    {"plain_integer", "355000", 355000},
    {"blank_inside", "355 000", 355000},
    {"blanks_tabs_and_line_feeds_anywhere", " 2 . 9\t9\n", 2.99},
    {"percent_sign_ends_it", "2.99%", 2.99},
    {"grouping_comma_ends_it", "1,000", 1},
    {"comma_is_never_a_decimal_mark", "2,99", 2},
    {"currency_first_gives_zero", "$5", 0},
    {"empty", "", 0},
    {"letters", "abc", 0},
    {"trailing_letters", "12abc", 12},
    {"lone_minus", "-", 0},
    {"lone_point", ".", 0},
    {"minus", "-5", -5},
    {"plus", "+5", 5},
    {"blank_after_sign", "- 5", -5},
    {"leading_point", ".5", 0.5},
    {"trailing_point", "5.", 5},
    {"second_point_ends_it", "1.2.3", 1.2},
    {"exponent_e", "1e3", 1000},
    {"exponent_upper_e", "1E3", 1000},
    {"exponent_d", "1d3", 1000},
    {"exponent_upper_d", "1D3", 1000},
    {"negative_exponent", "25e-1", 2.5},
    {"exponent_after_point", "5.e2", 500},
    {"blank_inside_exponent", "1e 3", 1000},
    {"exponent_without_digits", "1e", 1},
    {"exponent_sign_without_digits", "1e+", 1},
    {"exponent_without_mantissa", "e5", 0},
    {"too_large", "1e999", inf},
    {"too_large_negative", "-1e999", -inf},
    {"too_small", "1e-999", 0},
    {"huge_exponent_digits", "1e99999999999999999999999", inf},
    {"four_hundred_nines", std::string(400, '9'), inf},
    {"zero_with_huge_exponent", "0e99999", 0},
    {"non_breaking_space_ends_it", "355\u00A0000", 355},
};

class LenientReaderTest : public testing::TestWithParam<LenientCase> { };

TEST_P(LenientReaderTest, reads_the_leading_number)
{
    EXPECT_EQ(numtext::readLenient(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ReadLenient, LenientReaderTest, testing::ValuesIn(lenientCases), RowName{});

TEST(ReadLenient, keeps_the_sign_of_a_number_too_small_for_a_double)
{
    EXPECT_TRUE(std::signbit(numtext::readLenient("-1e-999")));
}

} // namespace
