#pragma once

#include "numtext/locale_marks.h"

#include <string>
#include <string_view>

// The notations the readers and the renderer are proven under. Table rows are written in the first one, with
// "," for grouping and "." for the decimal mark, and translated into each of the others.
struct Notation {
    const char *name;
    numtext::LocaleMarks marks;
};

inline const Notation notations[] = {
    {"point_comma", {".", ",", "$"}},
    {"comma_point", {",", ".", "\u20AC"}},
    {"comma_narrow_nbsp", {",", "\u202F", "\u20AC"}},
    {"point_nbsp", {".", "\u00A0", "$"}},
};

// `text` with each "," replaced by the notation's grouping mark and each "." by its decimal mark.
inline std::string inNotation(std::string_view text, const numtext::LocaleMarks &marks)
{
    std::string out;
    for (const char c : text) {
        if (c == ',')
            out += marks.grouping;
        else if (c == '.')
            out += marks.decimal;
        else
            out += c;
    }
    return out;
}
