// SPDX-License-Identifier: GPL-3.0-or-later
#include "notations.h"
#include "numtext/localized_number.h"
#include "numtext/read_number.h"
#include "row_name.h"

#include <charconv>
#include <gtest/gtest.h>
#include <string>
#include <variant>

namespace {

using numtext::ReadError;
using numtext::ReadErrorKind;

const numtext::LocaleMarks german{",", ".", "\u20AC"};
const numtext::LocaleMarks french{",", "\u202F", "\u20AC"};
const numtext::LocaleMarks swiss{".", "\u2019", "CHF"};
const numtext::LocaleMarks indian{.currency = "\u20B9", .primaryGroup = 3, .secondaryGroup = 2};
const numtext::LocaleMarks devanagari{
    .currency = "\u20B9", .zeroDigit = "\u0966", .primaryGroup = 3, .secondaryGroup = 2};
const numtext::LocaleMarks &arabic = notations[4].marks;

// The boundaries of the rule the locale table does not reach: what kind of failure, and where each reading
// stops.
struct KindCase {
    const char *name;
    numtext::LocaleMarks marks;
    std::string text;
    std::variant<double, ReadErrorKind> expected;
};

const KindCase kindCases[] = {
    {"empty", {}, "", ReadErrorKind::Empty},
    {"blanks_of_every_kind", french, " \t\u00A0\u202F", ReadErrorKind::Empty},
    {"line_break_is_not_a_blank", {}, "\n", ReadErrorKind::NotANumber},
    {"too_large_in_the_locale_notation", german, "1e999", ReadErrorKind::OutOfRange},
    {"too_large_only_as_read_leniently", german, "1.5e999", ReadErrorKind::OutOfRange},
    {"too_many_digits", {}, std::string(400, '9'), ReadErrorKind::OutOfRange},
    {"too_small_reads_zero", german, "1.5e-999", 0.0},
    {"lenient_exponent_letter_d", german, "1.5d3", 1500.0},
    {"three_decimals_with_exponent", french, "1.500e3", 1500.0},
    {"three_decimals_without_integer_digits", french, ".500", 0.5},
    {"three_decimals_where_point_is_decimal", {}, "1.500", 1.5},
    {"blank_after_sign", german, "- 5", -5.0},
    {"locale_percent_read_leniently", arabic, "2.99\u066A", 2.99},
    {"exponent_sign_without_digits", german, "1.5e+", ReadErrorKind::NotANumber},
    {"carriage_return", {}, "2.99\r", ReadErrorKind::NotANumber},
};

class ReadNumberKindTest : public testing::TestWithParam<KindCase> { };

TEST_P(ReadNumberKindTest, reads_or_names_why_not)
{
    const KindCase &row = GetParam();
    if (const auto *value = std::get_if<double>(&row.expected)) {
        EXPECT_EQ(numtext::readNumber(row.text, row.marks), *value);
        return;
    }
    try {
        const double value = numtext::readNumber(row.text, row.marks);
        ADD_FAILURE() << "read as " << value;
    } catch (const ReadError &error) {
        EXPECT_EQ(error.kind(), std::get<ReadErrorKind>(row.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(ReadNumber, ReadNumberKindTest, testing::ValuesIn(kindCases), RowName{});

struct LocalizedCase {
    const char *name;
    numtext::LocaleMarks marks;
    const char *plain;
    const char *expected;
};

const LocalizedCase localizedCases[] = {
    {"unchanged_in_point_comma", {}, "-1,234.5", "-1,234.5"},
    {"german_decimals", german, "2.99", "2,99"},
    {"german_grouped_negative", german, "-1,234.5", "-1.234,5"},
    {"swiss_grouping", swiss, "140,000", "140\u2019000"},
    {"french_grouping", french, "140,000.5", "140\u202F000,5"},
    {"arabic_decimals", arabic, "2.99", "\u0662\u066B\u0669\u0669"},
    {"arabic_grouped_negative", arabic, "-1,234.5", "\u061C-\u0661\u066C\u0662\u0663\u0664\u066B\u0665"},
    {"indian_regrouped", indian, "355,000", "3,55,000"},
    {"ungrouped_stays_ungrouped", indian, "355000", "355000"},
    {"devanagari_regrouped", devanagari, "1,234,567.5", "\u0967\u0968,\u0969\u096A,\u096B\u096C\u096D.\u096B"},
    {"exponent_digits", arabic, "1e-7", "\u0661e\u061C-\u0667"},
};

class LocalizedNumberTest : public testing::TestWithParam<LocalizedCase> { };

TEST_P(LocalizedNumberTest, writes_the_locale_notation_that_reads_back)
{
    const LocalizedCase &row = GetParam();
    const std::string text = numtext::localizedNumber(row.plain, row.marks);
    EXPECT_EQ(text, row.expected);
    EXPECT_EQ(numtext::readNumber(text, row.marks), numtext::readNumber(row.plain, {}));
}

INSTANTIATE_TEST_SUITE_P(LocalizedNumber, LocalizedNumberTest, testing::ValuesIn(localizedCases), RowName{});

TEST(LocalizedNumber, the_starting_inputs_read_back_in_every_notation)
{
    std::vector<numtext::LocaleMarks> everyMarks{german, french, swiss, indian, devanagari};
    for (const auto &notation : notations)
        everyMarks.push_back(notation.marks);
    for (const auto &marks : everyMarks)
        for (const std::string_view plain : {"355000", "2.99", "20", "140000", "4", "0.5"}) {
            double value = 0;
            std::from_chars(plain.data(), plain.data() + plain.size(), value);
            const std::string text = numtext::localizedNumber(plain, marks);
            EXPECT_EQ(numtext::readNumber(text, marks), value) << text;
        }
}

} // namespace
