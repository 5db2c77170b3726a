#pragma once

#include "locale_marks.h"
#include "read_error.h"

#include <string_view>

namespace numtext {

// Reads a text that must be exactly one number in the locale's notation, for the input checks: blanks around
// it, one leading sign, a currency symbol ("$" or the locale's) before the digits, the locale's grouping marks
// between digits of the integer part, one decimal mark and an exponent (E or e). When the grouping mark is a
// space, any of the spaces people type for it (U+0020, U+00A0, U+202F) is taken as one.
// Throws ReadError for anything else, and for a number too large for a double.
double readStrict(std::string_view text, const LocaleMarks &marks);

} // namespace numtext
