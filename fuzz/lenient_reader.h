// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace numtext {

// Reads the leading number of a text and never fails: blanks, tabs and line feeds
// are dropped wherever they stand, then an optional sign, digits with at most one '.', and an optional exponent
// (E, e, D or d) are read from the left until a character cannot continue the number. The decimal point is '.'
// in every locale. Text without a leading number reads as 0; a number too large for a double as an infinity.
// "355 000" -> 355000, "2.99%" -> 2.99, "1,000" -> 1, "$5" -> 0, "1e3" -> 1000, "1e" -> 1, "1.2.3" -> 1.2.
// The window no longer reads inputs this way, since a leading number can be another number than the one typed:
// readNumber's second reading follows the same grammar but takes a text only when it is read whole. This stays
// as the reference the fuzzer compares that reading with.
double readLenient(std::string_view text);

} // namespace numtext
