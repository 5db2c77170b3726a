// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_text.h"

#include <charconv>
#include <cstdlib>

namespace schedule {

namespace {

// The number the decimal digits of `text` write, or -1 where any is not a digit.
int digits(std::string_view text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

void appendPadded(std::string &text, int value, int width)
{
    if (value < 0)
        text += '-';
    char buffer[16];
    char *end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(static_cast<long long>(value))).ptr;
    const auto length = int(end - buffer);
    if (length < width)
        text.append(std::size_t(width - length), '0');
    text.append(buffer, end);
}

} // namespace

std::string monthText(Month month)
{
    std::string text;
    appendPadded(text, month.year, 4);
    text += '-';
    appendPadded(text, month.month, 2);
    return text;
}

std::optional<Month> readMonth(std::string_view text)
{
    if (text.size() != 7 || text[4] != '-')
        return std::nullopt;
    const int year = digits(text.substr(0, 4));
    const int month = digits(text.substr(5, 2));
    if (year < firstMonthAllowed.year || year > lastMonthAllowed.year || month < 1 || month > 12)
        return std::nullopt;
    return Month{year, month};
}

} // namespace schedule
