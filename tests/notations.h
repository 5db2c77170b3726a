// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"

#include <string>
#include <string_view>

// The notations the readers and the renderer are proven under. Table rows are written in the first one, with
// "," for grouping, "." for the decimal mark, "-" for minus and ASCII digits, and translated into each of the
// others.
struct Notation {
    const char *name;
    numtext::LocaleMarks marks;
};

inline const Notation notations[] = {
    {"point_comma", {".", ",", "$"}},
    {"comma_point", {",", ".", "\u20AC"}},
    {"comma_narrow_nbsp", {",", "\u202F", "\u20AC"}},
    {"point_nbsp", {".", "\u00A0", "$"}},
    {"arabic_indic",
     {.decimal = "\u066B",
      .grouping = "\u066C",
      .currency = "\u062C.\u0645.\u200F",
      .zeroDigit = "\u0660",
      .percent = "\u066A\u061C",
      .minus = "\u061C-"}},
};

// Written out rather than derived from the zero digit, as the code under test derives them.
inline constexpr std::string_view arabicIndicDigits[]
    = {"\u0660", "\u0661", "\u0662", "\u0663", "\u0664", "\u0665", "\u0666", "\u0667", "\u0668", "\u0669"};

// `text` with each "," replaced by the notation's grouping mark, each "." by its decimal mark, each "-" by its
// minus sign and each digit by its digit.
inline std::string inNotation(std::string_view text, const numtext::LocaleMarks &marks)
{
    const bool arabicIndic = marks.zeroDigit == arabicIndicDigits[0];
    std::string out;
    for (const char c : text) {
        if (c == ',')
            out += marks.grouping;
        else if (c == '.')
            out += marks.decimal;
        else if (c == '-')
            out += marks.minus;
        else if (arabicIndic && c >= '0' && c <= '9')
            out += arabicIndicDigits[c - '0'];
        else
            out += c;
    }
    return out;
}
