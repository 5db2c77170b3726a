// SPDX-License-Identifier: GPL-3.0-or-later
// The report module's one entry point: report/ behind the ReportModule interface.
#include "csv_export.h"
#include "help_windows.h"
#include "report_document.h"
#include "report_module.h"
#include "schedules_window.h"

#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class LoadedReport final : public report::ReportModule {
public:
    report::SchedulesView *createSchedulesWindow(const numtext::LocaleMarks &marks, QWidget *parent) override
    {
        return new report::SchedulesWindow(marks, parent);
    }

    bool saveReportPdf(const report::ReportContent &content, const QString &path, QString &error) override
    {
        return report::saveReportPdf(content, path, error);
    }

    bool printReport(const report::ReportContent &content, QWidget *parent, QString &error) override
    {
        error.clear();
        QPrinter printer;
        printer.setPageSize(report::reportPageSize(QLocale()));
        printer.setDocName(content.title);
        QPrintDialog dialog{&printer, parent};
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (report::printReport(content, printer))
            return true;
        error = QStringLiteral("The report could not be printed: the printer could not be opened.");
        return false;
    }

    bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                            const numtext::LocaleMarks &marks, QString &error) override
    {
        return report::exportSchedulesCsv(schedules, path, marks, error);
    }

    void showFigureDefinitions(QWidget *parent) override { report::showFigureDefinitions(parent); }
    void showAbout(QWidget *parent, const QString &version) override { report::showAbout(parent, version); }
};

} // namespace

extern "C" Q_DECL_EXPORT report::ReportModule *loanblendReportModule()
{
    static LoadedReport module;
    return &module;
}
