// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_marks.h"
#include "read_error.h"

#include <string_view>

namespace numtext {

// Reads a text that is exactly one number in the locale's notation: blanks around it (space, tab, U+00A0,
// U+202F); an optional sign ("-", "+" or the locale's minus); an optional currency symbol ("$" or the
// locale's) before or after the number, with blanks allowed between the two, or else an optional trailing
// percent sign ("%" or the locale's); the locale's decimal mark and an optional exponent (E or e).
// Grouping marks may stand only between groups of the integer part laid out in threes or in the locale's own
// grouping ("3,55,000" in India): "35,5000" and, where "," groups, "2,99" are refused. For a space-like grouping
// mark any of the three spaces is taken, and ASCII "'" where the mark is U+2019. Digits are the locale's or
// ASCII, not both in one text.
// Throws ReadError: Empty for a text of blanks, OutOfRange for a number too large for a double (one too small
// reads as 0), NotANumber for anything else.
double readStrict(std::string_view text, const LocaleMarks &marks);

} // namespace numtext
