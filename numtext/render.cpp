// SPDX-License-Identifier: GPL-3.0-or-later
#include "render.h"

#include "digit_grouping.h"
#include "locale_digits.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace numtext {

namespace {

struct PatternLayout {
    std::string prefix;
    std::string suffix;
    int minIntegerDigits = 0;
    bool grouped = false;
    bool decimalMark = false;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
};

bool isPlaceholder(char c)
{
    return c == '#' || c == '0' || c == ',' || c == '.';
}

// Appends the literal at `pos` ("\x", a quoted run, or one plain character) and moves past it.
void takeLiteral(std::string_view pattern, std::size_t &pos, std::string &out)
{
    if (pattern[pos] == '\\' && pos + 1 < pattern.size()) {
        out += pattern[pos + 1];
        pos += 2;
    } else if (pattern[pos] == '"') {
        const auto close = std::min(pattern.find('"', pos + 1), pattern.size());
        out.append(pattern.substr(pos + 1, close - pos - 1));
        pos = close + 1;
    } else {
        out += pattern[pos++];
    }
}

PatternLayout parsePattern(std::string_view pattern)
{
    PatternLayout layout;
    std::size_t pos = 0;
    while (pos < pattern.size() && !isPlaceholder(pattern[pos]))
        takeLiteral(pattern, pos, layout.prefix);

    bool anyDigit = false;
    bool zeroSeen = false;
    for (; pos < pattern.size() && isPlaceholder(pattern[pos]); ++pos) {
        const char c = pattern[pos];
        if (c == '.') {
            layout.decimalMark = true;
        } else if (c == ',') {
            layout.grouped = layout.grouped || !layout.decimalMark;
        } else if (layout.decimalMark) {
            ++layout.maxFractionDigits;
            if (c == '0')
                layout.minFractionDigits = layout.maxFractionDigits;
            anyDigit = true;
        } else {
            // Every placeholder from the first "0" on is a digit that always shows.
            zeroSeen = zeroSeen || c == '0';
            layout.minIntegerDigits += zeroSeen ? 1 : 0;
            anyDigit = true;
        }
    }
    while (pos < pattern.size()) {
        if (pattern[pos] == '#' || pattern[pos] == '0')
            throw std::invalid_argument("display pattern has literals among its digit placeholders");
        takeLiteral(pattern, pos, layout.suffix);
    }
    if (!anyDigit)
        throw std::invalid_argument("display pattern has no digit placeholder");
    return layout;
}

// A non-negative value as significant digits and the position of the decimal point among them:
// digits "1967044" with point 4 is 1967.044. Shortest round-trip form, so rounding sees what a person sees.
struct DecimalDigits {
    std::string digits;
    int point = 0;
};

DecimalDigits shortestDigits(double magnitude)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
    const std::string_view text{buffer, std::size_t(end - buffer)};
    const auto e = std::min(text.find('e'), text.size());
    DecimalDigits result;
    for (const char c : text.substr(0, e))
        if (c != '.')
            result.digits += c;
    int exponent = 0;
    const std::string_view exponentText = text.substr(std::min(e + 1, text.size()));
    const bool plus = !exponentText.empty() && exponentText.front() == '+';
    std::from_chars(exponentText.data() + plus, exponentText.data() + exponentText.size(), exponent);
    result.point = exponent + 1;
    return result;
}

// Keeps `decimals` digits after the point, rounding half away from zero on the digits themselves.
void roundDigits(DecimalDigits &number, int decimals)
{
    const long keep = long(number.point) + decimals;
    if (keep >= long(number.digits.size()))
        return;
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    const bool roundUp = number.digits[std::size_t(keep)] >= '5';
    number.digits.resize(std::size_t(keep));
    if (!roundUp)
        return;
    for (auto it = number.digits.rbegin(); it != number.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    number.digits.insert(number.digits.begin(), '1');
    ++number.point;
}

} // namespace

std::string render(double value, std::string_view pattern, const LocaleMarks &marks)
{
    if (!std::isfinite(value))
        throw std::domain_error("only finite values can be rendered");
    const PatternLayout layout = parsePattern(pattern);

    DecimalDigits number = shortestDigits(std::fabs(value));
    roundDigits(number, layout.maxFractionDigits);

    // Integer digits, less leading zeros, then padded to what the pattern always shows.
    std::string integer;
    for (int i = 0; i < number.point; ++i)
        integer += i < int(number.digits.size()) ? number.digits[std::size_t(i)] : '0';
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    const bool integerIsZero = integer.empty();
    if (int(integer.size()) < layout.minIntegerDigits)
        integer.insert(0, std::size_t(layout.minIntegerDigits) - integer.size(), '0');

    std::string fraction(std::size_t(layout.maxFractionDigits), '0');
    for (int i = 0; i < layout.maxFractionDigits; ++i) {
        const int index = number.point + i;
        if (index >= 0 && index < int(number.digits.size()))
            fraction[std::size_t(i)] = number.digits[std::size_t(index)];
    }
    const bool fractionIsZero = fraction.find_first_not_of('0') == std::string::npos;
    while (int(fraction.size()) > layout.minFractionDigits && fraction.back() == '0')
        fraction.pop_back();

    const detail::LocaleDigits digits{marks.zeroDigit};
    const detail::GroupSizes groupSizes{marks.primaryGroup, marks.secondaryGroup};
    std::string text;
    if (value < 0 && !(integerIsZero && fractionIsZero))
        text += marks.minus.empty() ? "-" : marks.minus;
    text += layout.prefix;
    text += layout.grouped ? detail::groupDigits(integer, groupSizes, marks.grouping, digits)
                           : digits.fromAscii(integer);
    if (layout.decimalMark)
        text += marks.decimal;
    text += digits.fromAscii(fraction);
    text += layout.suffix;
    return text;
}

std::string integerText(int value)
{
    return std::to_string(value);
}

} // namespace numtext
