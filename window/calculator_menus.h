// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/calculation.h"
#include "commands/comparison_form.h"
#include "desktop_services.h"
#include "last_calculation.h"
#include "numtext/locale_marks.h"

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QWidget;

namespace report {
class ComparisonView;
class ReportModule;
class SchedulesView;
struct ReportContent;
} // namespace report

namespace window {

// The calculator's menu bar and what its commands open beside the window: the repayment schedules, the report
// to save or print, the schedules as CSV, the copied results and the help, all of them from the last Calculate's
// outcome. The schedules window, the chart and printing come from the report module, loaded the first time one of
// them is asked for, never at start. Every command runs inside `guard`, the window's last resort for failures.
class CalculatorMenus : public QObject {
    Q_OBJECT

public:
    using Guard = std::function<void(const std::function<void()> &command)>;

    CalculatorMenus(QWidget &window, numtext::LocaleMarks marks, DesktopServices &services, Guard guard,
                    std::function<void()> exit);

    QMenuBar *menuBar() const { return m_menuBar; }

    // After every Calculate.
    void calculated(commands::CalculationOutcome outcome);

    void showSchedules();
    void saveReport();
    void printReport();
    void exportSchedules();
    void copyResults();
    void showComparison();
    void exportComparison();

private:
    QAction *addCommand(QMenu *menu, const QString &text, const QKeySequence &keys, std::function<void()> command);
    void buildMenus(std::function<void()> exit);
    report::ReportModule *reportModule() const;
    report::ReportContent reportContent();
    void firstPaymentPicked(schedule::Month month);
    void refreshSchedulesWindow();
    commands::ComparisonTexts calculatorComparisonTexts() const;
    bool calculatedYet() const;
    void say(const QString &text) const;

    QWidget &m_window;
    numtext::LocaleMarks m_marks;
    DesktopServices &m_services;
    Guard m_guard;
    QMenuBar *m_menuBar = nullptr;
    QList<QAction *> m_commands; // offered by their shortcuts in the program's other windows too
    LastCalculation m_last;
    report::SchedulesView *m_schedulesWindow = nullptr; // owned by the window, made on first use
    bool m_schedulesStale = false; // what it shows is older than the last Calculate or month
    report::ComparisonView *m_comparisonWindow = nullptr; // owned by the window, made on first use
};

} // namespace window
