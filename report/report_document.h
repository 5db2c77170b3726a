// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QDate>
#include <QPageSize>
#include <QString>
#include <utility>
#include <vector>

class QLocale;
class QPagedPaintDevice;
class QPrinter;

namespace report {

// A titled group of captions and their texts, as the window groups its inputs and results.
struct ReportSection {
    QString title;
    std::vector<std::pair<QString, QString>> rows;
};

// Everything one report shows: its title and date, the window's inputs and results in sections, and the
// schedules of the last Calculate (in schedule::allPlans order), whose summaries, chart and tables follow.
struct ReportContent {
    QString title;
    QDate date;
    std::vector<ReportSection> sections;
    std::vector<schedule::Schedule> schedules;
    numtext::LocaleMarks marks;
};

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize reportPageSize(const QLocale &locale);

// Paints the whole report onto `device`, a page at a time; false when the device cannot be painted on.
bool paintReport(const ReportContent &content, QPagedPaintDevice &device);

// Saves the report as a PDF in the system locale's page size, atomically: a save that fails leaves any file
// already at `path` as it was, and sets `error` to plain words.
bool saveReportPdf(const ReportContent &content, const QString &path, QString &error);

// Prints the report on `printer` as the print dialog left it (set its page size to reportPageSize() before
// showing the dialog). False when the printer cannot be painted on.
bool printReport(const ReportContent &content, QPrinter &printer);

} // namespace report
