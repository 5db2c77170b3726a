// SPDX-License-Identifier: GPL-3.0-or-later
#include "lenient_reader.h"

#include "numtext/decimal_value.h"

#include <string>

namespace numtext {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks the text with its blanks already out of the way.
class CompactCursor {
public:
    explicit CompactCursor(std::string_view text)
        : m_text(text)
    {
        skipBlanks();
    }

    bool atEnd() const { return m_pos == m_text.size(); }
    char peek() const { return m_text[m_pos]; }
    void advance()
    {
        ++m_pos;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool takeIf(CompactCursor &cursor, std::string_view choices, char &taken)
{
    if (cursor.atEnd() || choices.find(cursor.peek()) == std::string_view::npos)
        return false;
    taken = cursor.peek();
    cursor.advance();
    return true;
}

std::size_t appendDigits(CompactCursor &cursor, std::string &number)
{
    std::size_t count = 0;
    while (!cursor.atEnd() && isDigit(cursor.peek())) {
        number += cursor.peek();
        cursor.advance();
        ++count;
    }
    return count;
}

} // namespace

double readLenient(std::string_view text)
{
    CompactCursor cursor{text};
    std::string number;
    char taken = 0;
    if (takeIf(cursor, "+-", taken) && taken == '-')
        number += '-';
    std::size_t mantissaDigits = appendDigits(cursor, number);
    if (takeIf(cursor, ".", taken)) {
        number += '.';
        mantissaDigits += appendDigits(cursor, number);
    }
    if (mantissaDigits == 0)
        return 0;

    // An exponent letter without digits after it is not part of the number: "1e" reads as 1.
    if (takeIf(cursor, "EeDd", taken)) {
        std::string exponent = "e";
        if (takeIf(cursor, "+-", taken))
            exponent += taken;
        if (appendDigits(cursor, exponent) > 0)
            number += exponent;
    }
    return detail::decimalValue(number);
}

} // namespace numtext
