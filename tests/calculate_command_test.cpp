// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "default_run.h"
#include "fake_form.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

using commands::Field;

const numtext::LocaleMarks pointComma{".", ",", "$"};

std::vector<std::string> defaultRunLog()
{
    std::vector<std::string> log;
    for (const auto &[field, text] : defaultRunTexts)
        log.push_back("set " + std::string(field) + " " + std::string(text));
    return log;
}

std::vector<std::string> resultFieldsReading(const FakeForm &form, std::string_view text)
{
    std::vector<std::string> fields;
    for (const auto &spec : commands::form::textBoxes())
        if (spec.role == commands::form::Role::Result && form.getText(spec.field) == text)
            fields.emplace_back(spec.name);
    return fields;
}

TEST(Calculate, writes_every_figure_of_the_default_run_in_order)
{
    FakeForm form;
    commands::Command1_Click(form, pointComma);
    EXPECT_EQ(form.log, defaultRunLog());
}

TEST(Calculate, writes_the_same_texts_when_run_twice)
{
    FakeForm form;
    commands::Command1_Click(form, pointComma);
    commands::Command1_Click(form, pointComma);
    auto twice = defaultRunLog();
    const auto once = defaultRunLog();
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(form.log, twice);
}

TEST(Calculate, stops_at_loan_2_payment_on_a_zero_rate_and_empties_what_it_did_not_reach)
{
    FakeForm form;
    form.fillResults("stale");
    form.type(Field::Text7, "0");
    commands::Command1_Click(form, pointComma);

    EXPECT_EQ(form.getText(Field::Text4), "$1,967.04");
    EXPECT_EQ(form.getText(Field::Text8), "$117,090.76");
    EXPECT_EQ(form.getText(Field::Text21), "3.0313");
    EXPECT_EQ(form.getText(Field::Text22), "$645,079.79");
    EXPECT_EQ(resultFieldsReading(form, "stale"), std::vector<std::string>{});
    EXPECT_EQ(resultFieldsReading(form, "").size(), 22u);
    EXPECT_EQ(
        form.messages(),
        std::vector<std::string>{"Loan 2's monthly payment could not be calculated: a rate of 0% or a period of 0 "
                                 "years cannot be calculated (the payment would be 0 divided by 0). The results "
                                 "that depend on it are left empty."});
    EXPECT_EQ(form.getText(Field::Text7), "0") << "inputs stay as typed";
}

TEST(Calculate, fills_every_field_up_to_the_average_payoff_that_never_ends)
{
    FakeForm form;
    form.fillResults("stale");
    form.type(Field::Text1, "10000");
    form.type(Field::Text2, "25");
    form.type(Field::Text3, "50");
    form.type(Field::Text6, "10000000");
    form.type(Field::Text7, "1");
    commands::Command1_Click(form, pointComma);

    EXPECT_EQ(resultFieldsReading(form, "stale"), std::vector<std::string>{});
    EXPECT_EQ(resultFieldsReading(form, ""), (std::vector<std::string>{"Text24", "Text25", "Text29", "Text30"}));
    EXPECT_EQ(form.messages(),
              std::vector<std::string>{
                  "The payoff period at the average rate could not be calculated: the combined monthly payment never "
                  "repays the total principal at the average rate, because a month's interest on the total principal "
                  "at that rate is at least the payment. The results that depend on it are left empty."});
}

struct UnreadableCase {
    const char *name;
    Field field;
    const char *text;
    const char *message;
    Field later = Field::Text3; // a field after it in reading order, typed only where `laterText` is given
    const char *laterText = nullptr;
};

