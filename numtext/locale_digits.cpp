// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale_digits.h"

namespace numtext::detail {

namespace {

constexpr char32_t kNoCodePoint = 0xFFFFFFFF;

// The code point of a text that is exactly one well-formed UTF-8 sequence.
char32_t singleCodePoint(std::string_view text)
{
    if (text.empty())
        return kNoCodePoint;
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        length = 1;
        code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return kNoCodePoint;
    }
    if (text.size() != length)
        return kNoCodePoint;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return kNoCodePoint;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return kNoCodePoint;
    return code;
}

std::string utf8Of(char32_t code)
{
    std::string out;
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
    return out;
}

bool isCodePointRun(char32_t first, char32_t count)
{
    const char32_t last = first + count - 1;
    return first != kNoCodePoint && last <= 0x10FFFF && (last < 0xD800 || first > 0xDFFF);
}

} // namespace

LocaleDigits::LocaleDigits(std::string_view zeroDigit)
{
    char32_t zero = singleCodePoint(zeroDigit);
    if (!isCodePointRun(zero, 10))
        zero = U'0';
    for (char32_t d = 0; d < 10; ++d)
        m_digits[d] = utf8Of(zero + d);
}

std::string LocaleDigits::fromAscii(std::string_view ascii) const
{
    std::string out;
    out.reserve(ascii.size());
    for (const char c : ascii) {
        if (c >= '0' && c <= '9')
            out += m_digits[std::size_t(c - '0')];
        else
            out += c;
    }
    return out;
}

std::optional<int> LocaleDigits::nativeAt(std::string_view text, std::size_t &length) const
{
    for (int d = 0; d < 10; ++d) {
        const std::string &digit = m_digits[std::size_t(d)];
        if (text.substr(0, digit.size()) == digit) {
            length = digit.size();
            return d;
        }
    }
    return std::nullopt;
}

} // namespace numtext::detail
