// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "commands/comparison_form.h"
#include "commands/comparison_outcome.h"
#include "commands/comparison_results.h"
#include "commands/text_form.h"
#include "notations.h"
#include "numtext/localized_number.h"
#include "numtext/read_number.h"
#include "row_name.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace {

using compare::ComparisonField;
using F = ComparisonField;
using commands::textOf;

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

// A scenario's numbers are read as their texts are: the same marks and the same values, so the command line never
// compares what the window refuses. A text that is no number has no number to give, and is left to the test above.
class ValuesReadingTest : public testing::TestWithParam<ReadingCase> { };

TEST_P(ValuesReadingTest, reads_a_scenarios_numbers_as_the_window_reads_their_texts)
{
    const ReadingCase &c = GetParam();
    const numtext::LocaleMarks &marks = c.decimalComma ? commaPoint : pointComma;
    commands::ComparisonTexts texts = starting(marks);
    textOf(texts, c.field) = c.text;
    commands::ComparisonValues values;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty())
            continue;
        values[i] = numtext::readNumber(texts[i], marks);
    }
    const commands::ComparisonReading fromTexts = commands::readComparison(texts, marks, january2027);
    const commands::ComparisonReading fromValues = commands::readComparison(values, january2027);
    ASSERT_EQ(fromValues.problems.size(), fromTexts.problems.size());
    for (std::size_t i = 0; i < fromTexts.problems.size(); ++i) {
        EXPECT_EQ(fromValues.problems[i].field, fromTexts.problems[i].field);
        EXPECT_EQ(fromValues.problems[i].message, fromTexts.problems[i].message);
    }
    ASSERT_EQ(fromValues.inputs.loans.size(), fromTexts.inputs.loans.size());
    for (std::size_t l = 0; l < fromTexts.inputs.loans.size(); ++l) {
        const compare::LoanInputs &a = fromValues.inputs.loans[l];
        const compare::LoanInputs &b = fromTexts.inputs.loans[l];
        EXPECT_EQ(a.balance, b.balance);
        EXPECT_EQ(a.annualRatePercent, b.annualRatePercent);
        EXPECT_EQ(a.termMonths, b.termMonths);
        EXPECT_EQ(a.payment, b.payment);
    }
    EXPECT_EQ(fromValues.inputs.offers[0].annualRatePercent, fromTexts.inputs.offers[0].annualRatePercent);
    EXPECT_EQ(fromValues.inputs.offers[0].termMonths, fromTexts.inputs.offers[0].termMonths);
    EXPECT_EQ(fromValues.inputs.offers[0].feesAtSigning, fromTexts.inputs.offers[0].feesAtSigning);
    EXPECT_EQ(fromValues.inputs.offers[0].feesAdded, fromTexts.inputs.offers[0].feesAdded);
    EXPECT_EQ(fromValues.inputs.extra, fromTexts.inputs.extra);
    EXPECT_EQ(fromValues.inputs.savingsRatePercent, fromTexts.inputs.savingsRatePercent);
}

INSTANTIATE_TEST_SUITE_P(ComparisonTexts, ReadingTest, testing::ValuesIn(readingCases), RowName{});

std::vector<ReadingCase> casesWithNumbers()
{
    std::vector<ReadingCase> cases;
    for (const ReadingCase &c : readingCases)
        if (std::string_view(c.message) != "Not a number.")
            cases.push_back(c);
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ComparisonValues, ValuesReadingTest, testing::ValuesIn(casesWithNumbers()), RowName{});

TEST(ComparisonValues, refuse_a_number_too_large_for_a_text_as_its_text_is_refused)
{
    commands::ComparisonValues values;
    for (const auto &[field, value] : {std::pair{F::Loan1Balance, 1000.0},
                                       {F::Loan1Rate, 5.0},
                                       {F::Loan1Years, 10.0},
                                       {F::OfferRate, 4.0},
                                       {F::OfferYears, 10.0}})
        values[std::size_t(field)] = value;
    values[std::size_t(F::Extra)] = std::numeric_limits<double>::infinity();
    const commands::ComparisonOutcome outcome = commands::compareValues(values, january2027);
    ASSERT_EQ(outcome.reading.problems.size(), 1u);
    EXPECT_EQ(outcome.reading.problems[0].field, F::Extra);
    EXPECT_EQ(outcome.reading.problems[0].message, "Too large to be a number.");
    EXPECT_FALSE(outcome.made());
}