const UnreadableCase unreadableCases[] = {
    {"principal_with_trailing_letters", Field::Text1, "355000abc",
     "The loan 1 principal \"355000abc\" is not a number. Enter a number such as 355,000."},
    {"principal_too_large_for_a_number", Field::Text1, "1e999",
     "The loan 1 principal \"1e999\" is too large to be a number. Enter a number such as 355,000."},
    {"loan_2_principal_on_two_lines", Field::Text6, "355000\n140000",
     "The loan 2 principal \"355000\\u000A140000\" is not a number. Enter a number such as 140,000."},
    {"bell_and_direction_override_shown", Field::Text1, "35\a5\u202E0",
     "The loan 1 principal \"35\\u00075\\u202E0\" is not a number. Enter a number such as 355,000."},
    {"delete_shown", Field::Text1, "35\x7F" "50",
     "The loan 1 principal \"35\\u007F50\" is not a number. Enter a number such as 355,000."},
    {"loan_2_rate_in_native_digits_of_another_locale", Field::Text7, "\u0664",
     "The loan 2 annual interest rate \"\u0664\" is not a number. Enter a number such as 4.5."},
    {"period_in_parentheses", Field::Text3, "(20)",
     "The amortization period \"(20)\" is not a number. Enter a number such as 20."},
    // Loan 2's principal stands before loan 1's rate in the window, though after it in the field numbering.
    {"first_of_two_in_reading_order", Field::Text6, "xyz",
     "The loan 2 principal \"xyz\" is not a number. Enter a number such as 140,000.", Field::Text2, "abc"},
};

class CalculateUnreadableTest : public testing::TestWithParam<UnreadableCase> { };

TEST_P(CalculateUnreadableTest, computes_nothing_empties_every_result_and_hands_over_the_field)
{
    const UnreadableCase &row = GetParam();
    FakeForm form;
    form.fillResults("stale");
    form.type(row.field, row.text);
    if (row.laterText)
        form.type(row.later, row.laterText);
    const commands::CalculationOutcome outcome = commands::Command1_Click(form, pointComma);

    EXPECT_TRUE(outcome.done.none());
    EXPECT_EQ(resultFieldsReading(form, "").size(), 26u);
    EXPECT_EQ(form.messages(), std::vector<std::string>{row.message});
    EXPECT_EQ(form.log.back(), "focus " + FakeForm::name(row.field));
    EXPECT_EQ(form.getText(row.field), row.text);
}

INSTANTIATE_TEST_SUITE_P(Calculate, CalculateUnreadableTest, testing::ValuesIn(unreadableCases), RowName{});

TEST(Calculate, reads_an_empty_loan_2_as_no_loan_2)
{
    FakeForm form;
    form.type(Field::Text6, "");
    commands::Command1_Click(form, pointComma);
    EXPECT_EQ(form.getText(Field::Text10), "$0.00");
    EXPECT_EQ(form.getText(Field::Text16), "$355,000.00");
    EXPECT_EQ(form.messages(), std::vector<std::string>{});
}

struct ReadCase {
    const char *name;
    numtext::LocaleMarks marks;
    const char *principal;
    const char *rate;
    const char *expectedPayment;
};

const ReadCase readCases[] = {
    {"grouped_principal_is_read_whole", pointComma, "355,000", "2.99", "$1,967.04"},
    {"currency_and_grouping", pointComma, "$355,000", "2.99", "$1,967.04"},
    {"percent_sign_after_the_rate", pointComma, "355000", "2.99%", "$1,967.04"},
    {"blanks_inside_read_compactly", pointComma, "355000", " 2 . 9 9", "$1,967.04"},
    {"comma_decimal_locale", {",", ".", "\u20AC"}, "355.000", "2,99", "$1.967,04"},
    {"space_grouping_locale", {",", "\u202F", "\u20AC"}, "355\u202F000", "2,99", "$1\u202F967,04"},
};

class CalculateReadTest : public testing::TestWithParam<ReadCase> { };

TEST_P(CalculateReadTest, reads_inputs_as_the_checks_do)
{
    FakeForm form;
    form.type(Field::Text1, GetParam().principal);
    form.type(Field::Text2, GetParam().rate);
    commands::Command1_Click(form, GetParam().marks);
    EXPECT_EQ(form.getText(Field::Text4), GetParam().expectedPayment);
    EXPECT_EQ(form.messages(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Calculate, CalculateReadTest, testing::ValuesIn(readCases), RowName{});

TEST(Exit, beeps_then_ends_the_program)
{
    FakeForm form;
    commands::cmdExit_Click(form);
    EXPECT_EQ(form.log, (std::vector<std::string>{"beep", "end"}));
}

} // namespace
