// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "commands/text_form.h"
#include "row_name.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_texts.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using scenario::Scenario;

const numtext::LocaleMarks c{".", ",", "$"};
const numtext::LocaleMarks german{",", ".", "\u20AC"};
const numtext::LocaleMarks french{",", "\u202F", "\u20AC"};

// The windows as they start in a notation, with the comparison opened and an offer with fees typed into it.
scenario::WindowTexts startingTexts(const numtext::LocaleMarks &marks)
{
    commands::TextForm form{marks};
    scenario::WindowTexts texts;
    for (std::size_t i = 0; i < texts.inputs.size(); ++i)
        texts.inputs[i] = form.getText(scenario::scenarioInputFields[i]);
    texts.comparison = commands::comparisonTextsFrom(commands::Command1_Click(form, marks), marks);
    commands::textOf(*texts.comparison, compare::ComparisonField::FeesAtSigning) = marks.decimal == "," ? "1,5" : "1.5";
    commands::textOf(*texts.comparison, compare::ComparisonField::Loan2Payment) = "900";
    texts.firstMonth = {2027, 1};
    return texts;
}

Scenario saved(const scenario::WindowTexts &texts, const numtext::LocaleMarks &marks)
{
    return std::get<Scenario>(scenario::scenarioOf(texts, marks));
}

TEST(ScenarioFile, saved_opened_and_saved_again_is_the_same_bytes_in_every_locale)
{
    const QByteArray inC = scenario::writeScenario(saved(startingTexts(c), c));
    EXPECT_TRUE(inC.contains("\"Text2\": \"2.99\"")) << inC.constData();
    EXPECT_TRUE(inC.contains("\"feesAtSigning\": \"1.5\"")) << inC.constData();
    for (const numtext::LocaleMarks &marks : {c, german, french}) {
        const QByteArray first = scenario::writeScenario(saved(startingTexts(marks), marks));
        EXPECT_EQ(first, inC) << marks.decimal; // a file saved under one locale is the file of every other
        const auto opened = scenario::readScenario(first);
        ASSERT_TRUE(std::holds_alternative<Scenario>(opened));
        const scenario::WindowTexts texts = scenario::textsOf(std::get<Scenario>(opened), marks);
        EXPECT_EQ(texts.inputs[1], marks.decimal == "," ? "2,99" : "2.99");
        EXPECT_EQ(scenario::writeScenario(saved(texts, marks)), first);
    }
}

// A figure computed from a file opened under German marks is the very double of one opened under C's.
TEST(ScenarioFile, opens_to_the_same_figures_under_another_locale)
{
    const Scenario scenario = saved(startingTexts(german), german);
    std::vector<double> figures;
    for (const numtext::LocaleMarks &marks : {c, german}) {
        commands::TextForm form{marks};
        const scenario::WindowTexts texts = scenario::textsOf(scenario, marks);
        for (std::size_t i = 0; i < texts.inputs.size(); ++i)
            form.setText(scenario::scenarioInputFields[i], texts.inputs[i]);
        figures.push_back(commands::Command1_Click(form, marks).figures.blend.weightedPayoffYears);
        const auto reading = commands::readComparison(*texts.comparison, marks, texts.firstMonth);
        ASSERT_TRUE(reading.problems.empty());
        figures.push_back(double(compare::compareWays(reading.inputs).firstOffer().way.totalPaid));
    }
    EXPECT_EQ(figures[0], figures[2]);
    EXPECT_EQ(figures[1], figures[3]);
}

TEST(ScenarioFile, refuses_to_save_text_that_is_not_a_number_and_names_its_input)
{
    scenario::WindowTexts texts = startingTexts(c);
    texts.inputs[3] = "140k";
    EXPECT_EQ(std::get<std::string>(scenario::scenarioOf(texts, c)),
              "The loan 2 principal \"140k\" is not a number. Enter a number such as 140,000.");
}

using F = compare::ComparisonField;

// Comparison inputs typed over the starting ones, and what Save does with them: the sentence refusing them, or
// the parts of the file they give.
struct ComparisonSaveCase {
    const char *name;
    std::vector<std::pair<F, const char *>> typed;
    const char *refusal; // empty: saved
    std::vector<const char *> inFile;
};

