#include "default_run.h"
#include "fake_form.h"
#include "row_name.h"
#include "window/commands.h"

#include <gtest/gtest.h>

namespace {

using window::Field;

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
    for (const auto &spec : window::form::textBoxes())
        if (spec.role == window::form::Role::Result && form.getText(spec.field) == text)
            fields.emplace_back(spec.name);
    return fields;
}

TEST(Calculate, writes_every_figure_of_the_default_run_in_order)
{
    FakeForm form;
    window::Command1_Click(form, pointComma);
    EXPECT_EQ(form.log, defaultRunLog());
}

TEST(Calculate, writes_the_same_texts_when_run_twice)
{
    FakeForm form;
    window::Command1_Click(form, pointComma);
    window::Command1_Click(form, pointComma);
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
    window::Command1_Click(form, pointComma);

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
    window::Command1_Click(form, pointComma);

    EXPECT_EQ(resultFieldsReading(form, "stale"), std::vector<std::string>{});
    EXPECT_EQ(resultFieldsReading(form, ""), (std::vector<std::string>{"Text24", "Text25", "Text29", "Text30"}));
    EXPECT_EQ(form.messages(),
              std::vector<std::string>{
                  "The payoff period at the average rate could not be calculated: the combined monthly payment never "
                  "repays the total principal at the average rate, because a month's interest on the total principal "
                  "at that rate is at least the payment. The results that depend on it are left empty."});
}

TEST(Calculate, reports_a_number_too_large_to_calculate_with_and_leaves_no_figure)
{
    FakeForm form;
    form.fillResults("stale");
    form.type(Field::Text1, "1e999");
    window::Command1_Click(form, pointComma);

    EXPECT_EQ(resultFieldsReading(form, "").size(), 26u);
    ASSERT_EQ(form.messages().size(), 1u);
    EXPECT_EQ(form.messages()[0].rfind("Loan 1's monthly payment could not be calculated: the numbers involved are "
                                       "too large to calculate with.",
                                       0),
              0u);
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
    {"percent_sign_falls_back_to_leading_number", pointComma, "355000", "2.99%", "$1,967.04"},
    {"blanks_inside_fall_back_to_compact_reading", pointComma, "355000", " 2 . 9 9", "$1,967.04"},
    {"trailing_letters_fall_back_to_leading_number", pointComma, "355000abc", "2.99", "$1,967.04"},
    {"comma_decimal_locale", {",", ".", "\u20AC"}, "355.000", "2,99", "$1.967,04"},
    {"space_grouping_locale", {",", "\u202F", "\u20AC"}, "355\u202F000", "2,99", "$1\u202F967,04"},
};

class CalculateReadTest : public testing::TestWithParam<ReadCase> { };

TEST_P(CalculateReadTest, reads_inputs_as_the_checks_do)
{
    FakeForm form;
    form.type(Field::Text1, GetParam().principal);
    form.type(Field::Text2, GetParam().rate);
    window::Command1_Click(form, GetParam().marks);
    EXPECT_EQ(form.getText(Field::Text4), GetParam().expectedPayment);
    EXPECT_EQ(form.messages(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Calculate, CalculateReadTest, testing::ValuesIn(readCases), RowName{});

TEST(Exit, beeps_then_ends_the_program)
{
    FakeForm form;
    window::cmdExit_Click(form);
    EXPECT_EQ(form.log, (std::vector<std::string>{"beep", "end"}));
}

} // namespace
