// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace numtext::detail {

namespace {

// The power of ten of the leading significant digit. Counted in 64 bits and saturated far beyond the double
// range, so that no exponent or text length, however large, can overflow the count (long is 32 bits on some
// platforms).
std::int64_t decimalMagnitude(std::string_view number)
{
    constexpr std::int64_t limit = 1'000'000'000;
    std::int64_t exponent = 0;
    if (const auto e = number.find('e'); e != std::string_view::npos) {
        const std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        for (const char c : digits)
            if (c >= '0' && c <= '9')
                exponent = std::min(limit, exponent * 10 + (c - '0'));
        if (negative)
            exponent = -exponent;
        number = number.substr(0, e);
    }
    const auto point = std::min(number.find('.'), number.size());
    const auto first = number.find_first_of("123456789");
    if (first == std::string_view::npos)
        return -limit;
    const auto digitsBetween = [&](std::size_t from, std::size_t to) {
        return std::int64_t(std::min<std::size_t>(to - from, std::size_t(limit)));
    };
    const std::int64_t position = first < point ? digitsBetween(first, point) - 1 : -digitsBetween(point, first);
    return exponent + position;
}

} // namespace

double decimalValue(std::string_view number)
{
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc::result_out_of_range)
        return value;
    const double magnitude = decimalMagnitude(number) >= 0 ? HUGE_VAL : 0.0;
    return !number.empty() && number.front() == '-' ? -magnitude : magnitude;
}

} // namespace numtext::detail
