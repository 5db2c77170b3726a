// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace report {

// How every figure of the window and of the schedules is defined, in plain words, as HTML tables.
QString figureDefinitionsHtml();

} // namespace report
