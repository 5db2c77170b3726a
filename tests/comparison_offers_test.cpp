// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/calculation.h"
#include "commands/commands.h"
#include "commands/comparison_form.h"
#include "commands/comparison_outcome.h"
#include "commands/comparison_results.h"
#include "commands/text_form.h"
#include "compare/comparison_csv.h"
#include "row_name.h"

#include <gtest/gtest.h>

namespace {

using F = compare::ComparisonField;
using commands::textOf;

const numtext::LocaleMarks pointComma{".", ",", "$"};
constexpr schedule::Month january2027{2027, 1};

commands::ComparisonTexts starting()
{
    commands::TextForm form{pointComma};
    return commands::comparisonTextsFrom(commands::Command1_Click(form, pointComma), pointComma);
}

std::string monthName(schedule::Month month)
{
    return std::to_string(month.year) + "-" + std::to_string(month.month);
}

struct OffersReading {
    const char *name;
    std::vector<std::pair<F, const char *>> typed;
    std::size_t offers; // read
    std::vector<F> marked;
};

const OffersReading offersReadings[] = {
    {"the_first_offer_alone", {}, 1, {}},
    {"a_name_makes_an_offer_that_needs_its_rate_and_term",
     {{F::Offer2Name, "Harbour Bank"}},
     2,
     {F::Offer2Rate, F::Offer2Years}},
    {"an_offer_left_empty_before_a_typed_one_is_read_and_marked",
     {{F::Offer3Rate, "4"}, {F::Offer3Years, "20"}},
     3,
     {F::Offer2Rate, F::Offer2Years}},
    {"a_later_offers_limits_are_marked_beside_its_own_boxes",
     {{F::Offer2Rate, "4"}, {F::Offer2Years, "20"}, {F::Offer2Points, "11"}, {F::Offer2FeesAtSigning, "1e15"}},
     2,
     {F::Offer2Points, F::Offer2FeesAtSigning}},
    {"a_later_offers_fees_reaching_the_balances",
     {{F::Offer3Rate, "4"},
      {F::Offer3Years, "20"},
      {F::Offer2Rate, "4"},
      {F::Offer2Years, "20"},
      {F::Offer3FeesAdded, "495000"}},
     3,
     {F::Offer3FeesAdded}},
};

class OffersReadingTest : public testing::TestWithParam<OffersReading> { };

TEST_P(OffersReadingTest, reads_the_offers_shown_and_marks_each_beside_its_own_box)
{
    commands::ComparisonTexts texts = starting();
    for (const auto &[field, text] : GetParam().typed)
        textOf(texts, field) = text;
    const commands::ComparisonReading reading = commands::readComparison(texts, pointComma, january2027);
    EXPECT_EQ(reading.inputs.offers.size(), GetParam().offers);
    std::vector<F> marked;
    for (const commands::FieldProblem &problem : reading.problems)
        marked.push_back(problem.field);
    EXPECT_EQ(marked, GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(ComparisonTexts, OffersReadingTest, testing::ValuesIn(offersReadings), RowName{});

TEST(ComparisonTexts, name_each_offer_and_its_inputs_by_its_number)
{
    commands::ComparisonTexts texts = starting();
    textOf(texts, F::Offer2Name) = "Harbour Bank";
    textOf(texts, F::Offer2Rate) = "4";
    textOf(texts, F::Offer2Years) = "20";
    const commands::ComparisonOutcome outcome = commands::compareTexts(texts, pointComma, january2027);
    ASSERT_TRUE(outcome.made());
    EXPECT_EQ(outcome.result.offers[1].name, "Harbour Bank");
    EXPECT_EQ(commands::offerHeading(outcome.result.offers[1].name, 1), "Harbour Bank");
    EXPECT_EQ(commands::offerHeading("", 2), "Offer 3");
    EXPECT_EQ(commands::comparisonFieldName(F::Offer3Points), "Points (%), offer 3");
    EXPECT_EQ(commands::comparisonFieldName(F::OfferRate), "Annual rate (%), the offer");
    // The CSV names its plans in English whatever was typed, for the scripts that read it.
    const std::string csv = compare::comparisonCsv(outcome.result, outcome.reading.inputs, ".");
    EXPECT_NE(csv.find("\nOffer 1,1,"), std::string::npos);
    EXPECT_NE(csv.find("\nOffer 2,1,"), std::string::npos);
    EXPECT_EQ(csv.find("Harbour"), std::string::npos);
    const commands::ComparisonTable table = commands::comparisonTable(outcome.result, pointComma, monthName);
    ASSERT_EQ(table.headings.size(), 5U);
    EXPECT_EQ(table.headings[3].rfind("Harbour Bank", 0), 0U);
    EXPECT_EQ(table.rows.front().size(), 6U);
}

TEST(ComparisonTexts, head_an_offer_on_one_line_whatever_was_pasted_into_its_name)
{
    const std::pair<const char *, const char *> names[] = {
        {"Harbour\tBank", "Harbour Bank"},
        {"Harbour\r\nBank", "Harbour  Bank"},
        {"Harbour\u2028Bank\u2029", "Harbour Bank "},
        {"Caf\u00e9 \u2026 \U0001F3E6", "Caf\u00e9 \u2026 \U0001F3E6"}, // other characters stay as typed
        // Cut after 40 characters, not bytes.
        {"\u00c9pargne \u00c9pargne \u00c9pargne \u00c9pargne \u00c9pargne \u00c9pargne",
         "\u00c9pargne \u00c9pargne \u00c9pargne \u00c9pargne \u00c9pargne \u2026"},
        {"1234567890123456789012345678901234567890", "1234567890123456789012345678901234567890"},
    };
    for (const auto &[name, heading] : names)
        EXPECT_EQ(commands::offerHeading(name, 1), heading) << name;
}

// A later offer whose rate is not defined, nearly all of it paid back at signing, is marked alone beside its own
// rate, with dashes for its figures; the other offers are compared.
TEST(ComparisonTexts, mark_a_later_offer_that_cannot_be_compared_alone)
{
    commands::ComparisonTexts texts = starting();
    textOf(texts, F::Offer2Rate) = "10";
    textOf(texts, F::Offer2Years) = "30";
    textOf(texts, F::Offer2FeesAtSigning) = "494999";
    const commands::ComparisonOutcome outcome = commands::compareTexts(texts, pointComma, january2027);
    ASSERT_TRUE(outcome.made());
    ASSERT_TRUE(outcome.result.offers[1].refusal);
    EXPECT_FALSE(outcome.result.offers[0].refusal);
    const std::vector<commands::FieldProblem> marked = outcome.marked();
    ASSERT_EQ(marked.size(), 1U);
    EXPECT_EQ(marked[0].field, F::Offer2Rate);
    EXPECT_EQ(commands::refusalReason(*outcome.result.offers[1].refusal).rfind("for offer 2, ", 0), 0U);
    const std::vector<commands::ComparisonRow> rows = commands::comparisonRows(outcome.result, pointComma, monthName);
    EXPECT_NE(rows.front().offers[0][0], commands::noFigure);
    EXPECT_EQ(rows.front().offers[1],
              (std::array<std::string, 2>{std::string(commands::noFigure), std::string(commands::noFigure)}));
}

// An offer being typed is marked and left out, and the rest is compared meanwhile; a marked input anywhere else
// stops the comparison.
TEST(ComparisonOutcome, leave_out_a_later_offer_being_typed_and_compare_the_rest)
{
    commands::ComparisonTexts texts = starting();
    textOf(texts, F::Offer2Name) = "Kite";
    const commands::ComparisonOutcome typing = commands::compareTexts(texts, pointComma, january2027);
    EXPECT_FALSE(typing.made());
    ASSERT_FALSE(typing.result.refusal);
    ASSERT_EQ(typing.result.offers.size(), 2U);
    EXPECT_FALSE(typing.result.offers[0].refusal);
    ASSERT_TRUE(typing.result.offers[1].refusal);
    EXPECT_EQ(typing.result.offers[1].name, "Kite");
    EXPECT_FALSE(typing.result.cheapestOffer == 1U);
    EXPECT_EQ(typing.marked().size(), 2U); // its rate and term, beside them
    textOf(texts, F::Loan1Rate) = "x";
    EXPECT_TRUE(commands::compareTexts(texts, pointComma, january2027).result.refusal);
}

// A comparison as compareWays hands it over, with only what the first line reads: each way's cost.
compare::Comparison costing(compare::Cents keep, std::vector<compare::Cents> offers, std::optional<int> horizon)
{
    compare::Comparison c;
    c.horizonMonths = horizon;
    c.keep.totalPaid = keep;
    c.keep.costOverHorizon = keep;
    compare::Cents least = keep;
    for (std::size_t o = 0; o < offers.size(); ++o) {
        compare::OfferComparison &offer = c.offers.emplace_back();
        offer.way.totalPaid = offers[o];
        offer.way.costOverHorizon = offers[o];
        if (offers[o] < least) {
            least = offers[o];
            c.cheapestOffer = o;
        }
    }
    return c;
}

struct Cheapest {
    const char *name;
    compare::Cents keep;
    std::vector<compare::Cents> offers;
    std::optional<int> horizon;
    const char *firstLine;
};

const Cheapest cheapestLines[] = {
    {"an_offer_then_another",
     1'000'000,
     {760'161, 678'956},
     84,
     "Over 7 years, Offer 2 costs least: $3,210.44 less than keeping your loans and $812.05 less than the next "
     "cheapest, Offer 1."},
    {"keeping_then_an_offer",
     1'000'000,
     {1'200'000, 1'300'000, 1'120'410},
     84,
     "Over 7 years, keeping your loans costs least: $1,204.10 less than the cheapest offer, Offer 3."},
    {"an_offer_then_keeping",
     1'000'000,
     {990'000, 1'000'001},
     90,
     "Over 7 years and 6 months, Offer 1 costs least: $100.00 less than keeping your loans, the next cheapest."},
    {"in_all_without_a_horizon",
     1'000'000,
     {760'161, 678'956, 700'000},
     std::nullopt,
     "In all, Offer 2 costs least: $3,210.44 less than keeping your loans and $210.44 less than the next cheapest, "
     "Offer 3."},
    {"in_all_keeping_on_a_tie",
     1'000'000,
     {1'000'000, 1'000'000},
     std::nullopt,
     "In all, keeping your loans costs least: $0.00 less than the cheapest offer, Offer 1."},
    {"an_offer_then_keeping_on_a_tie_with_another",
     1'000'000,
     {990'000, 1'000'000},
     std::nullopt,
     "In all, Offer 1 costs least: $100.00 less than keeping your loans, the next cheapest."},
};

class CheapestTest : public testing::TestWithParam<Cheapest> { };

TEST_P(CheapestTest, is_said_first_in_a_whole_sentence)
{
    const Cheapest &c = GetParam();
    compare::Comparison comparison = costing(c.keep, c.offers, c.horizon);
    const std::string sentence = commands::comparisonSentence(comparison, 0, pointComma, monthName);
    EXPECT_EQ(sentence.substr(0, sentence.find('\n')), c.firstLine);
    // Then one line for each offer, after its heading.
    EXPECT_EQ(std::count(sentence.begin(), sentence.end(), '\n'), std::ptrdiff_t(c.offers.size()));
    EXPECT_NE(sentence.find("\nOffer 2: "), std::string::npos);
    // The table marks the same way, and no other: keeping's column, or the offer's.
    const commands::ComparisonTable table = commands::comparisonTable(comparison, pointComma, monthName);
    const std::size_t cheapest = comparison.cheapestOffer ? 1 + 2 * *comparison.cheapestOffer : 0;
    for (std::size_t h = 0; h < table.headings.size(); ++h)
        EXPECT_EQ(table.headings[h].ends_with(" (costs least)"), h == cheapest) << table.headings[h];
}

INSTANTIATE_TEST_SUITE_P(ComparisonSentence, CheapestTest, testing::ValuesIn(cheapestLines), RowName{});

} // namespace
