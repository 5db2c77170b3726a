// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_marks.h"

#include <string>
#include <string_view>

namespace numtext {

// Lays out a finite value through a numeric display pattern of the usual format language:
// - "0" is a digit that is always shown, "#" one that is shown only when significant; the integer part shows
//   all its digits however few placeholders the pattern has;
// - a "," among the integer placeholders groups the whole integer part in the locale's grouping (threes, or
//   3 then 2 in India);
// - "." is the decimal mark, shown even when no decimal digit follows it; the pattern's decimal placeholders set
//   how many decimals are kept, and its trailing "0"s how many of them always show;
// - anything else before or after the placeholders is a literal, shown unchanged ("\" escapes one character,
//   "..." quotes several); a negative value gets its minus sign in front of the whole, literal included.
// The value is rounded half away from zero on its shortest round-trip decimal form, as a person rounding the
// printed number would (2.675 -> "2.68"); a value that rounds to zero shows no minus sign. The marks, digits and
// minus sign shown are the locale's; literals show as the pattern has them. Throws std::domain_error for a value
// that is not finite, std::invalid_argument for a pattern with no digit placeholder or with literals among its
// placeholders.
std::string render(double value, std::string_view pattern, const LocaleMarks &marks);

// The text of a whole number, as an input check writes it into a field it resets: integerText(1) == "1".
std::string integerText(int value);

} // namespace numtext