const ComparisonSaveCase comparisonSaveCases[] = {
    {"letters", {{F::OfferMonths, "six"}}, "Months beyond the years, the offer: \u201Csix\u201D. Not a number.", {}},
    {"years_not_whole",
     {{F::OfferYears, "2.5"}},
     "Term in years, the offer: \u201C2.5\u201D. Enter a whole number.",
     {}},
    {"negative_years",
     {{F::OfferYears, "-1"}, {F::OfferMonths, "300"}},
     "Term in years, the offer: \u201C-1\u201D. Enter a whole number.",
     {}},
    {"missing_rate", {{F::Loan1Rate, ""}}, "Annual rate (%), loan 1: Enter a number.", {}},
    {"beyond_the_limit", {{F::OfferYears, "101"}}, "Term in years, the offer: \u201C101\u201D. Must be ", {}},
    {"offer_term_with_months", {{F::OfferYears, "2"}, {F::OfferMonths, "6"}}, "", {"\"termMonths\": \"30\""}},
    {"loan_term_with_months", {{F::Loan1Years, "14"}, {F::Loan1Months, "7"}}, "", {"\"termMonths\": \"175\""}},
    {"months_beyond_a_year", {{F::OfferYears, "0"}, {F::OfferMonths, "300"}}, "", {"\"termMonths\": \"300\""}},
    {"amount_as_compared", {{F::Extra, "1.005"}}, "", {"\"extra\": \"1.01\"", "\"version\": 1\n"}},
    {"loan_2_with_a_typed_payment",
     {{F::Loan2Balance, "140000"}, {F::Loan2Years, "14"}, {F::Loan2Months, "7"}, {F::Loan2Payment, "900"}},
     "",
     {"\"balance\": \"140000\"", "\"payment\": \"900\"", "\"termMonths\": \"175\""}},
    {"term_behind_a_payment_not_whole",
     {{F::Loan2Balance, "140000"}, {F::Loan2Years, "1.5"}, {F::Loan2Payment, "900"}},
     "",
     {"\"payment\": \"900\"", "\"termMonths\": null"}},
    // Loan 2 without a balance is not compared: its term is kept where it reads, in months alone too, and
    // dropped where it does not.
    {"unread_term_in_months_alone",
     {{F::Loan2Balance, ""}, {F::Loan2Years, ""}, {F::Loan2Months, "30"}},
     "",
     {"\"termMonths\": \"30\""}},
    {"unread_term_negative", {{F::Loan2Balance, ""}, {F::Loan2Years, "-1"}}, "", {"\"termMonths\": null"}},
    {"a_named_second_offer_with_points_and_a_horizon",
     {{F::Offer2Name, "Harbour Bank"},
      {F::Offer2Rate, "4"},
      {F::Offer2Years, "20"},
      {F::Offer2Points, "1.5"},
      {F::HorizonYears, "7"}},
     "",
     {"\"version\": 2", "\"name\": \"Harbour Bank\"", "\"points\": \"1.5\"", "\"horizonMonths\": \"84\""}},
};

class ComparisonSaveTest : public testing::TestWithParam<ComparisonSaveCase> { };

// What the comparison window marks is refused, named as the window names it; otherwise the file holds the values
// it compares, and they open to the same texts and save to the same bytes.
TEST_P(ComparisonSaveTest, saves_what_the_window_compares_or_refuses_what_it_marks)
{
    scenario::WindowTexts texts = startingTexts(c);
    for (const auto &[field, text] : GetParam().typed)
        commands::textOf(*texts.comparison, field) = text;
    const auto result = scenario::scenarioOf(texts, c);
    if (*GetParam().refusal) {
        ASSERT_TRUE(std::holds_alternative<std::string>(result));
        EXPECT_TRUE(std::get<std::string>(result).starts_with(GetParam().refusal)) << std::get<std::string>(result);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Scenario>(result)) << std::get<std::string>(result);
    const QByteArray bytes = scenario::writeScenario(std::get<Scenario>(result));
    for (const char *part : GetParam().inFile)
        EXPECT_TRUE(bytes.contains(part)) << part << '\n' << bytes.constData();
    const scenario::WindowTexts opened = scenario::textsOf(std::get<Scenario>(scenario::readScenario(bytes)), c);
    EXPECT_EQ(commands::readComparison(*opened.comparison, c, opened.firstMonth).problems.size(), 0u);
    EXPECT_EQ(scenario::writeScenario(saved(opened, c)), bytes);
}

