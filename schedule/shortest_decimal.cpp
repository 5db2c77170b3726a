// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortest_decimal.h"

#include <charconv>
#include <string_view>

namespace schedule {

ShortestDecimal shortestDecimal(double positive)
{
    // "d.ddde±x": the digits, and the power of ten of the first one.
    char buffer[32];
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, positive, std::chars_format::scientific).ptr;
    const std::string_view text{buffer, std::size_t(end - buffer)};
    const std::size_t e = text.find('e');
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+'), exponentText.data() + exponentText.size(),
                    exponent);
    ShortestDecimal decimal;
    for (const char c : text.substr(0, e)) {
        if (c == '.')
            continue;
        decimal.digits = decimal.digits * 10 + std::uint64_t(c - '0');
        ++decimal.count;
    }
    decimal.power = exponent - (decimal.count - 1);
    return decimal;
}

} // namespace schedule
