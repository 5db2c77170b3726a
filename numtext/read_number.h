// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_marks.h"
#include "read_error.h"

#include <string_view>

namespace numtext {

// The one rule by which every number the user types is read, by the input checks and by Calculate alike:
// 1. the text as one number in the locale's notation (readStrict): "355.000" and "2,99" under German marks;
// 2. otherwise the text as readLenient reads it ("." as the decimal point, blanks dropped wherever they stand,
//    an exponent E, e, D or d), but only where that reading takes the whole text but for blanks and a trailing
//    percent sign: "2.99" and " 2 . 9 9" in every locale, "2.99%" too. A text holding a line break is never
//    read this way;
// 3. except that where the locale's decimal mark is not ".", a text only the second reading takes, with a "."
//    after a digit followed by exactly three digits and no exponent ("140.000" under French marks), is refused:
//    the "." may be a grouping mark, and guessing would be off by a factor of a thousand.
// Throws ReadError: Empty for a text of blanks (what that means is the caller's decision), OutOfRange for a
// number too large for a double (one too small reads as 0), NotANumber for anything else ("1,0000", "$5" under
// German marks, "355000\n140000", "-").
double readNumber(std::string_view text, const LocaleMarks &marks);

} // namespace numtext
