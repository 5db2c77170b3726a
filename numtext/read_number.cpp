// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_number.h"

#include "blanks.h"
#include "decimal_value.h"
#include "mark_variants.h"
#include "strict_reader.h"

#include <cmath>
#include <optional>
#include <string>

namespace numtext {

namespace {

// A number as the lenient reading takes it, in plain ASCII, with what the ambiguity check needs to know.
struct CompactNumber {
    std::string text;
    std::size_t integerDigits = 0;
    std::size_t fractionDigits = 0;
    std::size_t digitsRightAfterPoint = 0; // as typed, before blanks are dropped: "1.000 000" has 3
    bool exponent = false;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text less every blank, or nothing when it holds a line break.
std::optional<std::string> compacted(std::string_view text)
{
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        if (text[pos] == '\n' || text[pos] == '\r')
            return std::nullopt;
        if (const std::size_t blank = detail::blankAt(text.substr(pos))) {
            pos += blank;
            continue;
        }
        out += text[pos++];
    }
    return out;
}

bool takesTrailingPercent(std::string_view rest, const LocaleMarks &marks)
{
    if (rest.empty() || rest == "%")
        return true;
    for (const auto &percent : detail::typedVariants(marks.percent))
        if (rest == percent)
            return true;
    return false;
}

// The second reading: what readLenient reads, where it reads the whole text. Blanks are dropped before parsing,
// as readLenient skips them between any two characters.
std::optional<CompactNumber> readWholeLeniently(std::string_view text, const LocaleMarks &marks)
{
    const auto compact = compacted(text);
    if (!compact)
        return std::nullopt;
    const std::string_view in = *compact;
    std::size_t pos = 0;
    const auto appendDigits = [&](std::string &out) {
        std::size_t count = 0;
        for (; pos < in.size() && isDigit(in[pos]); ++pos, ++count)
            out += in[pos];
        return count;
    };

    CompactNumber number;
    if (pos < in.size() && (in[pos] == '-' || in[pos] == '+')) {
        if (in[pos] == '-')
            number.text += '-';
        ++pos;
    }
    number.integerDigits = appendDigits(number.text);
    if (pos < in.size() && in[pos] == '.') {
        number.text += '.';
        ++pos;
        number.fractionDigits = appendDigits(number.text);
    }
    if (number.integerDigits + number.fractionDigits == 0)
        return std::nullopt;
    if (pos < in.size() && std::string_view("EeDd").find(in[pos]) != std::string_view::npos) {
        ++pos;
        number.text += 'e';
        if (pos < in.size() && (in[pos] == '-' || in[pos] == '+'))
            number.text += in[pos++];
        // An exponent letter without digits is left unread by readLenient, so the text is not read whole.
        if (appendDigits(number.text) == 0)
            return std::nullopt;
        number.exponent = true;
    }
    if (!takesTrailingPercent(in.substr(pos), marks))
        return std::nullopt;
    if (const auto point = text.find('.'); point != std::string_view::npos)
        while (point + 1 + number.digitsRightAfterPoint < text.size()
               && isDigit(text[point + 1 + number.digitsRightAfterPoint]))
            ++number.digitsRightAfterPoint;
    return number;
}

// "140.000" or "2.500 000" where "." is not the decimal mark: a hundred and forty or a hundred and forty
// thousand, two and a half or two and a half million.
bool mayBeGrouped(const CompactNumber &number, const LocaleMarks &marks)
{
    return marks.decimal != "." && number.integerDigits > 0 && !number.exponent
        && (number.fractionDigits == 3 || number.digitsRightAfterPoint == 3);
}

} // namespace

double readNumber(std::string_view text, const LocaleMarks &marks)
{
    try {
        return readStrict(text, marks);
    } catch (const ReadError &error) {
        if (error.kind() != ReadErrorKind::NotANumber)
            throw;
    }
    const auto number = readWholeLeniently(text, marks);
    if (!number || mayBeGrouped(*number, marks))
        throw ReadError(ReadErrorKind::NotANumber);
    const double value = detail::decimalValue(number->text);
    if (!std::isfinite(value))
        throw ReadError(ReadErrorKind::OutOfRange);
    return value;
}

} // namespace numtext
