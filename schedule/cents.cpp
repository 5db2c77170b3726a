// SPDX-License-Identifier: GPL-3.0-or-later
#include "cents.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace schedule {

namespace {

constexpr Cents maxCents = std::numeric_limits<Cents>::max();

} // namespace

std::optional<Cents> toCents(double amount)
{
    // Below 1e17 units the cents have at most 19 digits, which an unsigned 64-bit count holds; the exact limit
    // is checked at the end.
    if (!std::isfinite(amount) || std::fabs(amount) >= 1e17)
        return std::nullopt;
    char buffer[32];
    const char *end
        = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(amount), std::chars_format::scientific).ptr;
    const std::string_view text{buffer, std::size_t(end - buffer)};
    const std::size_t e = text.find('e');
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+'), exponentText.data() + exponentText.size(),
                    exponent);

    // The mantissa "d.ddd" times 10^exponent: keep the digits down to the cent, then round on the next one.
    const int centDigits = exponent + 3; // digits of the mantissa that lie at or above the cent
    std::uint64_t cents = 0;
    bool roundUp = false;
    int taken = 0;
    for (const char c : text.substr(0, e)) {
        if (c == '.')
            continue;
        if (taken < centDigits)
            cents = cents * 10 + std::uint64_t(c - '0');
        else if (taken == centDigits)
            roundUp = c >= '5';
        ++taken;
    }
    for (; taken < centDigits; ++taken)
        cents *= 10;
    cents += roundUp ? 1 : 0;
    if (cents > std::uint64_t(maxCents))
        return std::nullopt;
    return amount < 0 ? -Cents(cents) : Cents(cents);
}

} // namespace schedule
