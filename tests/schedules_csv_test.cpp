#include "default_run.h"
#include "row_name.h"
#include "schedule/plan_terms.h"
#include "schedule/schedules_csv.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct StartingCsv {
    const char *name;
    const char *decimalMark;
    std::array<std::string_view, 6> lines; // the header, then each plan's first row
    std::string_view lastLine;
};

// From tests/schedule_expected.py (see repayment_schedule_test.cpp): 1,207 payments, 79,090 bytes either way.
const StartingCsv startingCsvs[] = {
    {"point",
     ".",
     {"Plan,Payment,Month,Payment amount,Interest,Principal,Balance",
      "Loan 1,1,2026-01,1967.04,884.54,1082.50,353917.50", "Loan 2,1,2026-01,848.37,466.67,381.70,139618.30",
      "Blended loan,1,2026-01,2819.38,1359.92,1459.46,493540.54",
      "Combined payment at the average rate,1,2026-01,2815.42,1441.69,1373.73,493626.27",
      "Combined payment at the weighted rate,1,2026-01,2815.42,1351.21,1464.21,493535.79"},
     "Combined payment at the weighted rate,240,2045-12,2357.00,6.42,2350.58,0.00"},
    {"comma",
     ",",
     {"Plan;Payment;Month;Payment amount;Interest;Principal;Balance",
      "Loan 1;1;2026-01;1967,04;884,54;1082,50;353917,50", "Loan 2;1;2026-01;848,37;466,67;381,70;139618,30",
      "Blended loan;1;2026-01;2819,38;1359,92;1459,46;493540,54",
      "Combined payment at the average rate;1;2026-01;2815,42;1441,69;1373,73;493626,27",
      "Combined payment at the weighted rate;1;2026-01;2815,42;1351,21;1464,21;493535,79"},
     "Combined payment at the weighted rate;240;2045-12;2357,00;6,42;2350,58;0,00"},
};

class StartingCsvTest : public testing::TestWithParam<StartingCsv> { };

TEST_P(StartingCsvTest, holds_every_payment_with_crlf_line_ends)
{
    const auto plans = schedule::calculatePlanTerms(defaultLoan1, defaultLoan2);
    const auto schedules = schedule::buildSchedules(plans, {2026, 1}, "unused");
    const std::string csv = schedule::schedulesCsv(schedules, GetParam().decimalMark);

    EXPECT_EQ(csv.size(), 79090u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1208); // the header and 1,207 payments
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = csv.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "a line without CRLF at byte " << start;
        lines.push_back(std::string_view{csv}.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 1208u);
    std::size_t firstOfPlan = 1;
    EXPECT_EQ(lines[0], GetParam().lines[0]);
    for (std::size_t plan = 0; plan < schedules.size(); ++plan) {
        EXPECT_EQ(lines[firstOfPlan], GetParam().lines[plan + 1]);
        firstOfPlan += schedules[plan].payments.size();
    }
    EXPECT_EQ(lines.back(), GetParam().lastLine);
}

INSTANTIATE_TEST_SUITE_P(SchedulesCsv, StartingCsvTest, testing::ValuesIn(startingCsvs), RowName{});

struct MarkCase {
    const char *name;
    const char *decimalMark;
    const char *row;
};

// Amounts of 1000.50, 0.50, 1000.00 and an owed balance of -0.50, whose sign must survive the zero units.
const MarkCase markCases[] = {
    {"middle_dot_keeps_the_comma_separator", "\u00b7",
     "Loan 1,7,2026-01,1000\u00b750,0\u00b750,1000\u00b700,-0\u00b750"},
    {"quote_mark_is_quoted_and_doubled", "\"",
     "Loan 1,7,2026-01,\"1000\"\"50\",\"0\"\"50\",\"1000\"\"00\",\"-0\"\"50\""},
    {"mark_holding_a_comma_is_quoted", ", ", "Loan 1,7,2026-01,\"1000, 50\",\"0, 50\",\"1000, 00\",\"-0, 50\""},
    {"empty_mark_falls_back_to_a_point", "", "Loan 1,7,2026-01,1000.50,0.50,1000.00,-0.50"},
    {"digit_mark_falls_back_to_a_point", "0", "Loan 1,7,2026-01,1000.50,0.50,1000.00,-0.50"},
};

class MarkTest : public testing::TestWithParam<MarkCase> { };

TEST_P(MarkTest, writes_amounts_that_read_back_unchanged)
{
    schedule::Schedule s;
    s.payments.push_back({7, {2026, 1}, 100050, 50, 100000, -50});
    const std::string csv = schedule::schedulesCsv({&s, 1}, GetParam().decimalMark);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), std::string(GetParam().row) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(SchedulesCsv, MarkTest, testing::ValuesIn(markCases), RowName{});

} // namespace
