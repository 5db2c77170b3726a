// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// How typed text reads under a locale's own notation, with the locale named as Qt names it. Plain data, so the
// readers and every window command that reads a field can be proven against the same rows.
struct ReadingRow {
    const char *name;
    const char *locale;
    const char *text;
    std::optional<double> value; // nothing when the text is not a number
};

inline constexpr std::nullopt_t notANumber = std::nullopt;

// en_US differs from C only in its currency symbol and in grouping what it writes, so only the rows where
// those could matter are repeated for it.
inline constexpr ReadingRow readingTable[] = {
    {"c_grouped_thousand", "C", "1,000", 1000},
    {"c_four_digit_group", "C", "1,0000", notANumber},
    {"c_one_digit_groups", "C", "1,2,3", notANumber},
    {"c_uneven_groups", "C", "35,5000", notANumber},
    {"c_comma_before_decimals", "C", "2,99", notANumber},
    {"c_two_lines", "C", "355000\n140000", notANumber},
    {"c_line_break_after", "C", "355000\n", notANumber},
    {"c_currency_code", "C", "US$355,000", notANumber},
    {"c_foreign_currency", "C", "\u20AC355.000", notANumber},
    {"c_parentheses", "C", "(355000)", notANumber},
    {"c_arabic_indic_digit", "C", "\u0664", notANumber},
    {"c_fullwidth_digit", "C", "\uFF14", notANumber},
    {"c_letters", "C", "abc", notANumber},
    {"c_exponent_without_digits", "C", "1e", notANumber},
    {"c_two_points", "C", "1.2.3", notANumber},
    {"c_lone_minus", "C", "-", notANumber},
    {"c_trailing_letters", "C", "355000abc", notANumber},
    {"c_percent", "C", "2.99%", 2.99},
    {"c_blanks_inside", "C", " 2 . 9 9", 2.99},
    {"c_exponent", "C", "1e3", 1000},
    {"en_dollar_grouped", "en_US", "$355,000", 355000},
    {"en_grouped_thousand", "en_US", "1,000", 1000},
    {"en_four_digit_group", "en_US", "1,0000", notANumber},
    {"en_comma_before_decimals", "en_US", "2,99", notANumber},
    {"en_currency_code", "en_US", "US$355,000", notANumber},
    {"en_percent", "en_US", "2.99%", 2.99},
    {"de_point_decimals", "de_DE", "2.99", 2.99},
    {"de_comma_decimals", "de_DE", "2,99", 2.99},
    {"de_grouped", "de_DE", "355.000", 355000},
    {"de_money_as_written", "de_DE", "140.000,00 \u20AC", 140000},
    {"de_money_with_no_break_space", "de_DE", "140.000,00\u00A0\u20AC", 140000},
    {"de_grouped_with_currency", "de_DE", "140.000 \u20AC", 140000},
    {"de_no_break_space_inside", "de_DE", "355\u00A0000", 355000},
    {"de_point_one_decimal", "de_DE", "4.5", 4.5},
    {"de_point_two_decimals", "de_DE", "1.40", 1.4},
    {"de_percent", "de_DE", "2.99%", 2.99},
    {"de_comma_percent", "de_DE", "2,99 %", 2.99},
    {"de_blanks_inside", "de_DE", " 2 . 9 9", 2.99},
    {"de_dollar_first", "de_DE", "$355.000", 355000},
    {"ch_ascii_apostrophe", "de_CH", "140'000", 140000},
    {"ch_right_quote", "de_CH", "140\u2019000", 140000},
    {"ch_franc_code", "de_CH", "CHF 140\u2019000", 140000},
    {"ch_point_decimals", "de_CH", "2.99", 2.99},
    {"fr_point_and_three_digits", "fr_FR", "140.000", notANumber},
    {"fr_point_and_three_digits_short", "fr_FR", "1.500", notANumber},
    {"fr_point_then_space_grouped", "fr_FR", "2.500 000", notANumber},
    {"de_point_then_space_grouped", "de_DE", "1.000\u00A0000", notANumber},
    {"fr_space_grouped", "fr_FR", "140 000", 140000},
    {"fr_no_break_space_grouped", "fr_FR", "140\u00A0000", 140000},
    {"fr_narrow_no_break_space_grouped", "fr_FR", "140\u202F000", 140000},
    {"fr_comma_decimals", "fr_FR", "2,99", 2.99},
    {"fr_point_decimals", "fr_FR", "2.99", 2.99},
    {"fr_percent", "fr_FR", "2.99%", 2.99},
    {"fr_money_as_written", "fr_FR", "140\u202F000,00\u00A0\u20AC", 140000},
    {"in_indian_grouping", "hi_IN", "3,55,000", 355000},
    {"in_grouped_in_threes", "hi_IN", "355,000", 355000},
    {"in_uneven_groups", "hi_IN", "35,5000", notANumber},
    {"in_rupee", "hi_IN", "\u20B93,55,000", 355000},
    {"in_percent", "hi_IN", "2.99%", 2.99},
    {"eg_digit", "ar_EG", "\u0664", 4},
    {"eg_decimals", "ar_EG", "\u0662\u066B\u0669\u0669", 2.99},
    {"eg_ascii_decimals", "ar_EG", "2.99", 2.99},
    {"eg_grouped", "ar_EG", "\u0663\u0665\u0665\u066C\u0660\u0660\u0660", 355000},
    {"eg_mixed_digits", "ar_EG",
     "\u0664"
     "4",
     notANumber},
    {"eg_percent", "ar_EG", "2.99%", 2.99},
    {"eg_arabic_percent", "ar_EG", "\u0662\u066B\u0669\u0669\u066A", 2.99},
    {"eg_arabic_minus", "ar_EG", "\u061C-\u0664", -4},
    {"eg_point_and_three_digits", "ar_EG", "355.000", notANumber},
};
