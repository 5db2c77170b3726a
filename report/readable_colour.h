// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;

namespace report {

// The contrast ratio of two opaque colours, from 1 (the same) to 21 (black on white), as the accessibility
// guidelines define it from their relative luminance.
double contrastRatio(const QColor &a, const QColor &b);

// The colour of greyed text that stands for a figure not typed (a box's placeholder) in the active group of
// `palette`: its placeholder colour laid over its base, where that reads at 4.5:1 or more against the base and
// is clearly fainter than typed text; otherwise the mix of text and base colours nearest to that. Some styles
// give placeholders the text colour itself, others a grey too faint to read.
QColor placeholderColour(const QPalette &palette);

} // namespace report