// Where an input is marked nothing is compared; where the comparison refuses, the refusal is marked beside what
// stops it, as the window shows it.
TEST(ComparisonOutcome, marks_the_problems_or_else_the_refusal_beside_what_stops_it)
{
    const struct {
        const char *name;
        F field;
        const char *text;
        F marked;
        const char *message;
    } cases[] = {
        {"a marked input", F::OfferRate, "x", F::OfferRate, "Not a number."},
        {"a payment below the interest", F::Loan1Payment, "1", F::Loan1Payment,
         "Cannot be compared: the monthly payment never covers a month's interest, so it is never repaid."},
        {"loan 2's payment", F::Loan2Payment, "1", F::Loan2Payment,
         "Cannot be compared: the monthly payment never covers a month's interest, so it is never repaid."},
    };
    for (const auto &c : cases) {
        commands::ComparisonTexts texts = starting(pointComma);
        textOf(texts, c.field) = c.text;
        const commands::ComparisonOutcome outcome = commands::compareTexts(texts, pointComma, january2027);
        const std::vector<commands::FieldProblem> marked = outcome.marked();
        ASSERT_EQ(marked.size(), 1u) << c.name;
        EXPECT_EQ(marked[0].field, c.marked) << c.name;
        EXPECT_EQ(marked[0].message, c.message) << c.name;
        EXPECT_TRUE(outcome.result.refusal) << c.name;
        EXPECT_FALSE(outcome.made()) << c.name;
        EXPECT_EQ(outcome.texts, texts) << c.name;
    }
    const commands::ComparisonOutcome made = commands::compareTexts(starting(pointComma), pointComma, january2027);
    EXPECT_TRUE(made.made());
    EXPECT_TRUE(made.marked().empty());
    EXPECT_EQ(made.result.keep.firstPayment, 281541);
}

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
    EXPECT_EQ(reading.inputs.offers[0].feesAdded, 250013);
    EXPECT_EQ(reading.inputs.loans[1].payment, 84837);
    EXPECT_EQ(reading.inputs.offers[0].termMonths, 246);
    EXPECT_EQ(reading.inputs.loans[0].termMonths, 240);
}

