// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace numtext::detail {

// What the readers skip around a number and between a symbol and it: space, tab, no-break space and narrow
// no-break space (locales write the last two between a number and its currency). Line breaks are not blanks:
// a text with one holds two lines, not one number.
inline constexpr std::array<std::string_view, 4> kBlanks = {" ", "\t", "\u00A0", "\u202F"};

// The length in bytes of the blank `text` starts with, or 0.
inline std::size_t blankAt(std::string_view text)
{
    for (const auto blank : kBlanks)
        if (text.starts_with(blank))
            return blank.size();
    return 0;
}

// `text` less its leading and trailing blanks.
inline std::string_view trimBlanks(std::string_view text)
{
    while (const std::size_t length = blankAt(text))
        text.remove_prefix(length);
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const auto blank : kBlanks)
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
    }
    return text;
}

} // namespace numtext::detail
