// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_digits.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace numtext::detail {

// Where grouping marks go in an integer part: `primary` digits in the group nearest the decimal mark, then
// `secondary` digits in each group further left (3 and 3 almost everywhere; 3 and 2 in India). Sizes below 1
// are taken as 3, since a group must hold a digit.
struct GroupSizes {
    GroupSizes(int primaryDigits, int secondaryDigits);

    std::size_t primary;
    std::size_t secondary;
};

// Whether an integer part split at its grouping marks into groups of these sizes (left to right) is grouped as
// `sizes` lays out: full groups right of the leftmost one, which holds 1 to `secondary` digits. A single group
// (no mark) always fits.
bool groupsFit(std::span<const std::size_t> groups, const GroupSizes &sizes);

// ASCII `digits` written in the locale's digits, with `mark` between their groups.
std::string groupDigits(std::string_view digits, const GroupSizes &sizes, std::string_view mark,
                        const LocaleDigits &localeDigits);

} // namespace numtext::detail