// The figures a table row shows, each in its format; every difference the offer's less keeping both's.
TEST(ComparisonRows, show_each_figure_in_its_format_and_the_sentence_states_the_facts)
{
    compare::ComparisonInputs inputs;
    inputs.loans = {{10'000'000, 6, 360, {}}};
    inputs.offers = {{5, 360, 200'000, 0}};
    inputs.firstPayment = january2027;
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_FALSE(comparison.refusal);
    ASSERT_TRUE(comparison.firstOffer().breakEvenMonth);
    std::map<std::string, std::array<std::string, 3>> shown;
    for (const auto &row : commands::comparisonRows(comparison, pointComma, monthName))
        shown[std::string(row.name)] = row.texts;
    EXPECT_EQ(shown["firstPayment"], (std::array<std::string, 3>{"$599.55", "$536.82", "-$62.73"}));
    EXPECT_EQ(shown["payments"], (std::array<std::string, 3>{"360", "360", "0"}));
    EXPECT_EQ(shown["payoffMonth"], (std::array<std::string, 3>{"2056-12", "2056-12", "the same month"}));
    EXPECT_EQ(shown["fees"], (std::array<std::string, 3>{"$0.00", "$2,000.00", "+$2,000.00"}));
    EXPECT_EQ(shown["apr"][0], "6.00 %");
    EXPECT_EQ(shown["breakEven"][0], "");
    const std::string breakEven = "month " + std::to_string(*comparison.firstOffer().breakEvenMonth) + " ("
        + monthName(schedule::addMonths(january2027, *comparison.firstOffer().breakEvenMonth - 1)) + ")";
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
    inputs.offers = {{6, 360, 0, 0}};
    inputs.firstPayment = january2027;
    const compare::Comparison comparison = compare::compareWays(inputs);
    ASSERT_EQ(comparison.firstOffer().breakEvenMonth, 0);
    EXPECT_EQ(commands::comparisonSentence(comparison, 0, pointComma, monthName),
              "Taking the offer costs the same; its payment is the same and the last one falls in the same month.");
    inputs.offers[0].feesAtSigning = 1;
    EXPECT_EQ(commands::comparisonSentence(compare::compareWays(inputs), 0, pointComma, monthName),
              "Taking the offer costs $0.01 more in all and never comes out ahead; its payment is the same and the "
              "last one falls in the same month.");
}

// A comparison as compareWays hands it over, its figures picked to tell every row apart: the offer pays $100.00 less
// a month for a year longer and costs $10,000.00 more in all, of which $5,000.00 is interest and $5,000.00 fees.
compare::Comparison twoWays()
{
    compare::Comparison c;
    c.offers.resize(1);
    c.keep.schedules = {{schedule::Payment{1, january2027, 150000, 0, 0, 0}}};
    c.keep.firstPayment = 150000;
    c.keep.payments = 300;
    c.keep.payoffMonth = {2051, 12};
    c.keep.totalPaid = 45'000'000;
    c.keep.totalInterest = 5'000'000;
    c.keep.financeCharge = 5'000'000;
    c.keep.presentValue = 40'000'000;
    c.keep.rate = compare::SolvedRate{0.0033, 4.00, 4.07};
    c.firstOffer().way.firstPayment = 140000;
    c.firstOffer().way.payments = 312;
    c.firstOffer().way.payoffMonth = {2052, 12};
    c.firstOffer().way.totalPaid = 46'000'000;
    c.firstOffer().way.totalInterest = 5'500'000;
    c.firstOffer().way.fees = 500'000;
    c.firstOffer().way.financeCharge = 6'000'000;
    c.firstOffer().way.presentValue = 39'000'000;
    c.firstOffer().way.rate = compare::SolvedRate{0.0038, 4.50, 4.59};
    c.firstOffer().paymentDifference = -10000;
    c.firstOffer().totalPaidDifference = 1'000'000;
    c.firstOffer().presentValueDifference = -1'000'000;
    c.firstOffer().monthsDifference = 12;
    c.firstOffer().breakEvenMonth = 27;
    return c;
}

using Shown = std::map<std::string, std::array<std::string, 3>>;

Shown shownRows(const compare::Comparison &comparison, const numtext::LocaleMarks &marks,
                const commands::MonthNamer &namer, commands::FigureText figures = commands::FigureText::Plain)
{
    Shown shown;
    for (const auto &row : commands::comparisonRows(comparison, marks, namer, figures))
        shown[std::string(row.name)] = row.texts;
    return shown;
}

struct ResultsCase {
    std::string name;
    void (*change)(compare::Comparison &);
    double savingsRate;
    Shown expected; // the rows checked, each whole
    std::string sentence;
};

const ResultsCase resultsCases[] = {
    {"offer_pays_less_a_month_for_longer_and_costs_more",
     [](compare::Comparison &) {},
     0,
     {{"firstPayment", {"$1,500.00", "$1,400.00", "-$100.00"}},
      {"payments", {"300", "312", "+12"}},
      {"payoffMonth", {"2051-12", "2052-12", "1 year later"}},
      {"totalPaid", {"$450,000.00", "$460,000.00", "+$10,000.00"}},
      {"totalInterest", {"$50,000.00", "$55,000.00", "+$5,000.00"}},
      {"fees", {"$0.00", "$5,000.00", "+$5,000.00"}},
      {"financeCharge", {"$50,000.00", "$60,000.00", "+$10,000.00"}},
      {"presentValue", {"$400,000.00", "$390,000.00", "-$10,000.00"}},
      {"apr", {"4.00 %", "4.50 %", "+0.50 points"}},
      {"effectiveRate", {"4.07 %", "4.59 %", "+0.52 points"}},
      {"breakEven", {"", "", "month 27 (2029-3)"}}},
     "Taking the offer costs $10,000.00 more in all and is ahead for good from month 27 (2029-3); its payment is "
     "$100.00 lower and the last one is 1 year later."},
    {"offer_pays_more_a_month_ends_earlier_and_is_worth_more_at_a_savings_rate",
     [](compare::Comparison &c) {
         c.firstOffer().way.firstPayment = 152500;
         c.firstOffer().paymentDifference = 2500;
         c.firstOffer().way.payments = 286;
         c.firstOffer().way.payoffMonth = {2050, 10};
         c.firstOffer().monthsDifference = -14;
         c.firstOffer().way.totalPaid = 44'700'000;
         c.firstOffer().totalPaidDifference = -300'000;
         c.firstOffer().way.totalInterest = 4'000'000;
         c.firstOffer().way.presentValue = 40'050'000;
         c.firstOffer().presentValueDifference = 50'000;
         c.firstOffer().way.rate = compare::SolvedRate{0.0032, 3.90, 3.96};
         c.firstOffer().breakEvenMonth = 0;
     },
     2,
     {{"firstPayment", {"$1,500.00", "$1,525.00", "+$25.00"}},
      {"payments", {"300", "286", "-14"}},
      {"payoffMonth", {"2051-12", "2050-10", "1 year and 2 months earlier"}},
      {"totalPaid", {"$450,000.00", "$447,000.00", "-$3,000.00"}},
      {"totalInterest", {"$50,000.00", "$40,000.00", "-$10,000.00"}},
      {"presentValue", {"$400,000.00", "$400,500.00", "+$500.00"}},
      {"apr", {"4.00 %", "3.90 %", "-0.10 points"}},
      {"effectiveRate", {"4.07 %", "3.96 %", "-0.11 points"}},
      {"breakEven", {"", "", "at once"}}},
     "Taking the offer costs $3,000.00 less in all and is ahead from the start; its payment is $25.00 higher and "
     "the last one is 1 year and 2 months earlier; at your savings rate, everything it has you pay is worth "
     "$500.00 more today."},
    {"offer_ends_months_later_and_is_never_ahead_and_worth_less_at_a_savings_rate",
     [](compare::Comparison &c) {
         c.firstOffer().way.payments = 305;
         c.firstOffer().way.payoffMonth = {2052, 5};
         c.firstOffer().monthsDifference = 5;
         c.firstOffer().breakEvenMonth.reset();
     },
     0.5,
     {{"payoffMonth", {"2051-12", "2052-5", "5 months later"}}, {"breakEven", {"", "", "never"}}},
     "Taking the offer costs $10,000.00 more in all and never comes out ahead; its payment is $100.00 lower and the "
     "last one is 5 months later; at your savings rate, everything it has you pay is worth $10,000.00 less today."},
    {"a_rate_difference_too_small_to_show_has_no_sign",
     [](compare::Comparison &c) {
         c.firstOffer().way.rate = compare::SolvedRate{0.0033, 4.004, 4.066};
     },
     0,
     {{"apr", {"4.00 %", "4.00 %", "0.00 points"}}, {"effectiveRate", {"4.07 %", "4.07 %", "0.00 points"}}},
     ""},
};

class ResultsTest : public testing::TestWithParam<ResultsCase> { };

TEST_P(ResultsTest, show_each_difference_with_its_sign_and_the_sentence_its_facts)
{
    const ResultsCase &row = GetParam();
    compare::Comparison comparison = twoWays();
    row.change(comparison);
    const Shown shown = shownRows(comparison, pointComma, monthName);
    for (const auto &[name, texts] : row.expected)
        EXPECT_EQ(shown.at(name), texts) << name;
    if (!row.sentence.empty()) {
        EXPECT_EQ(commands::comparisonSentence(comparison, row.savingsRate, pointComma, monthName), row.sentence);
    }
}

INSTANTIATE_TEST_SUITE_P(ComparisonRows, ResultsTest, testing::ValuesIn(resultsCases), RowName{});

// Egypt's marks, as the system gives them: Arabic-Indic digits, and a minus sign and a percent sign that carry
// the Arabic letter mark.
const numtext::LocaleMarks egypt{"\u066B", "\u066C", "\u062C.\u0645.\u200F", "\u0660", "\u066A\u061C", 3, 3, "\u061C-"};

std::string arabicMonthName(schedule::Month month)
{
    return "\u0634\u0647\u0631 " + numtext::localizedNumber(std::to_string(month.month), egypt);
}

// The sign of a rate difference follows its rounded value in every notation, not the digits it is written in.
TEST(ComparisonRows, a_rate_difference_that_rounds_to_zero_shows_no_sign_in_arabic_digits)
{
    for (const double offerRate : {4.001, 3.999, 4.0049}) {
        compare::Comparison comparison = twoWays();
        comparison.firstOffer().way.rate = compare::SolvedRate{0.0033, offerRate, 4.07};
        EXPECT_EQ(shownRows(comparison, egypt, arabicMonthName).at("apr")[2], "\u0660\u066B\u0660\u0660 points")
            << offerRate;
    }
}

// Shown to a person, every figure is one left-to-right unit, its minus sign in front: under an Arabic locale the
// bidirectional algorithm would otherwise turn "-$100.00" into "١٠٠٫٠٠$-" and carry "month 27" past its month.
TEST(ComparisonRows, shown_figures_are_left_to_right_units_and_plain_text_stays_plain)
{
    const compare::Comparison comparison = twoWays();
    const std::string fsi = "\u2068", pdi = "\u2069";
    const Shown shown = shownRows(comparison, egypt, arabicMonthName, commands::FigureText::Shown);
    EXPECT_EQ(shown.at("firstPayment")[2], fsi + "-$\u0661\u0660\u0660\u066B\u0660\u0660" + pdi);
    EXPECT_EQ(shown.at("apr")[2], fsi + "+\u0660\u066B\u0665\u0660" + pdi + " points");
    EXPECT_EQ(shown.at("apr")[0], fsi + "\u0664\u066B\u0660\u0660 \u066A\u061C" + pdi);
    EXPECT_EQ(shown.at("payoffMonth")[2], fsi + "\u0661" + pdi + " year later");
    const std::string breakEven
        = "month " + fsi + "\u0662\u0667" + pdi + " (" + fsi + arabicMonthName({2029, 3}) + pdi + ")";
    EXPECT_EQ(shown.at("breakEven")[2], breakEven);
    EXPECT_EQ(commands::comparisonSentence(comparison, 1, egypt, arabicMonthName, commands::FigureText::Shown),
              "Taking the offer costs " + fsi + "$\u0661\u0660\u066C\u0660\u0660\u0660\u066B\u0660\u0660" + pdi
                  + " more in all and is ahead for good from " + breakEven + "; its payment is " + fsi
                  + "$\u0661\u0660\u0660\u066B\u0660\u0660" + pdi + " lower and the last one is " + fsi + "\u0661" + pdi
                  + " year later; at your savings rate, everything it has you pay is worth " + fsi
                  + "$\u0661\u0660\u066C\u0660\u0660\u0660\u066B\u0660\u0660" + pdi + " less today.");

    // For scripts and terminals: no isolates, and the locale's own minus sign.
    EXPECT_EQ(shownRows(comparison, egypt, arabicMonthName).at("firstPayment")[2],
              "\u061C-$\u0661\u0660\u0660\u066B\u0660\u0660");
    // In a left-to-right locale nothing changes.
    EXPECT_EQ(shownRows(comparison, pointComma, monthName, commands::FigureText::Shown),
              shownRows(comparison, pointComma, monthName));
    EXPECT_EQ(commands::comparisonSentence(comparison, 1, pointComma, monthName, commands::FigureText::Shown),
              commands::comparisonSentence(comparison, 1, pointComma, monthName));
}

TEST(ComparisonRows, show_a_dash_for_every_figure_of_a_refused_comparison)
{
    compare::Comparison refused;
    refused.refusal = compare::Refusal{compare::RefusalSubject::Loan2, 0, "it is never repaid"};
    for (const auto &row : commands::comparisonRows(refused, pointComma, monthName))
        for (const std::string &text : row.texts)
            EXPECT_TRUE(text.empty() || text == commands::noFigure) << row.name;
}

// A report or a terminal shows the sentence alone, with no box beside which the window marks the refusal, so the
// sentence names the loan or the offer; what both ways share names itself in its reason.
TEST(ComparisonRows, name_in_the_refusal_sentence_the_loan_or_the_offer_that_stops_the_comparison)
{
    using compare::RefusalSubject;
    const struct {
        RefusalSubject subject;
        const char *sentence;
    } rows[]{
        {RefusalSubject::Loan1, "The comparison cannot be made: for loan 1, it is never repaid."},
        {RefusalSubject::Loan2, "The comparison cannot be made: for loan 2, it is never repaid."},
        {RefusalSubject::Offer, "The comparison cannot be made: for the offer, it is never repaid."},
        {RefusalSubject::Keep, "The comparison cannot be made: it is never repaid."},
    };
    for (const auto &row : rows) {
        compare::Comparison refused;
        refused.refusal = compare::Refusal{row.subject, 0, "it is never repaid"};
        EXPECT_EQ(commands::comparisonSentence(refused, 0, pointComma, monthName), row.sentence);
    }
}

} // namespace
