// SPDX-License-Identifier: GPL-3.0-or-later
#include "notations.h"
#include "numtext/display_patterns.h"
#include "numtext/left_to_right_figure.h"
#include "numtext/render.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

namespace pattern = numtext::pattern;

struct RenderCase {
    const char *name;
    double value;
    std::string_view pattern;
    const char *expected; // in the "," grouping, "." decimal notation
};

const RenderCase renderCases[] = {
    {"payment", 1967.0448303881658, pattern::LoanMoney, "$1,967.04"},
    {"payment_in_accumulated_pattern", 1967.0448303881658, pattern::AccumulatedMoney, "$1,967.04"},
    {"payment_in_blend_pattern", 1967.0448303881658, pattern::BlendMoney, "$1,967.04"},
    {"accumulated_value", 645079.7911639676, pattern::AccumulatedMoney, "$645,079.79"},
    {"below_one_keeps_its_zero", 0.5, pattern::BlendMoney, "$0.50"},
    {"millions_grouped", 1234567.891, pattern::LoanMoney, "$1,234,567.89"},
    {"more_digits_than_placeholders", 1e20, pattern::BlendMoney, "$100,000,000,000,000,000,000.00"},
    {"negative_sign_before_literal", -63609.3906, pattern::LoanMoney, "-$63,609.39"},
    {"zero_money", 0, pattern::BlendMoney, "$0.00"},
    {"negative_zero", -0.0, pattern::BlendMoney, "$0.00"},
    {"rounds_to_zero_without_sign", -0.004, pattern::LoanMoney, "$0.00"},
    {"rounds_away_from_zero_negative", -0.005, pattern::LoanMoney, "-$0.01"},
    {"carry_through_grouping", 999.995, pattern::BlendMoney, "$1,000.00"},
    {"tie_rounds_up_as_printed", 2.675, "0.00", "2.68"},
    {"tie_just_above_one", 1.005, "0.00", "1.01"},
    {"negative_tie", -2.675, "0.00", "-2.68"},
    {"tiniest_double", 5e-324, "0.00", "0.00"},
    {"effective_rate", 3.0313176978484124, pattern::Rate, "3.0313"},
    {"trailing_zeros_dropped", 3.495, pattern::Rate, "3.495"},
    {"no_leading_zero", 0.5, pattern::Rate, ".5"},
    {"small_rate", 0.75, pattern::Rate, ".75"},
    {"point_without_decimals", 1000, pattern::Rate, "1000."},
    {"whole_rate", 5, pattern::Rate, "5."},
    {"rate_carry_to_whole", 0.99995, pattern::Rate, "1."},
    {"rate_rounds_to_nothing", 0.00004, pattern::Rate, "."},
    {"rate_ungrouped", 12345.6, pattern::Rate, "12345.6"},
    {"years", 20.56152915021153, pattern::Years, "20.56"},
    {"whole_years", 12, pattern::Years, "12.00"},
    {"grouped_years", 1234.5, pattern::Years, "1,234.50"},
    {"suffix_literal", 1234.5, "#,##0 kr", "1,235 kr"},
    {"quoted_prefix", 5, "\"USD \"0.00", "USD 5.00"},
    {"escaped_prefix", 5, "\\#0", "#5"},
    {"optional_decimals", 1.234, "0.0#", "1.23"},
    {"optional_decimal_dropped", 2, "0.0#", "2.0"},
    {"zero_padded_integer", 7, "000", "007"},
};

class RenderTest : public testing::TestWithParam<std::tuple<RenderCase, Notation>> { };

TEST_P(RenderTest, lays_out_the_value_with_the_locale_marks)
{
    const auto &[row, notation] = GetParam();
    EXPECT_EQ(numtext::render(row.value, row.pattern, notation.marks), inNotation(row.expected, notation.marks));
}

INSTANTIATE_TEST_SUITE_P(Render, RenderTest,
                         testing::Combine(testing::ValuesIn(renderCases), testing::ValuesIn(notations)),
                         RowAndNotationName{});

struct LocalRenderCase {
    const char *name;
    numtext::LocaleMarks marks;
    double value;
    std::string_view pattern;
    const char *expected;
};

