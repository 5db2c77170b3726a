// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison_view.h"
#include "numtext/locale_marks.h"
#include "report_content.h"
#include "schedules_view.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace report {

// What the calculator asks of report/, behind an interface so that the program can load it from a module on
// first use. Qt Charts and Qt PrintSupport (with the OpenGL libraries Qt Charts brings) are bound in full when
// they load: linked into the program, they would cost its start more than its whole window does.
class ReportModule {
public:
    virtual ~ReportModule() = default;

    // A new schedules window, top-level even with a parent; owned, as any QWidget, by `parent` when given. A
    // first-payment month the user picks in it goes to `firstPaymentPicked`.
    virtual SchedulesView *createSchedulesWindow(const numtext::LocaleMarks &marks, QWidget *parent,
                                                 std::function<void(schedule::Month)> firstPaymentPicked)
        = 0;
    // A new comparison window, top-level and owned likewise. Its "Fill from the calculator" button calls
    // `fillFromCalculator`; a first-payment month picked in it goes to `firstPaymentPicked`; every input the user
    // changes in it calls `edited`.
    virtual ComparisonView *
    createComparisonWindow(const numtext::LocaleMarks &marks, QWidget *parent, std::function<void()> fillFromCalculator,
                           std::function<void(schedule::Month)> firstPaymentPicked, std::function<void()> edited)
        = 0;
    virtual bool saveReportPdf(const ReportContent &content, const QString &path, QString &error) = 0;
    // Asks with the print dialog (A4 or Letter by the locale) and prints. Printed to a PDF file, the file is
    // written as a saved report is: whole, or not at all. False when nothing was printed: `error` says why, or is
    // empty when the user cancelled.
    virtual bool printReport(const ReportContent &content, QWidget *parent, QString &error) = 0;
    virtual bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                                    const numtext::LocaleMarks &marks, QString &error)
        = 0;
    // Both ways of the comparison as one CSV file, atomically; false with `error` in plain words when it cannot be
    // saved or the comparison could not be made.
    virtual bool exportComparisonCsv(const commands::ComparisonOutcome &outcome, const QString &path,
                                     const numtext::LocaleMarks &marks, QString &error)
        = 0;
    virtual void showFigureDefinitions(QWidget *parent) = 0;
    virtual void showAbout(QWidget *parent, const QString &version) = 0;
};

// The report module, loaded the first time it is asked for and the same one after. It is looked for beside the
// program as built (../lib/loanblend), then as installed, and only one built from the same headers as the
// program is taken; null, with `error` in plain words, when there is none.
ReportModule *loadReportModule(QString &error);

// The first of `paths` (without the ".so") that holds a module of this build, loaded for good; null, with `error`
// saying what was wrong with each, when none does.
ReportModule *loadReportModuleFrom(const QStringList &paths, QString &error);

} // namespace report
