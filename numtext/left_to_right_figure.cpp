// SPDX-License-Identifier: GPL-3.0-or-later
#include "left_to_right_figure.h"

#include "mark_variants.h"

namespace numtext {

namespace {

// The code point that starts at `pos` of valid UTF-8, and the position after it; an invalid byte counts as itself.
char32_t codePointAt(std::string_view text, std::size_t &pos)
{
    const auto byte = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(text[i])); };
    const char32_t lead = byte(pos);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead < 0xC0 || pos + length > text.size()) {
        ++pos;
        return lead;
    }
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        point = (point << 6) | (byte(pos + i) & 0x3F);
    pos += length;
    return point;
}

// The blocks of the right-to-left scripts (Hebrew to Arabic Extended-A, with the Arabic-Indic digits and U+061C;
// their presentation forms; the historic scripts and Adlam of the supplementary planes), and the right-to-left
// mark and controls.
bool movedByRightToLeftLayout(char32_t point)
{
    return (point >= 0x0590 && point <= 0x08FF) || point == 0x200F || point == 0x202B || point == 0x202E
        || point == 0x2067 || (point >= 0xFB1D && point <= 0xFDFF) || (point >= 0xFE70 && point <= 0xFEFE)
        || (point >= 0x10800 && point <= 0x10FFF) || (point >= 0x1E800 && point <= 0x1EFFF);
}

} // namespace

LocaleMarks leftToRightMarks(LocaleMarks marks)
{
    marks.minus = detail::withoutBidiControls(marks.minus);
    return marks;
}

std::string leftToRightFigure(std::string figure)
{
    for (std::size_t pos = 0; pos < figure.size();)
        if (movedByRightToLeftLayout(codePointAt(figure, pos)))
            return "\u2068" + std::move(figure) + "\u2069";
    return figure;
}

} // namespace numtext
