// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit_grouping.h"

namespace numtext::detail {

GroupSizes::GroupSizes(int primaryDigits, int secondaryDigits)
    : primary(primaryDigits > 0 ? std::size_t(primaryDigits) : 3)
    , secondary(secondaryDigits > 0 ? std::size_t(secondaryDigits) : 3)
{ }

bool groupsFit(std::span<const std::size_t> groups, const GroupSizes &sizes)
{
    if (groups.size() < 2)
        return true;
    if (groups.back() != sizes.primary)
        return false;
    for (std::size_t i = 1; i + 1 < groups.size(); ++i)
        if (groups[i] != sizes.secondary)
            return false;
    return groups.front() >= 1 && groups.front() <= sizes.secondary;
}

std::string groupDigits(std::string_view digits, const GroupSizes &sizes, std::string_view mark,
                        const LocaleDigits &localeDigits)
{
    // Marks go where the count of digits to their right is the primary size plus a whole number of secondary
    // groups.
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t right = digits.size() - i;
        if (i > 0 && right >= sizes.primary && (right - sizes.primary) % sizes.secondary == 0)
            out += mark;
        out += localeDigits.fromAscii(digits.substr(i, 1));
    }
    return out;
}

} // namespace numtext::detail
