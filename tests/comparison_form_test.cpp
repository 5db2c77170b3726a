// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "commands/comparison_form.h"
#include "commands/comparison_results.h"
#include "commands/text_form.h"
#include "notations.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using commands::ComparisonField;
using F = ComparisonField;

const numtext::LocaleMarks pointComma{".", ",", "$"};
const numtext::LocaleMarks commaPoint{",", ".", "\u20AC"};
constexpr schedule::Month january2027{2027, 1};

// The texts the starting inputs give, in the marks' notation.
commands::ComparisonTexts starting(const numtext::LocaleMarks &marks)
{
    commands::TextForm form{marks};
    return commands::comparisonTextsFrom(commands::Command1_Click(form, marks), marks);
}

std::string monthName(schedule::Month month)
{
    return std::to_string(month.year) + "-" + std::to_string(month.month);
}

TEST(ComparisonTexts, start_from_the_calculate_outcome_in_the_users_notation)
{
    const commands::ComparisonTexts texts = starting(commaPoint);
    EXPECT_EQ(textOf(texts, F::Loan1Balance), "355000");
    EXPECT_EQ(textOf(texts, F::Loan1Rate), "2,99");
    EXPECT_EQ(textOf(texts, F::Loan2Rate), "4");
    for (const F years : {F::Loan1Years, F::Loan2Years, F::OfferYears})
        EXPECT_EQ(textOf(texts, years), "20");
    EXPECT_EQ(textOf(texts, F::OfferMonths), "0");
    EXPECT_EQ(textOf(texts, F::OfferRate), "3,2968"); // the blended rate as the window shows it
    EXPECT_EQ(textOf(texts, F::Loan1Payment), "");
    EXPECT_EQ(textOf(texts, F::FeesAtSigning), "");
}

// The calculator reads an empty rate as 0 %; the comparison would mark it as missing.
TEST(ComparisonTexts, bring_an_empty_rate_as_the_0_the_calculator_read)
{
    for (const auto &[field, rate] :
         {std::pair{commands::Field::Text2, F::Loan1Rate}, {commands::Field::Text7, F::Loan2Rate}}) {
        commands::TextForm form{commaPoint};
        form.setText(field, "");
        const commands::ComparisonTexts texts
            = commands::comparisonTextsFrom(commands::Command1_Click(form, commaPoint), commaPoint);
        EXPECT_EQ(textOf(texts, rate), "0");
        for (const commands::FieldProblem &problem : commands::readComparison(texts, commaPoint, january2027).problems)
            EXPECT_NE(problem.field, rate) << problem.message;
    }
}

TEST(ComparisonTexts, leave_the_offer_empty_where_the_calculation_stopped_before_the_blended_rate)
{
    commands::TextForm form{pointComma};
    form.setText(commands::Field::Text7, "0");
    const commands::ComparisonTexts texts
        = commands::comparisonTextsFrom(commands::Command1_Click(form, pointComma), pointComma);
    EXPECT_EQ(textOf(texts, F::OfferRate), "");
    EXPECT_EQ(textOf(texts, F::OfferYears), "20");
}

// A period in parts of a year is the count of months the schedules run over, in years and months.
TEST(ComparisonTexts, fill_a_period_in_parts_of_a_year_as_years_and_months)
{
    const std::array<std::array<const char *, 3>, 2> periods{{{"2.5", "2", "6"}, {"14.6", "14", "8"}}};
    for (const auto &[period, years, months] : periods) {
        commands::TextForm form{pointComma};
        form.setText(commands::Field::Text3, period);
        const commands::ComparisonTexts texts
            = commands::comparisonTextsFrom(commands::Command1_Click(form, pointComma), pointComma);
        for (const auto &[yearsField, monthsField] : {std::pair{F::Loan1Years, F::Loan1Months},
                                                      {F::Loan2Years, F::Loan2Months},
                                                      {F::OfferYears, F::OfferMonths}}) {
            EXPECT_EQ(textOf(texts, yearsField), years) << period;
            EXPECT_EQ(textOf(texts, monthsField), months) << period;
        }
    }
}

