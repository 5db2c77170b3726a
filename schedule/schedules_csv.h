// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "repayment_schedule.h"

#include <span>
#include <string>
#include <string_view>

namespace schedule {

// One plan's payments under the name a CSV gives them.
struct NamedPayments {
    std::string_view plan;
    std::span<const Payment> payments;
};

// Payments as RFC 4180 text: UTF-8 without a byte order mark, CRLF line ends, the header
// "Plan,Payment,Month,Payment amount,Interest,Principal,Balance", then one row a payment, plan by plan. Months are
// ISO "YYYY-MM"; amounts have exactly two decimals, ASCII digits, no grouping and no currency sign. Where the
// locale's decimal mark is "," (as the spreadsheets of such locales expect) amounts take "," and fields are
// separated by ";"; everywhere else, amounts take "." and fields ",": a spreadsheet reads no other mark. Fields are
// quoted only when they hold the separator, a quote or a line break.
std::string paymentsCsv(std::span<const NamedPayments> plans, std::string_view localeDecimalMark);

// Every payment of every listed plan, in plan order, each under its plan's name.
std::string schedulesCsv(std::span<const Schedule> schedules, std::string_view localeDecimalMark);

} // namespace schedule
