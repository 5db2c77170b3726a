// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_marks.h"

#include <string>
#include <string_view>

namespace numtext {

// A plain ASCII number text ("2.99", "355000", "-1,234.5") written in the locale's notation: its digits, decimal
// mark and minus sign, and, where the text is grouped, its grouping mark in the locale's own grouping
// ("2,99" under German marks, "3,55,000" for "355,000" in India, "٢٫٩٩" in Egypt). Characters that are not part
// of such a number are copied unchanged. readNumber reads the result back to the value of `plain`.
std::string localizedNumber(std::string_view plain, const LocaleMarks &marks);

} // namespace numtext