// One input changed from the starting texts, and what is said beside it; an empty message means no problem.
struct ReadingCase {
    const char *name;
    bool decimalComma;
    F field;
    const char *text;
    F markedField;
    const char *message;
};

const ReadingCase readingCases[] = {
    {"starting_texts_are_usable", false, F::Extra, "", F::Extra, ""},
    {"loan_1_balance_empty", false, F::Loan1Balance, "", F::Loan1Balance, "Enter a number."},
    {"balance_with_the_wrong_marks", true, F::Loan1Balance, "355,000.00", F::Loan1Balance, "Not a number."},
    {"balance_ambiguous_under_a_decimal_comma", true, F::Loan2Balance, "140.000,5.", F::Loan2Balance, "Not a number."},
    {"balance_below_a_cent", false, F::Loan1Balance, "0.004", F::Loan1Balance,
     "Must be between 0.01 and 1,000,000,000,000."},
    {"rate_with_a_decimal_comma", true, F::Loan1Rate, "3,5", F::Loan1Rate, ""},
    {"rate_above_100", false, F::Loan1Rate, "100.5", F::Loan1Rate, "Must be between 0 % and 100 %."},
    {"rate_of_0_is_allowed", false, F::OfferRate, "0", F::OfferRate, ""},
    {"offer_rate_empty", true, F::OfferRate, "", F::OfferRate, "Enter a number."},
    {"years_not_whole", false, F::Loan1Years, "2.5", F::Loan1Years, "Enter a whole number."},
    {"months_not_a_number", true, F::OfferMonths, "x", F::OfferMonths, "Not a number."},
    {"term_over_1200_months", false, F::OfferYears, "101", F::OfferYears, "Must be between 1 and 1,200 months."},
    {"fees_as_large_as_the_balances", false, F::FeesAtSigning, "495000", F::FeesAtSigning,
     "Must be less than the balances, the other fee included."},
    {"savings_rate_below_0", true, F::SavingsRate, "-1", F::SavingsRate, "Must be between 0 % and 100 %."},
    {"extra_beyond_the_limit", false, F::Extra, "1e13", F::Extra, "Must be between 0 and 1,000,000,000,000."},
    {"years_below_0", false, F::OfferYears, "-1", F::OfferYears, "Enter a whole number."},
    // A loan 2 with no balance is no loan, and a typed payment leaves the term unread.
    {"rate_of_no_loan_2_is_not_read", false, F::Loan2Balance, "0", F::Loan2Rate, ""},
    {"term_under_a_typed_payment_is_not_read", false, F::Loan1Payment, "2000", F::Loan1Years, ""},
};

class ReadingTest : public testing::TestWithParam<ReadingCase> { };

TEST_P(ReadingTest, marks_what_cannot_be_used_beside_it_and_nothing_else)
{
    const ReadingCase &c = GetParam();
    const numtext::LocaleMarks &marks = c.decimalComma ? commaPoint : pointComma;
    commands::ComparisonTexts texts = starting(marks);
    textOf(texts, c.field) = c.text;
    if (c.field == F::Loan2Balance && std::string_view(c.text) == "0")
        textOf(texts, F::Loan2Rate) = "abc";
    if (c.field == F::Loan1Payment)
        textOf(texts, F::Loan1Years) = "abc";
    const commands::ComparisonReading reading = commands::readComparison(texts, marks, january2027);
    std::vector<std::pair<F, std::string>> expected;
    if (*c.message)
        expected.emplace_back(c.markedField, c.message);
    std::vector<std::pair<F, std::string>> marked;
    for (const auto &problem : reading.problems)
        marked.emplace_back(problem.field, problem.message);
    EXPECT_EQ(marked, expected);
}

INSTANTIATE_TEST_SUITE_P(ComparisonTexts, ReadingTest, testing::ValuesIn(readingCases), RowName{});

