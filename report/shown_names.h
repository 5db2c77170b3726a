// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/input_table.h"

#include <QString>

// Names from the plain libraries' tables, which keep them in English for files and scripts, in the user's language
// where the windows and the report show them: through the plain libraries' catalog, under the contexts their
// tables mark them with.
namespace report {

// The program's name, in the user's language as the window's title gives it.
QString programName();

// An input's caption above its box in the comparison window: "Balance".
QString shownInputCaption(compare::ComparisonField field);

// What a person calls an input, "Balance, loan 1": a screen reader's name for its box and the report's caption.
QString shownInputName(compare::ComparisonField field);

} // namespace report
