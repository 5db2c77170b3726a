// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_name.h"
#include "schedule/month_text.h"

#include <gtest/gtest.h>

namespace {

struct MonthCase {
    const char *name;
    const char *text;
    std::optional<schedule::Month> month; // none: refused
};

const MonthCase monthCases[] = {
    {"a_month", "2026-03", schedule::Month{2026, 3}},
    {"the_first_allowed", "1900-01", schedule::Month{1900, 1}},
    {"the_last_allowed", "2999-12", schedule::Month{2999, 12}},
    {"before_the_first", "1899-12", std::nullopt},
    {"after_the_last", "3000-01", std::nullopt},
    {"month_13", "2027-13", std::nullopt},
    {"month_0", "2027-00", std::nullopt},
    {"one_digit_month", "2027-3", std::nullopt},
    {"signed_year", "+2027-03", std::nullopt},
    {"signed_month", "2027-+3", std::nullopt},
    {"leading_blank", " 2027-03", std::nullopt},
    {"trailing_blank", "2027-03 ", std::nullopt},
    {"another_separator", "2027/03", std::nullopt},
    {"day_as_well", "2027-03-01", std::nullopt},
    {"empty", "", std::nullopt},
};

class MonthTextTest : public testing::TestWithParam<MonthCase> { };

TEST_P(MonthTextTest, reads_only_four_digits_a_hyphen_and_two_digits_within_the_range)
{
    const MonthCase &c = GetParam();
    EXPECT_EQ(schedule::readMonth(c.text), c.month);
    // Every month read is written back as it was read.
    if (c.month) {
        EXPECT_EQ(schedule::monthText(*c.month), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(MonthText, MonthTextTest, testing::ValuesIn(monthCases), RowName{});

TEST(MonthText, writes_a_year_beyond_four_digits_or_before_0_whole_and_signed)
{
    EXPECT_EQ(schedule::monthText({987, 7}), "0987-07");
    EXPECT_EQ(schedule::monthText({12345, 1}), "12345-01");
    EXPECT_EQ(schedule::monthText({-5, 11}), "-0005-11");
}

} // namespace