INSTANTIATE_TEST_SUITE_P(ScenarioFile, ComparisonSaveTest, testing::ValuesIn(comparisonSaveCases), RowName{});

struct NumberCase {
    const char *name;
    const char *text;
    std::optional<double> value;
};

const NumberCase numberCases[] = {
    {"plain", "2.99", 2.99},
    {"trailing_zero", "2.50", 2.5},
    {"exponent", "1e3", 1000},
    {"negative", "-0.5", -0.5},
    {"decimal_comma", "1,5", std::nullopt},
    {"leading_blank", " 1", std::nullopt},
    {"leading_plus", "+1", std::nullopt},
    {"infinity", "inf", std::nullopt},
    {"beyond_a_double", "1e400", std::nullopt},
    {"arabic_digits", "\u0661", std::nullopt},
};

class NumberTest : public testing::TestWithParam<NumberCase> { };

TEST_P(NumberTest, reads_c_notation_only)
{
    EXPECT_EQ(scenario::readCNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(ScenarioFile, NumberTest, testing::ValuesIn(numberCases), RowName{});

TEST(ScenarioFile, writes_each_number_as_its_shortest_c_text)
{
    EXPECT_EQ(scenario::cNumber(2.99), "2.99");
    EXPECT_EQ(scenario::cNumber(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(scenario::cNumber(355000), "355000");
    EXPECT_EQ(scenario::cNumber(400000), "400000");
    EXPECT_EQ(scenario::cNumber(1e15), "1000000000000000");
    EXPECT_EQ(scenario::cNumber(1e300), "1e+300");
}

// A valid scenario with one part replaced, and what the refusal must say.
const char *const validDocument = R"({"format": "loanblend-scenario", "version": 1,
 "inputs": {"Text1": "355000", "Text2": "2.99", "Text3": "20", "Text6": null, "Text7": ""},
 "firstMonth": "2027-01",
 "comparison": {"loans": [{"balance": "355000", "rate": "2.99", "termMonths": "240", "payment": null}],
                "offer": {"rate": "3", "termMonths": "240", "feesAtSigning": "0", "feesAdded": null},
                "extra": null, "savingsRate": null}})";

// What only version 2 holds: an early repayment charge, points, a list of offers and a horizon.
const char *const version2Document = R"({"format": "loanblend-scenario", "version": 2,
 "inputs": {"Text1": "355000", "Text2": "2.99", "Text3": "20", "Text6": null, "Text7": ""},
 "firstMonth": "2027-01",
 "comparison": {"loans": [{"balance": "355000", "rate": "2.99", "termMonths": "240", "payment": null,
                           "earlyRepaymentCharge": "1000"}],
                "offers": [{"name": "", "rate": "3", "termMonths": "240", "points": "1", "feesAtSigning": "0",
                            "feesAdded": null}],
                "extra": null, "savingsRate": null, "horizonMonths": "84"}})";

struct MalformedCase {
    const char *name;
    const char *from; // replaced in the valid document; empty: the document is `to`
    const char *to;
    const char *reason; // a part of the refusal; empty: the file opens
    const char *valid = validDocument; // the document `from` is replaced in
};

