// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands.h"
#include "desktop_services.h"
#include "numtext/locale_marks.h"
#include "report_rows.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class QMenuBar;
class QWidget;

namespace schedule {
struct Schedule;
}

namespace report {
class ReportModule;
class SchedulesView;
struct ReportContent;
} // namespace report

namespace window {

// The calculator's menu bar and what its commands open beside the window: the repayment schedules, the report
// to save or print, the schedules as CSV, the copied results and the help. The schedules window, the chart and
// printing come from the report module, loaded the first time one of them is asked for, never at start.
class CalculatorMenus : public QObject {
public:
    CalculatorMenus(QWidget &window, const WindowOperations &fields, numtext::LocaleMarks marks,
                    DesktopServices &services, std::function<void()> exit);

    QMenuBar *menuBar() const { return m_menuBar; }

    // After every Calculate: the terms it read, or none when an input was not a number.
    void calculated(std::optional<CalculationTerms> terms);

    void showSchedules();
    void saveReport();
    void printReport();
    void exportSchedules();
    void copyResults() const;

private:
    void buildMenus(std::function<void()> exit);
    report::ReportModule *reportModule() const;
    std::vector<schedule::Schedule> currentSchedules() const;
    report::ReportContent reportContent() const;
    void refreshSchedulesWindow();
    std::vector<ReportGroup> shownFigures() const;
    bool calculatedYet() const;
    void say(const QString &text) const;

    QWidget &m_window;
    const WindowOperations &m_fields;
    numtext::LocaleMarks m_marks;
    DesktopServices &m_services;
    QMenuBar *m_menuBar = nullptr;
    std::optional<CalculationTerms> m_terms; // none before the first Calculate that could read its inputs
    // The inputs and results as the last Calculate left them, so that the report and the copy never pair inputs
    // typed since with figures computed before.
    std::optional<std::vector<ReportGroup>> m_calculatedFigures;
    report::SchedulesView *m_schedulesWindow = nullptr; // owned by the window, made on first use
    bool m_schedulesStale = false; // a Calculate came while the schedules window was closed
};

} // namespace window
