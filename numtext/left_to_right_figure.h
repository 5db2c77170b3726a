// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_marks.h"

#include <string>

// Text shown to a person keeps each figure whole and in the order its parts are written: under a right-to-left
// locale the bidirectional algorithm would otherwise let a figure's minus sign, digits and month name trade places
// with each other and with the words around it ("-$70.15" shown as "٧٠٫١٥$-", "month 9 (September 2027)" with
// the 9 after the month). Files, the clipboard and terminals get the plain text: programs read those, and a
// terminal lays out no direction.
namespace numtext {

// The marks for figures shown as left-to-right units: the minus sign without the right-to-left mark some locales
// put before it (Arabic's U+061C), which inside the unit would carry the sign to the figure's far end.
LocaleMarks leftToRightMarks(LocaleMarks marks);

// `figure` as one unit: between U+2068 FIRST STRONG ISOLATE and U+2069 POP DIRECTIONAL ISOLATE where it holds a
// character that right-to-left layout moves (a letter of a right-to-left script, an Arabic-Indic digit, a
// right-to-left mark); otherwise unchanged, so that a left-to-right locale's text stays as it is. A number has no
// strong letter, so its unit runs left to right and keeps its sign in front; a month and year in Arabic run right
// to left, as an Arabic reader reads them everywhere else.
std::string leftToRightFigure(std::string figure);

} // namespace numtext
