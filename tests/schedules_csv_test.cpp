// SPDX-License-Identifier: GPL-3.0-or-later
#include "default_run.h"
#include "row_name.h"
#include "schedule/schedules_csv.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::uint64_t fnv1a64(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
    return hash;
}

struct StartingCsv {
    const char *name;
    const char *decimalMark;
    std::string_view start; // the header and loan 1's first payment
    std::uint64_t hash; // FNV-1a of the whole text
};

// From the Python replica described in repayment_schedule_test.cpp: 1,207 payments, 79,090 bytes either way.
const StartingCsv startingCsvs[] = {
    {"point", ".",
     "Plan,Payment,Month,Payment amount,Interest,Principal,Balance\r\n"
     "Loan 1,1,2026-01,1967.04,884.54,1082.50,353917.50\r\n",
     0xf12abdb80b26aa8b},
    {"comma", ",",
     "Plan;Payment;Month;Payment amount;Interest;Principal;Balance\r\n"
     "Loan 1;1;2026-01;1967,04;884,54;1082,50;353917,50\r\n",
     0x3a5f5cdf1ca9d0e1},
};

class StartingCsvTest : public testing::TestWithParam<StartingCsv> { };

TEST_P(StartingCsvTest, is_the_independently_computed_text)
{
    const std::string csv = schedule::schedulesCsv(
        schedule::buildSchedules(plansOf(defaultLoan1, defaultLoan2), {2026, 1}), GetParam().decimalMark);
    EXPECT_TRUE(csv.starts_with(GetParam().start)) << csv.substr(0, 200);
    EXPECT_EQ(csv.size(), 79090u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1208); // the header and 1,207 payments
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\r'), 1208);
    EXPECT_EQ(fnv1a64(csv), GetParam().hash);
}

INSTANTIATE_TEST_SUITE_P(SchedulesCsv, StartingCsvTest, testing::ValuesIn(startingCsvs), RowName{});

// The notation of a CSV: a spreadsheet reads "," or "." as the decimal mark and nothing else, in ASCII digits.
struct NotationCase {
    const char *name;
    const char *localeDecimalMark;
    const char *plan;
    const char *row;
};

// Amounts of 1000.50, 0.50, 1000.00 and an owed balance of -0.50, whose sign must survive the zero units.
const NotationCase notationCases[] = {
    {"point", ".", "Loan 1", "Loan 1,7,2026-01,1000.50,0.50,1000.00,-0.50"},
    {"comma_with_semicolons", ",", "Loan 1", "Loan 1;7;2026-01;1000,50;0,50;1000,00;-0,50"},
    {"arabic_decimal_mark_writes_a_point", "\u066B", "Loan 1", "Loan 1,7,2026-01,1000.50,0.50,1000.00,-0.50"},
    {"empty_mark_writes_a_point", "", "Loan 1", "Loan 1,7,2026-01,1000.50,0.50,1000.00,-0.50"},
    {"separator_and_quote_in_a_name_are_quoted", ".", "Say \"hi\", now",
     "\"Say \"\"hi\"\", now\",7,2026-01,1000.50,0.50,1000.00,-0.50"},
};

class NotationTest : public testing::TestWithParam<NotationCase> { };

TEST_P(NotationTest, writes_amounts_a_spreadsheet_reads_back_unchanged)
{
    const schedule::Payment payment{7, {2026, 1}, 100050, 50, 100000, -50};
    const schedule::NamedPayments plan{GetParam().plan, {&payment, 1}};
    const std::string csv = schedule::paymentsCsv({&plan, 1}, GetParam().localeDecimalMark);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), std::string(GetParam().row) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(SchedulesCsv, NotationTest, testing::ValuesIn(notationCases), RowName{});

} // namespace
