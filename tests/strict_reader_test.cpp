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
    {"uneven_groups", "35,5000", 355000},
    {"decimals", "2.99", 2.99},
    {"surrounding_blanks", " \t 2.99  ", 2.99},
    {"minus", "-5", -5},
    {"plus", "+5", 5},
    {"dollar", "$5", 5},
    {"minus_before_dollar", "-$5", -5},
    {"minus_after_dollar", "$-5", -5},
    {"blank_after_dollar", "$ 355,000", 355000},
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
    {"leading_grouping_mark", ",5", std::nullopt},
    {"trailing_grouping_mark", "5,", std::nullopt},
    {"percent", "2.99%", std::nullopt},
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
    double expected;
};

const LocalCase localCases[] = {
    {"locale_currency_symbol", {",", ".", "\u20AC"}, "\u20AC355.000", 355000},
    {"any_space_groups_where_grouping_is_a_space", {",", "\u202F", "\u20AC"}, "1 234\u00A0567,5", 1234567.5},
    {"comma_decimal_mark", {",", ".", "\u20AC"}, "2,99", 2.99},
    {"comma_groups_in_point_locale", {".", ",", "$"}, "2,99", 299},
};

class LocalStrictTest : public testing::TestWithParam<LocalCase> { };

TEST_P(LocalStrictTest, reads_notation_of_that_locale)
{
    EXPECT_EQ(numtext::readStrict(GetParam().text, GetParam().marks), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ReadStrict, LocalStrictTest, testing::ValuesIn(localCases), RowName{});

TEST(ReadStrict, rejects_a_plain_space_where_grouping_is_not_a_space)
{
    EXPECT_THROW(numtext::readStrict("355 000", {".", ",", "$"}), ReadError);
}

} // namespace
