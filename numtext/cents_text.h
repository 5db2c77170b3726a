// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locale_marks.h"

#include <cstdint>
#include <string>

namespace numtext {

// Whole cents as the window writes money: "$1,967.04", "-$0.50", in the locale's marks, digits and grouping.
// Written from the integer, so every cent is exact however large the amount.
std::string centsText(std::int64_t cents, const LocaleMarks &marks);

} // namespace numtext