const MalformedCase malformedCases[] = {
    {"valid", "", "", ""},
    {"unknown_keys_are_passed_over", "\"version\": 1,", "\"version\": 1, \"colour\": \"blue\",", ""},
    {"comparison_may_be_absent", ",\n \"comparison\"", ", \"notes\"", ""},
    {"not_json", "", "{\"format\": ", "it is not a scenario: "},
    {"not_an_object", "", "[1, 2]", "it is not a scenario"},
    {"another_format", "loanblend-scenario", "spreadsheet", "not a scenario of this program"},
    {"newer_version", "\"version\": 1", "\"version\": 3", "newer version of the program"},
    {"version_as_text", "\"version\": 1", "\"version\": \"1\"", "version is not a whole number"},
    {"version_zero", "\"version\": 1", "\"version\": 0", "its version, 0, is no scenario version"},
    {"version_negative", "\"version\": 1", "\"version\": -1", "its version, -1, is no scenario version"},
    {"missing_inputs", "\"inputs\"", "\"entries\"", "the scenario has no \u201Cinputs\u201D"},
    {"missing_input", "\"Text3\": \"20\", ", "", "the inputs has no \u201CText3\u201D"},
    {"number_not_as_text", "\"Text1\": \"355000\"", "\"Text1\": 355000", "not a number written as text"},
    {"decimal_comma", "\"2.99\"", "\"2,99\"", "\u201CText2\u201D in the inputs is not a number: \u201C2,99\u201D"},
    {"letters", "\"355000\", \"Text2\"", "\"abc\", \"Text2\"", "is not a number: \u201Cabc\u201D"},
    {"control_character_shown", "\"355000\", \"Text2\"", "\"35\\u00075\", \"Text2\"",
     "is not a number: \u201C35\\u00075\u201D"},
    {"month_out_of_range", "2027-01", "2027-13", "first month"},
    {"month_missing", "\"firstMonth\"", "\"lastMonth\"", "has no \u201CfirstMonth\u201D"},
    {"no_loans", "[{\"balance\": \"355000\", \"rate\": \"2.99\", \"termMonths\": \"240\", \"payment\": null}]", "[]",
     "one or two loans"},
    {"offer_not_an_object", "\"offer\": {", "\"offer\": 3, \"x\": {",
     "\u201Coffer\u201D in the comparison is not an object"},
    {"loan_without_payment", ", \"payment\": null", "", "loan 1 of the comparison has no \u201Cpayment\u201D"},
    {"version_2", "", "", "", version2Document},
    {"version_2_without_a_horizon", ", \"horizonMonths\": \"84\"", "", "has no \u201ChorizonMonths\u201D",
     version2Document},
    {"version_2_with_an_offer_in_place_of_offers", "\"offers\": [{\"name\": \"\", ", "\"offer\": [{",
     "has no \u201Coffers\u201D", version2Document},
    {"version_2_loan_without_its_charge", ",\n                           \"earlyRepaymentCharge\": \"1000\"", "",
     "has no \u201CearlyRepaymentCharge\u201D", version2Document},
    {"version_2_with_two_offers", "\"offers\": [{",
     "\"offers\": [{\"name\": \"Bank\", \"rate\": \"4\", \"termMonths\": \"240\", \"points\": null, \"feesAtSigning\": "
     "null, \"feesAdded\": null}, {",
     "", version2Document},
    {"version_2_offer_without_points", ", \"points\": \"1\"", "", "offer 1 of the comparison has no \u201Cpoints\u201D",
     version2Document},
    {"version_2_name_not_text", "\"name\": \"\"", "\"name\": 3", "the name of offer 1 of the comparison is not text",
     version2Document},
    {"version_2_with_four_offers", "\"offers\": [{",
     "\"offers\": [{"
     "\"name\":\"\",\"rate\":\"4\",\"termMonths\":\"240\",\"points\":null,\"feesAtSigning\":null,\"feesAdded\":null}, {"
     "\"name\":\"\",\"rate\":\"4\",\"termMonths\":\"240\",\"points\":null,\"feesAtSigning\":null,\"feesAdded\":null}, {"
     "\"name\":\"\",\"rate\":\"4\",\"termMonths\":\"240\",\"points\":null,\"feesAtSigning\":null,\"feesAdded\":null}, "
     "{",
     "one to three offers", version2Document},
    {"version_2_with_no_offer", "\"offers\": [{", "\"offers\": [], \"x\": [{", "one to three offers", version2Document},
};

class MalformedTest : public testing::TestWithParam<MalformedCase> { };

