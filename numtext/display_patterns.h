// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The patterns the result fields are shown through. The three currency patterns show every value alike, since
// the integer part always shows all its digits; they differ only in the field widths they were drawn for.
namespace numtext::pattern {

inline constexpr std::string_view LoanMoney = "$#########,##0.00"; // loan payments and total interest
inline constexpr std::string_view AccumulatedMoney = "$#######,##0.00"; // accumulated values (FV)
inline constexpr std::string_view BlendMoney = "$####,##0.00"; // blended loan, combined payment, payoff interest
inline constexpr std::string_view Rate = "####.####"; // rates in percent: no leading zero, up to four decimals
inline constexpr std::string_view Years = "####,##0.00"; // payoff periods

} // namespace numtext::pattern
