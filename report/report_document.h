// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report_content.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QLocale;
class QPagedPaintDevice;
class QPrinter;

namespace report {

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize reportPageSize(const QLocale &locale);

// That page in portrait with the report's margins.
QPageLayout reportPageLayout(const QLocale &locale);

// Paints the whole report onto `device`, a page at a time; false when the device cannot be painted on.
bool paintReport(const ReportContent &content, QPagedPaintDevice &device);

// Saves the report as a PDF on pages of `layout`, atomically: a save that fails leaves any file already at `path`
// as it was, and sets `error` to plain words.
bool saveReportPdf(const ReportContent &content, const QString &path, const QPageLayout &layout, QString &error);

// Prints the report on `printer` as the print dialog left it (set its page size to reportPageSize() before
// showing the dialog). Printed to a PDF file, the file is saved as by saveReportPdf: whole or not at all. False,
// with `error` in plain words, when nothing was printed.
bool printReport(const ReportContent &content, QPrinter &printer, QString &error);

} // namespace report
