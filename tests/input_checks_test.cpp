// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "fake_form.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

using commands::Field;

using Check = bool (*)(commands::WindowOperations &, const numtext::LocaleMarks &);

const numtext::LocaleMarks pointComma{".", ",", "$"};

constexpr std::string_view principalMessage = "enter a Principal between $1 and $10000,000";
constexpr std::string_view rateMessage = "enter an Annual Interest Rate between 1% and 25%";
constexpr std::string_view periodMessage = "enter an Amortization Period between 1 and 50 years";

struct RangeCase {
    const char *name;
    Check check;
    Field field;
    const char *text;
    std::string_view rejection; // empty when the value passes
};

const RangeCase rangeCases[] = {
    {"principal_upper_bound_passes", commands::Text1_LostFocus, Field::Text1, "10000000", ""},
    {"principal_above_ten_million", commands::Text1_LostFocus, Field::Text1, "10000001", principalMessage},
    {"principal_lower_bound_passes", commands::Text1_LostFocus, Field::Text1, "1", ""},
    {"principal_below_one", commands::Text1_LostFocus, Field::Text1, "0.99", principalMessage},
    {"principal_zero", commands::Text1_LostFocus, Field::Text1, "0", principalMessage},
    {"principal_negative", commands::Text1_LostFocus, Field::Text1, "-5", principalMessage},
    {"principal_grouped_passes", commands::Text1_LostFocus, Field::Text1, "355,000", ""},
    {"principal_with_currency_passes", commands::Text1_LostFocus, Field::Text1, "$355,000", ""},
    {"rate_below_one", commands::Text2_LostFocus, Field::Text2, "0.5", rateMessage},
    {"rate_lower_bound_passes", commands::Text2_LostFocus, Field::Text2, "1", ""},
    {"rate_upper_bound_passes", commands::Text2_LostFocus, Field::Text2, "25", ""},
    {"rate_just_above_upper_bound", commands::Text2_LostFocus, Field::Text2, "25.01", rateMessage},
    {"period_upper_bound_passes", commands::Text3_LostFocus, Field::Text3, "50", ""},
    {"period_above_fifty", commands::Text3_LostFocus, Field::Text3, "51", periodMessage},
    {"period_lower_bound_passes", commands::Text3_LostFocus, Field::Text3, "1", ""},
    {"period_below_one", commands::Text3_LostFocus, Field::Text3, "0.5", periodMessage},
};

class RangeCheckTest : public testing::TestWithParam<RangeCase> { };

TEST_P(RangeCheckTest, resets_explains_and_hands_back_or_stays_silent)
{
    const RangeCase &row = GetParam();
    FakeForm form;
    form.type(row.field, row.text);
    EXPECT_EQ(row.check(form, pointComma), row.rejection.empty());

    if (row.rejection.empty()) {
        EXPECT_EQ(form.log, std::vector<std::string>{});
        EXPECT_EQ(form.getText(row.field), row.text);
        return;
    }
    const std::string name = FakeForm::name(row.field);
    // The field already reads "1" while the message is up.
    EXPECT_EQ(
        form.log,
        (std::vector<std::string>{"set " + name + " 1", "message " + std::string(row.rejection), "focus " + name}));
    EXPECT_EQ(form.getText(row.field), "1");
}

INSTANTIATE_TEST_SUITE_P(InputChecks, RangeCheckTest, testing::ValuesIn(rangeCases), RowName{});

TEST(InputChecks, leave_a_reset_field_in_peace_the_second_time)
{
    FakeForm form;
    form.type(Field::Text2, "0.5");
    commands::Text2_LostFocus(form, pointComma);
    form.log.clear();
    commands::Text2_LostFocus(form, pointComma);
    EXPECT_EQ(form.log, std::vector<std::string>{});
}

TEST(InputChecks, accept_the_locale_notation)
{
    FakeForm form;
    form.type(Field::Text1, "355.000");
    commands::Text1_LostFocus(form, {",", ".", "\u20AC"});
    EXPECT_EQ(form.log, std::vector<std::string>{});
}

struct UnreadableCase {
    const char *name;
    Check check;
    Field field;
    const char *text;
    const char *message;
};

const UnreadableCase unreadableCases[] = {
    {"letters_in_principal", commands::Text1_LostFocus, Field::Text1, "abc",
     "The loan 1 principal \"abc\" is not a number. Enter a number such as 355,000."},
    {"empty_rate", commands::Text2_LostFocus, Field::Text2, "",
     "The loan 1 annual interest rate is empty. Enter a number such as 2.99."},
    {"stray_sign_in_period", commands::Text3_LostFocus, Field::Text3, "-",
     "The amortization period \"-\" is not a number. Enter a number such as 20."},
    {"principal_too_large", commands::Text1_LostFocus, Field::Text1, "1e999",
     "The loan 1 principal \"1e999\" is too large to be a number. Enter a number such as 355,000."},
    {"long_text_is_shortened", commands::Text1_LostFocus, Field::Text1,
     "12345678901234567890123456789012345678\u00E9\u00E9xyz",
     "The loan 1 principal \"12345678901234567890123456789012345678\u00E9\u2026\" is not a number. Enter a number "
     "such as 355,000."},
};

class UnreadableInputTest : public testing::TestWithParam<UnreadableCase> { };

TEST_P(UnreadableInputTest, explains_and_hands_the_text_back_unchanged)
{
    const UnreadableCase &row = GetParam();
    FakeForm form;
    form.type(row.field, row.text);
    EXPECT_FALSE(row.check(form, pointComma));
    EXPECT_EQ(form.log,
              (std::vector<std::string>{"message " + std::string(row.message), "focus " + FakeForm::name(row.field)}));
    EXPECT_EQ(form.getText(row.field), row.text);
}

INSTANTIATE_TEST_SUITE_P(InputChecks, UnreadableInputTest, testing::ValuesIn(unreadableCases), RowName{});

} // namespace