TEST(ComparisonTexts, read_amounts_to_the_cent_on_their_shortest_form_half_away_from_zero)
{
    commands::ComparisonTexts texts = starting(pointComma);
    textOf(texts, F::Extra) = "1.005";
    textOf(texts, F::FeesAdded) = "2,500.125";
    textOf(texts, F::Loan2Payment) = "848.37";
    textOf(texts, F::OfferMonths) = "6";
    const commands::ComparisonReading reading = commands::readComparison(texts, pointComma, january2027);
    ASSERT_EQ(reading.problems.size(), 0u);
    EXPECT_EQ(reading.inputs.extra, 101);
    EXPECT_EQ(reading.inputs.offer.feesAdded, 250013);
    EXPECT_EQ(reading.inputs.loans[1].payment, 84837);
    EXPECT_EQ(reading.inputs.offer.termMonths, 246);
    EXPECT_EQ(reading.inputs.loans[0].termMonths, 240);
}

// The figures a table row shows, each in its format; every difference the offer's less keeping both's.
TEST(ComparisonRows, show_each_figure_in_its_format_and_the_sentence_states_the_facts)
{
    compare::ComparisonInputs inputs;
    inputs.loans = {{10'000'000, 6, 360, {}}};
    inputs.offer = {5, 360, 200'000, 0};
    inputs.firstPayment = january2027;
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_FALSE(comparison.refusal);
    ASSERT_TRUE(comparison.breakEvenMonth);
    std::map<std::string, std::array<std::string, 3>> shown;
    for (const auto &row : commands::comparisonRows(comparison, pointComma, monthName))
        shown[std::string(row.name)] = row.texts;
    EXPECT_EQ(shown["firstPayment"], (std::array<std::string, 3>{"$599.55", "$536.82", "-$62.73"}));
    EXPECT_EQ(shown["payments"], (std::array<std::string, 3>{"360", "360", "0"}));
    EXPECT_EQ(shown["payoffMonth"], (std::array<std::string, 3>{"2056-12", "2056-12", "the same month"}));
    EXPECT_EQ(shown["fees"], (std::array<std::string, 3>{"$0.00", "$2,000.00", "+$2,000.00"}));
    EXPECT_EQ(shown["apr"][0], "6.00 %");
    EXPECT_EQ(shown["breakEven"][0], "");
    const std::string breakEven = "month " + std::to_string(*comparison.breakEvenMonth) + " ("
        + monthName(schedule::addMonths(january2027, *comparison.breakEvenMonth - 1)) + ")";
    EXPECT_EQ(shown["breakEven"][2], breakEven);
    EXPECT_EQ(commands::comparisonSentence(comparison, 0, pointComma, monthName),
              "Taking the offer costs " + shown["totalPaid"][2].substr(1) + " less in all and is ahead for good from "
                  + breakEven + "; its payment is $62.73 lower and the last one falls in the same month.");
}

// An offer no different from the loan is not "ahead from the start" of it.
TEST(ComparisonRows, an_offer_the_same_as_the_loan_costs_the_same)
{
    compare::ComparisonInputs inputs;
    inputs.loans = {{10'000'000, 6, 360, {}}};
    inputs.offer = {6, 360, 0, 0};
    inputs.firstPayment = january2027;
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_EQ(comparison.breakEvenMonth, 0);
    EXPECT_EQ(commands::comparisonSentence(comparison, 0, pointComma, monthName),
              "Taking the offer costs the same; its payment is the same and the last one falls in the same month.");
    inputs.offer.feesAtSigning = 1;
    EXPECT_EQ(commands::comparisonSentence(compare::compareWays(inputs), 0, pointComma, monthName),
              "Taking the offer costs $0.01 more in all and never comes out ahead; its payment is the same and the "
              "last one falls in the same month.");
}

TEST(ComparisonRows, show_a_dash_for_every_figure_of_a_refused_comparison)
{
    compare::Comparison refused;
    refused.refusal = compare::Refusal{compare::RefusalSubject::Loan2, "it is never repaid"};
    for (const auto &row : commands::comparisonRows(refused, pointComma, monthName))
        for (const std::string &text : row.texts)
            EXPECT_TRUE(text.empty() || text == commands::noFigure) << row.name;
    EXPECT_EQ(commands::comparisonSentence(refused, 0, pointComma, monthName),
              "The comparison cannot be made: it is never repaid.");
}

} // namespace
