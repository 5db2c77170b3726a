// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The Help menu's two windows. Both are non-modal and close themselves with their Close button or Escape; asked
// for again while open, the one already open comes to the front.
namespace report {

// "How the figures are defined": every figure's definition in plain words, scrollable and read-only.
void showFigureDefinitions(QWidget *parent);

// The program's name, version, licence and purpose.
void showAbout(QWidget *parent, const QString &version);

} // namespace report
