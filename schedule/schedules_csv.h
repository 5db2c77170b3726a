// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "repayment_schedule.h"

#include <span>
#include <string>
#include <string_view>

namespace schedule {

// Every payment of every listed plan as RFC 4180 text: UTF-8 without a byte order mark, CRLF line ends, the
// header "Plan,Payment,Month,Payment amount,Interest,Principal,Balance", then the rows in plan order. Months
// are ISO "YYYY-MM"; amounts have exactly two decimals after `decimalMark`, ASCII digits, no grouping and no
// currency sign. Fields are separated by ";" when the mark is "," (as spreadsheets of such locales expect) and
// by "," otherwise, and quoted only when they hold the separator, a quote or a line break. A mark that would
// make amounts unreadable (empty, or holding a digit or minus sign) is replaced by ".".
std::string schedulesCsv(std::span<const Schedule> schedules, std::string_view decimalMark);

} // namespace schedule
