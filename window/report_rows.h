// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_operations.h"

#include <string>
#include <vector>

// The window's inputs and results as rows of caption and text, grouped as the window groups them: the content of
// the saved report and of the copied results.
namespace window {

struct CaptionedText {
    std::string caption;
    std::string text; // as the field shows it
};

struct ReportGroup {
    std::string title;
    std::vector<CaptionedText> rows;
};

// The five inputs and the 26 results, as the fields read now.
std::vector<ReportGroup> reportGroups(const WindowOperations &form);

// Rows as lines of caption, tab, text, so that a paste into a spreadsheet gives two columns.
std::string tabSeparatedLines(const std::vector<ReportGroup> &groups);

} // namespace window
