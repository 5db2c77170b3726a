// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "repayment_schedule.h"

#include <optional>
#include <string>
#include <string_view>

// A month as files, exports and the command line write it: "2026-03", ISO 8601's year and month.
namespace schedule {

// The months a scenario, a recovery and the command line take: those the window's month picker offers.
inline constexpr Month firstMonthAllowed{1900, 1};
inline constexpr Month lastMonthAllowed{2999, 12};

// "2026-03"; a year before 0 or after 9999 keeps its sign and all its digits.
std::string monthText(Month month);

// The month of a text that is exactly four digits, "-" and two digits, from firstMonthAllowed to lastMonthAllowed;
// none for anything else ("2026-3", " 2026-03", "2026-13", "1899-12").
std::optional<Month> readMonth(std::string_view text);

} // namespace schedule
