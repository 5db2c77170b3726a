// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

namespace report {

// Sizes a top-level window to `preferred`, or to what its screen has room for with the title bar and borders the
// desktop adds (which Qt learns only once the window is shown), never below its minimum size.
void fitToScreen(QWidget &window, QSize preferred);

// Where the desktop puts a window is its choice, but one that would hang off the screen is moved onto it; call on
// every show.
void keepOnScreen(QWidget &window);

} // namespace report
