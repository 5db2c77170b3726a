// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"

class QLocale;

namespace localtext {

// The number notation of a Qt locale, for the readers and the renderer: its decimal and grouping marks, currency
// symbol, digits, percent and minus signs, and the sizes of its digit groups.
numtext::LocaleMarks marksOf(const QLocale &locale);

} // namespace localtext
