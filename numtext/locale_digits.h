// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace numtext::detail {

// The ten digits of a locale, as UTF-8. Unicode puts every decimal digit set in ten consecutive code points, so
// the zero digit gives all ten; a zero digit that is not one valid code point gives the ASCII digits.
class LocaleDigits {
public:
    explicit LocaleDigits(std::string_view zeroDigit);

    bool isAscii() const { return m_digits[0] == "0"; }

    // `ascii` with each ASCII digit replaced by the locale's; every other character is copied unchanged.
    std::string fromAscii(std::string_view ascii) const;

    // The value of the locale's digit at the start of `text`, and its length in bytes; nothing when `text`
    // does not start with one. ASCII digits are not matched here unless they are the locale's.
    std::optional<int> nativeAt(std::string_view text, std::size_t &length) const;

private:
    std::array<std::string, 10> m_digits;
};

} // namespace numtext::detail
