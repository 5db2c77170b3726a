// SPDX-License-Identifier: GPL-3.0-or-later
#include "notations.h"
#include "numtext/strict_reader.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>

namespace {

using numtext::ReadError;
using numtext::ReadErrorKind;

// Either the value read or the kind of ReadError.
struct StrictCase {
    const char *name;
    const char *text; // in the "," grouping, "." decimal notation
    std::optional<double> value;
    ReadErrorKind error = ReadErrorKind::NotANumber;
};

const StrictCase strictCases[] = {
    {"plain_integer", "355000", 355000},
    {"grouped_integer", "355,000", 355000},
    {"grouped_with_decimals", "1,234,567.5", 1234567.5},
    {"uneven_groups", "35,5000", std::nullopt},
    {"four_digit_last_group", "1,0000", std::nullopt},
    {"short_inner_group", "1,00,000", std::nullopt},
    {"long_leading_group", "1000,000", std::nullopt},
    {"two_digit_last_group", "2,99", std::nullopt},
    {"decimals", "2.99", 2.99},
    {"surrounding_blanks", " \t 2.99  ", 2.99},
    {"minus", "-5", -5},
    {"plus", "+5", 5},
    {"dollar", "$5", 5},
    {"minus_before_dollar", "-$5", -5},
    {"minus_after_dollar", "$-5", -5},
    {"blank_after_dollar", "$ 355,000", 355000},
    {"dollar_after", "355,000 $", 355000},
    {"minus_with_dollar_after", "-5$", -5},
    {"percent", "2.99%", 2.99},
    {"blank_before_percent", "2.99 %", 2.99},
    {"leading_decimal_mark", ".5", 0.5},
    {"trailing_decimal_mark", "5.", 5},
    {"exponent", "1e3", 1000},
    {"signed_exponent", "1.5E-2", 0.015},
    {"too_small_reads_as_zero", "1e-999", 0},
    {"upper_bound_of_principal", "10000000", 10000000},
    {"empty", "", std::nullopt, ReadErrorKind::Empty},
    {"only_blanks", "   ", std::nullopt, ReadErrorKind::Empty},
    {"letters", "abc", std::nullopt},
    {"lone_minus", "-", std::nullopt},
    {"lone_dollar", "$", std::nullopt},
    {"lone_decimal_mark", ".", std::nullopt},
    {"nan", "nan", std::nullopt},
    {"inf", "inf", std::nullopt},
    {"too_large", "1e999", std::nullopt, ReadErrorKind::OutOfRange},
    {"two_decimal_marks", "1.2.3", std::nullopt},
    {"grouping_in_decimals", "1.000,5", std::nullopt},
    {"double_grouping_mark", "1,,000", std::nullopt},
    {"percent_with_dollar", "$5%", std::nullopt},
    {"dollar_on_both_sides", "$5$", std::nullopt},
    {"two_percent_signs", "5%%", std::nullopt},
    {"exponent_without_digits", "1e", std::nullopt},
    {"exponent_sign_without_digits", "1e+", std::nullopt},
    {"two_signs", "--5", std::nullopt},
    {"trailing_sign", "5-", std::nullopt},
    {"two_dollars", "$$5", std::nullopt},
    {"blank_after_sign", "- 5", std::nullopt},
    {"hexadecimal", "0x10", std::nullopt},
    {"trailing_letters", "12abc", std::nullopt},
};

class StrictReaderTest : public testing::TestWithParam<std::tuple<StrictCase, Notation>> { };

TEST_P(StrictReaderTest, reads_one_number_in_the_locale_notation_or_fails)
{
    const auto &[row, notation] = GetParam();
    const std::string text = inNotation(row.text, notation.marks);
    if (row.value) {
        EXPECT_EQ(numtext::readStrict(text, notation.marks), *row.value) << text;
        return;
    }
    try {
        numtext::readStrict(text, notation.marks);
        FAIL() << "no ReadError for \"" << text << '"';
    } catch (const ReadError &error) {
        EXPECT_EQ(error.kind(), row.error) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(ReadStrict, StrictReaderTest,
                         testing::Combine(testing::ValuesIn(strictCases), testing::ValuesIn(notations)),
                         RowAndNotationName{});

struct LocalCase {
    const char *name;
    numtext::LocaleMarks marks;
    const char *text;
    std::optional<double> expected; // nothing when the text is not a number
};

const numtext::LocaleMarks german{",", ".", "\u20AC"};
const numtext::LocaleMarks french{",", "\u202F", "\u20AC"};
const numtext::LocaleMarks indian{.currency = "\u20B9", .primaryGroup = 3, .secondaryGroup = 2};
const numtext::LocaleMarks arabic{.decimal = "\u066B",
                                  .grouping = "\u066C",
                                  .currency = "\u062C.\u0645.\u200F",
                                  .zeroDigit = "\u0660",
                                  .percent = "\u066A\u061C",
                                  .minus = "\u061C-"};

const LocalCase localCases[] = {
    {"locale_currency_symbol", german, "\u20AC355.000", 355000},
    {"locale_currency_after_no_break_space", german, "140.000,00\u00A0\u20AC", 140000},
    {"any_space_groups_where_grouping_is_a_space", french, "1 234\u00A0567,5", 1234567.5},
    {"space_grouping_mark_at_the_end_is_a_blank", french, "5\u202F", 5},
    {"comma_decimal_mark", german, "2,99", 2.99},
    {"leading_grouping_mark", german, ".5", std::nullopt},
    {"trailing_grouping_mark", german, "5.", std::nullopt},
    {"comma_groups_in_point_locale", {".", ",", "$"}, "2,99", std::nullopt},
    {"ascii_apostrophe_for_right_quote", {".", "\u2019", "CHF"}, "CHF 140'000", 140000},
    {"right_quote_for_ascii_apostrophe", {".", "'", "CHF"}, "140\u2019000", 140000},
    {"indian_grouping", indian, "3,55,00,000", 35500000},
    {"threes_in_an_indian_locale", indian, "35,500,000", 35500000},
    {"indian_grouping_needs_full_groups", indian, "35,5000", std::nullopt},
    {"groups_of_two_or_three_not_mixed", indian, "3,55,500,000", std::nullopt},
    {"arabic_digits_and_marks", arabic, "\u0662\u066B\u0669\u0669", 2.99},
    {"ascii_digits_in_arabic_marks", arabic, "355\u066C000", 355000},
    {"arabic_minus_and_percent", arabic, "\u061C-\u0662\u066B\u0669\u0669\u066A\u061C", -2.99},
    {"arabic_minus_and_percent_as_typed", arabic, "-\u0662\u066B\u0669\u0669\u066A", -2.99},
    {"digit_scripts_mixed", arabic,
     "\u0664"
     "4",
     std::nullopt},
    {"digit_scripts_mixed_across_a_group", arabic,
     "\u0663\u0665\u0665\u066C"
     "000",
     std::nullopt},
};

class LocalStrictTest : public testing::TestWithParam<LocalCase> { };

TEST_P(LocalStrictTest, reads_notation_of_that_locale)
{
    const LocalCase &row = GetParam();
    if (row.expected)
        EXPECT_EQ(numtext::readStrict(row.text, row.marks), *row.expected);
    else
        EXPECT_THROW(numtext::readStrict(row.text, row.marks), ReadError);
}

INSTANTIATE_TEST_SUITE_P(ReadStrict, LocalStrictTest, testing::ValuesIn(localCases), RowName{});

TEST(ReadStrict, rejects_a_plain_space_where_grouping_is_not_a_space)
{
    EXPECT_THROW(numtext::readStrict("355 000", {".", ",", "$"}), ReadError);
}

} // namespace
