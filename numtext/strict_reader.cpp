#include "strict_reader.h"

#include "decimal_value.h"

#include <array>
#include <cmath>
#include <string>

namespace numtext {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::array<std::string_view, 3> kSpaceMarks = {" ", "\u00A0", "\u202F"};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSpaceMark(std::string_view mark)
{
    for (const auto space : kSpaceMarks)
        if (mark == space)
            return true;
    return false;
}

class StrictScanner {
public:
    StrictScanner(std::string_view text, const LocaleMarks &marks)
        : m_text(text)
        , m_marks(marks)
    { }

    double read()
    {
        takeSign();
        if (takeCurrency()) {
            skipBlanks();
            if (!m_signed)
                takeSign();
        }
        const std::size_t digits = takeIntegerPart() + takeFraction();
        if (digits == 0)
            throw ReadError(ReadErrorKind::NotANumber);
        takeExponent();
        if (m_pos != m_text.size())
            throw ReadError(ReadErrorKind::NotANumber);

        const double value = detail::decimalValue(m_number);
        if (!std::isfinite(value))
            throw ReadError(ReadErrorKind::OutOfRange);
        return value;
    }

private:
    bool take(std::string_view token)
    {
        if (token.empty() || m_text.substr(m_pos, token.size()) != token)
            return false;
        m_pos += token.size();
        return true;
    }

    bool atDigit() const { return m_pos < m_text.size() && isDigit(m_text[m_pos]); }

    std::size_t appendDigits(std::string &out)
    {
        std::size_t count = 0;
        for (; atDigit(); ++m_pos, ++count)
            out += m_text[m_pos];
        return count;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && kBlanks.find(m_text[m_pos]) != std::string_view::npos)
            ++m_pos;
    }

    void takeSign()
    {
        if (take("-"))
            m_number += '-';
        else if (!take("+"))
            return;
        m_signed = true;
    }

    bool takeCurrency() { return take("$") || take(m_marks.currency); }

    // Takes a grouping mark only where a digit follows it, so a mark can never end the integer part.
    bool takeGroupingMark()
    {
        const std::size_t start = m_pos;
        bool taken = false;
        if (isSpaceMark(m_marks.grouping)) {
            for (const auto space : kSpaceMarks)
                if (!taken)
                    taken = take(space);
        } else {
            taken = take(m_marks.grouping);
        }
        if (taken && atDigit())
            return true;
        m_pos = start;
        return false;
    }

    std::size_t takeIntegerPart()
    {
        std::size_t count = appendDigits(m_number);
        while (count > 0 && takeGroupingMark())
            count += appendDigits(m_number);
        return count;
    }

    std::size_t takeFraction()
    {
        if (!take(m_marks.decimal))
            return 0;
        m_number += '.';
        return appendDigits(m_number);
    }

    void takeExponent()
    {
        if (!take("e") && !take("E"))
            return;
        m_number += 'e';
        if (take("-"))
            m_number += '-';
        else
            take("+");
        if (appendDigits(m_number) == 0)
            throw ReadError(ReadErrorKind::NotANumber);
    }

    std::string_view m_text;
    const LocaleMarks &m_marks;
    std::size_t m_pos = 0;
    bool m_signed = false;
    std::string m_number; // the same number in plain ASCII notation
};

} // namespace

double readStrict(std::string_view text, const LocaleMarks &marks)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        throw ReadError(ReadErrorKind::Empty);
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    return StrictScanner{text, marks}.read();
}

} // namespace numtext
