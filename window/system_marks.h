#pragma once

#include "numtext/locale_marks.h"

class QLocale;

namespace window {

// The decimal mark, grouping mark and currency symbol of a Qt locale, for the readers and the renderer.
numtext::LocaleMarks marksOf(const QLocale &locale);

} // namespace window
