// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "numtext/locale_marks.h"
#include "window_operations.h"

// The window's commands, named after the control and event that run them. Each runs to completion on the
// user-interface thread and reports its own failures in a message box; none ends the program but Exit.
namespace commands {

// Calculate: reads the five inputs, computes both loans and their blend, and writes every result field as soon
// as its figure exists. A calculation that fails empties the result fields it did not reach and says why; an
// input that is not a number stops it before anything is computed. Gives back what it read and computed.
CalculationOutcome Command1_Click(WindowOperations &form, const numtext::LocaleMarks &marks);

// The range checks of loan 1's inputs, run when the focus leaves the field for another control of the window:
// a value out of range is replaced by "1", explained, and handed back with the focus; text that is not a number
// is explained and kept. True when the value passed, so that a command waiting on the check knows to go on.
bool Text1_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks);
bool Text2_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks);
bool Text3_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks);

// Exit: beeps and ends the program; nothing is asked or checked on the way out.
void cmdExit_Click(WindowOperations &form);

} // namespace commands
