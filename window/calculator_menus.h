// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands.h"
#include "desktop_services.h"
#include "numtext/locale_marks.h"

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
    void say(const QString &text) const;

    QWidget &m_window;
    const WindowOperations &m_fields;
    numtext::LocaleMarks m_marks;
    DesktopServices &m_services;
    QMenuBar *m_menuBar = nullptr;
    std::optional<CalculationTerms> m_terms; // none before the first Calculate that could read its inputs
    report::SchedulesView *m_schedulesWindow = nullptr; // owned by the window, made on first use
};

} // namespace window