const numtext::LocaleMarks indian{.currency = "\u20B9", .primaryGroup = 3, .secondaryGroup = 2};
const numtext::LocaleMarks devanagari{
    .currency = "\u20B9", .zeroDigit = "\u0966", .primaryGroup = 3, .secondaryGroup = 2};
// Extended Arabic-Indic digits, with a minus sign that is not ASCII.
const numtext::LocaleMarks persian{.decimal = "\u066B",
                                   .grouping = "\u066C",
                                   .currency = "\u0631\u06CC\u0627\u0644",
                                   .zeroDigit = "\u06F0",
                                   .minus = "\u200E\u2212"};

const LocalRenderCase localRenderCases[] = {
    {"indian_crore", indian, 35500000.5, pattern::LoanMoney, "$3,55,00,000.50"},
    {"indian_below_a_lakh", indian, 99999.994, pattern::BlendMoney, "$99,999.99"},
    {"indian_carry_into_a_lakh", indian, 99999.995, pattern::BlendMoney, "$1,00,000.00"},
    {"indian_rate_ungrouped", indian, 12345.6, pattern::Rate, "12345.6"},
    {"devanagari_digits", devanagari, 1234567.891, pattern::LoanMoney,
     "$\u0967\u0968,\u0969\u096A,\u096B\u096C\u096D.\u096E\u096F"},
    {"devanagari_rate", devanagari, 3.0313176978484124, pattern::Rate, "\u0969.\u0966\u0969\u0967\u0969"},
    {"persian_negative", persian, -0.5, "0.00", "\u200E\u2212\u06F0\u066B\u06F5\u06F0"},
    {"digits_in_literals_kept", devanagari, 5, "\"1x\"0", "1x\u096B"},
};

class LocalRenderTest : public testing::TestWithParam<LocalRenderCase> { };

TEST_P(LocalRenderTest, writes_the_locale_digits_and_grouping)
{
    const LocalRenderCase &row = GetParam();
    EXPECT_EQ(numtext::render(row.value, row.pattern, row.marks), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Render, LocalRenderTest, testing::ValuesIn(localRenderCases), RowName{});

TEST(Render, shows_every_digit_of_the_largest_double)
{
    const std::string text = numtext::render(std::numeric_limits<double>::max(), "0", {});
    EXPECT_EQ(text.size(), 309u);
    EXPECT_EQ(text.substr(0, 17), "17976931348623157");
}

TEST(Render, refuses_values_that_are_not_finite)
{
    EXPECT_THROW(numtext::render(std::numeric_limits<double>::infinity(), pattern::Rate, {}), std::domain_error);
    EXPECT_THROW(numtext::render(std::numeric_limits<double>::quiet_NaN(), pattern::Rate, {}), std::domain_error);
}

TEST(Render, refuses_patterns_it_cannot_lay_out)
{
    EXPECT_THROW(numtext::render(1, "abc", {}), std::invalid_argument);
    EXPECT_THROW(numtext::render(1, "#x#", {}), std::invalid_argument);
}

TEST(IntegerText, writes_one_as_a_field_reset_shows_it)
{
    EXPECT_EQ(numtext::integerText(1), "1");
}

// Isolated only where right-to-left layout would move something, so a left-to-right locale's text is unchanged.
TEST(LeftToRightFigure, isolates_figures_that_right_to_left_layout_would_move)
{
    const std::pair<const char *, bool> cases[] = {
        {"-$1,967.04", false},
        {"M\u00E4rz 2029", false},
        {"\u20AC1.967,04", false},
        {"$\u0661\u0669\u0666\u0667", true}, // Arabic-Indic digits
        {"\u05D3\u05E6\u05DE\u05D1\u05E8 2049", true}, // a Hebrew month name
        {"\u200F-1", true}, // a right-to-left mark
        {"\U0001E951\U0001E950", true}, // Adlam digits, beyond the Basic Multilingual Plane
    };
    for (const auto &[figure, isolated] : cases)
        EXPECT_EQ(numtext::leftToRightFigure(figure),
                  isolated ? "\u2068" + std::string(figure) + "\u2069" : std::string(figure))
            << figure;
    EXPECT_EQ(numtext::leftToRightMarks({".", ",", "$", "0", "%", 3, 3, "\u061C-"}).minus, "-");
}

} // namespace