TEST_P(MalformedTest, refuses_the_file_and_says_why)
{
    const MalformedCase &row = GetParam();
    QByteArray document = row.valid;
    if (*row.from)
        document.replace(row.from, row.to);
    else if (*row.to)
        document = row.to;
    const auto read = scenario::readScenario(document);
    if (!*row.reason) {
        EXPECT_TRUE(std::holds_alternative<Scenario>(read)) << std::get<QString>(read).toStdString();
        return;
    }
    ASSERT_TRUE(std::holds_alternative<QString>(read));
    EXPECT_TRUE(std::get<QString>(read).contains(QString::fromUtf8(row.reason)))
        << std::get<QString>(read).toStdString();
}

INSTANTIATE_TEST_SUITE_P(ScenarioFile, MalformedTest, testing::ValuesIn(malformedCases), RowName{});

// A file keeps the version that holds it: version 1 while nothing of version 2 is used, so that the program's
// earlier versions still open it; each opens to what it holds and saves to the same bytes.
TEST(ScenarioFile, is_written_as_version_1_unless_it_holds_what_only_version_2_can)
{
    const auto open = [](const QByteArray &bytes) { return std::get<Scenario>(scenario::readScenario(bytes)); };
    const Scenario version1 = open(validDocument);
    const Scenario version2 = open(version2Document);
    EXPECT_EQ(version2.comparison->loans[0].earlyRepaymentCharge, 1000);
    EXPECT_EQ(version2.comparison->offers[0].points, 1);
    EXPECT_EQ(version2.comparison->horizonMonths, 84);
    EXPECT_EQ(version2.comparison->offers[0].rate, 3);
    const std::pair<const char *, void (*)(Scenario &)> uses[] = {
        {"a charge", [](Scenario &s) { s.comparison->loans[0].earlyRepaymentCharge = 0; }},
        {"points", [](Scenario &s) { s.comparison->offers[0].points = 0; }},
        {"a horizon", [](Scenario &s) { s.comparison->horizonMonths = 12; }},
        {"a name", [](Scenario &s) { s.comparison->offers[0].name = "Caisse \u00C9pargne"; }},
        {"a second offer",
         [](Scenario &s) {
             s.comparison->offers.push_back({4, 240, {}, {}, {}, {}});
         }},
    };
    EXPECT_TRUE(scenario::writeScenario(version1).contains("\"version\": 1\n"));
    for (const auto &[what, use] : uses) {
        Scenario using2 = version1;
        use(using2);
        const QByteArray written = scenario::writeScenario(using2);
        EXPECT_TRUE(written.contains("\"version\": 2\n")) << what;
        EXPECT_EQ(open(written), using2) << what;
        EXPECT_EQ(scenario::writeScenario(open(written)), written) << what;
    }
    EXPECT_EQ(open(scenario::writeScenario(version1)), version1);
}

TEST(ScenarioFile, refuses_a_file_over_one_mebibyte_unread)
{
    QByteArray document = validDocument;
    document.append(QByteArray(scenario::largestFile, ' '));
    EXPECT_TRUE(std::get<QString>(scenario::readScenario(document)).contains("larger than 1 MiB"));
}

// Names that are no regular file are refused by their kind, and a FIFO is never opened: were it, this would wait.
TEST(ScenarioFile, opens_only_a_regular_file)
{
    QTemporaryDir folder;
    const QString scenario = folder.filePath("a.loanblend");
    const QString fifo = folder.filePath("fifo.loanblend");
    {
        QFile file{scenario};
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(validDocument);
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(std::holds_alternative<Scenario>(scenario::readScenarioFile(scenario)));
    const std::pair<QString, QString> refused[] = {
        {fifo, "it is a FIFO, not a file"},
        {folder.path(), "it is a folder, not a file"},
        {"/dev/null", "it is a device, not a file"},
        {folder.filePath("none"), "no such file or directory"},
    };
    for (const auto &[path, reason] : refused) {
        const auto read = scenario::readScenarioFile(path);
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << path.toStdString();
        EXPECT_EQ(std::get<QString>(read), reason);
    }
}

} // namespace
