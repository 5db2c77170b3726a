// SPDX-License-Identifier: GPL-3.0-or-later
#include "strict_reader.h"

#include "blanks.h"
#include "decimal_value.h"
#include "digit_grouping.h"
#include "locale_digits.h"
#include "mark_variants.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace numtext {

namespace {

using detail::GroupSizes;
using detail::LocaleDigits;

class StrictScanner {
public:
    StrictScanner(std::string_view text, const LocaleMarks &marks)
        : m_text(text)
        , m_marks(marks)
        , m_digits(marks.zeroDigit)
        , m_minus(detail::typedVariants(marks.minus))
        , m_currency(detail::typedVariants(marks.currency))
        , m_percent(detail::typedVariants(marks.percent))
        , m_grouping(detail::groupingVariants(marks.grouping))
    {
        m_minus.push_back("-");
        m_currency.push_back("$");
        m_percent.push_back("%");
    }

    double read()
    {
        takeSign();
        const bool currencyFirst = takeAny(m_currency);
        if (currencyFirst) {
            skipBlanks();
            if (!m_signed)
                takeSign();
        }
        takeNumber();
        if (!currencyFirst)
            takeSymbolAfter();
        if (m_pos != m_text.size())
            throw ReadError(ReadErrorKind::NotANumber);

        const double value = detail::decimalValue(m_number);
        if (!std::isfinite(value))
            throw ReadError(ReadErrorKind::OutOfRange);
        return value;
    }

private:
    std::string_view rest() const { return m_text.substr(m_pos); }

    bool take(std::string_view token)
    {
        if (token.empty() || !rest().starts_with(token))
            return false;
        m_pos += token.size();
        return true;
    }

    bool takeAny(const std::vector<std::string> &tokens)
    {
        for (const auto &token : tokens)
            if (take(token))
                return true;
        return false;
    }

    void skipBlanks()
    {
        while (const std::size_t length = detail::blankAt(rest()))
            m_pos += length;
    }

    enum class Script { Unknown, Ascii, Native };

    struct Digit {
        char ascii;
        std::size_t length; // in bytes
        Script script;
    };

    // The digit at the current position, when it is in the script of the text's digits so far: a digit of the
    // other script ends the number, so the text is refused.
    std::optional<Digit> digitHere() const
    {
        const std::string_view text = rest();
        std::optional<Digit> digit;
        std::size_t length = 0;
        if (!text.empty() && text[0] >= '0' && text[0] <= '9')
            digit = Digit{text[0], 1, Script::Ascii};
        else if (const auto native = m_digits.nativeAt(text, length); native && !m_digits.isAscii())
            digit = Digit{char('0' + *native), length, Script::Native};
        if (digit && m_script != Script::Unknown && digit->script != m_script)
            return std::nullopt;
        return digit;
    }

    bool atDigit() const { return digitHere().has_value(); }

    std::size_t appendDigits(std::string &out)
    {
        std::size_t count = 0;
        while (const auto digit = digitHere()) {
            m_script = digit->script;
            out += digit->ascii;
            m_pos += digit->length;
            ++count;
        }
        return count;
    }

    void takeSign()
    {
        if (takeAny(m_minus))
            m_number += '-';
        else if (!take("+"))
            return;
        m_signed = true;
    }

    // A grouping mark counts only where a digit follows it, so it never ends the integer part: "5 €" is 5 and a
    // currency after it, not a grouped number.
    bool takeGroupingMark()
    {
        const std::size_t start = m_pos;
        if (takeAny(m_grouping) && atDigit())
            return true;
        m_pos = start;
        return false;
    }

    std::size_t takeIntegerPart()
    {
        std::vector<std::size_t> groups{appendDigits(m_number)};
        while (groups.back() > 0 && takeGroupingMark())
            groups.push_back(appendDigits(m_number));
        const GroupSizes threes{3, 3};
        const GroupSizes local{m_marks.primaryGroup, m_marks.secondaryGroup};
        if (!detail::groupsFit(groups, threes) && !detail::groupsFit(groups, local))
            throw ReadError(ReadErrorKind::NotANumber);
        std::size_t count = 0;
        for (const std::size_t group : groups)
            count += group;
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
        if (takeAny(m_minus))
            m_number += '-';
        else
            take("+");
        if (appendDigits(m_number) == 0)
            throw ReadError(ReadErrorKind::NotANumber);
    }

    void takeNumber()
    {
        const std::size_t digits = takeIntegerPart() + takeFraction();
        if (digits == 0)
            throw ReadError(ReadErrorKind::NotANumber);
        takeExponent();
    }

    void takeSymbolAfter()
    {
        const std::size_t end = m_pos;
        skipBlanks();
        if (!takeAny(m_currency) && !takeAny(m_percent))
            m_pos = end;
    }

    std::string_view m_text;
    const LocaleMarks &m_marks;
    LocaleDigits m_digits;
    std::vector<std::string> m_minus;
    std::vector<std::string> m_currency;
    std::vector<std::string> m_percent;
    std::vector<std::string> m_grouping;
    std::size_t m_pos = 0;
    bool m_signed = false;
    Script m_script = Script::Unknown;
    std::string m_number; // the same number in plain ASCII notation
};

} // namespace

double readStrict(std::string_view text, const LocaleMarks &marks)
{
    text = detail::trimBlanks(text);
    if (text.empty())
        throw ReadError(ReadErrorKind::Empty);
    return StrictScanner{text, marks}.read();
}

} // namespace numtext
