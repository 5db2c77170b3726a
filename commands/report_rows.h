// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "numtext/locale_marks.h"

#include <string>
#include <vector>

// One Calculate's inputs and results as rows of caption and text, grouped as the window groups them: the content
// of the saved report and of the copied results.
namespace commands {

struct CaptionedText {
    Field field;
    std::string caption; // the field's caption in the form table
    std::string text; // as the field shows it after that Calculate
};

struct ReportGroup {
    std::string title;
    std::vector<CaptionedText> rows;
};

// The five inputs as typed and the 26 results as the window shows them; results the calculation did not reach,
// and every result after an input that was not a number, are empty.
std::vector<ReportGroup> reportGroups(const CalculationOutcome &outcome, const numtext::LocaleMarks &marks);

// Rows as lines of caption, tab, text, so that a paste into a spreadsheet gives two columns.
std::string tabSeparatedLines(const std::vector<ReportGroup> &groups);

} // namespace commands
