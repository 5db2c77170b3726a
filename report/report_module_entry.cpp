// SPDX-License-Identifier: GPL-3.0-or-later
// The report module's one entry point: report/ behind the ReportModule interface.
#include "comparison_window.h"
#include "csv_export.h"
#include "help_windows.h"
#include "loanblend_version.h"
#include "localtext/translations.h"
#include "report_document.h"
#include "report_module.h"
#include "schedules_window.h"

#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class LoadedReport final : public report::ReportModule {
public:
    report::SchedulesView *createSchedulesWindow(const numtext::LocaleMarks &marks, QWidget *parent,
                                                 std::function<void(schedule::Month)> firstPaymentPicked) override
    {
        return new report::SchedulesWindow(marks, std::move(firstPaymentPicked), parent);
    }

    report::ComparisonView *createComparisonWindow(const numtext::LocaleMarks &marks, QWidget *parent,
                                                   std::function<void()> fillFromCalculator,
                                                   std::function<void(schedule::Month)> firstPaymentPicked,
                                                   std::function<void()> edited) override
    {
        auto *window
            = new report::ComparisonWindow(marks, std::move(fillFromCalculator), std::move(firstPaymentPicked), parent);
        window->setEdited(std::move(edited));
        return window;
    }

    bool saveReportPdf(const report::ReportContent &content, const QString &path, QString &error) override
    {
        return report::saveReportPdf(content, path, report::reportPageLayout(QLocale()), error);
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
        return report::printReport(content, printer, error);
    }

    bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                            const numtext::LocaleMarks &marks, QString &error) override
    {
        return report::exportSchedulesCsv(schedules, path, marks, error);
    }

    bool exportComparisonCsv(const commands::ComparisonOutcome &outcome, const QString &path,
                             const numtext::LocaleMarks &marks, QString &error) override
    {
        return report::exportComparisonCsv(outcome, path, marks, error);
    }

    void showFigureDefinitions(QWidget *parent) override { report::showFigureDefinitions(parent); }
    void showAbout(QWidget *parent, const QString &version) override { report::showAbout(parent, version); }
};

} // namespace

// What the program checks before it takes the module: the headers both were built from.
extern "C" Q_DECL_EXPORT const char *loanblendReportModuleInterface()
{
    return loanblendModuleInterface;
}

extern "C" Q_DECL_EXPORT report::ReportModule *loanblendReportModule()
{
    [[maybe_unused]] static const bool translated = localtext::installCatalog(QStringLiteral("loanblend-report"));
    static LoadedReport module;
    return &module;
}
