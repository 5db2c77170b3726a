// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/calculation.h"
#include "commands/comparison_outcome.h"
#include "commands/window_operations.h"
#include "desktop_services.h"
#include "last_calculation.h"
#include "numtext/locale_marks.h"
#include "scenario_document.h"

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

// The calculator's menu bar and what its commands open beside the window: scenario files, the repayment schedules,
// the comparison with an offer, the report to save or print, the CSV exports, the copied results and the help, all
// of them from the last Calculate's outcome. The schedules and comparison windows, the charts and printing come
// from the report module, loaded the first time one of them is asked for, never at start. Every command, and
// every call the other windows make back, runs inside `guard`, the window's last resort for failures.
class CalculatorMenus : public QObject {
    Q_OBJECT

public:
    using Guard = std::function<void(const std::function<void()> &command)>;

    // `fields` are the calculator's; `calculate` runs Calculate as the user's click does, checks first.
    CalculatorMenus(QWidget &window, commands::WindowOperations &fields, numtext::LocaleMarks marks,
                    DesktopServices &services, Guard guard, std::function<void()> exit,
                    std::function<void()> calculate);

    QMenuBar *menuBar() const { return m_menuBar; }
    ScenarioDocument &document() { return *m_document; }

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
    // `name` is the action's object name, by which tests find it whatever the language.
    QAction *addCommand(QMenu *menu, const char *name, const QString &text, const QKeySequence &keys,
                        std::function<void()> command);
    void buildMenus(std::function<void()> exit);
    report::ReportModule *reportModule() const;
    report::ReportContent reportContent();
    void firstPaymentPicked(schedule::Month month);
    void refreshSchedulesWindow();
    commands::ComparisonTexts calculatorComparisonTexts() const;
    commands::ComparisonOutcome comparisonOutcome() const;
    void fillComparison();
    void undoFill();
    void forgetFill();
    scenario::WindowTexts windowTexts() const;
    void setWindowTexts(const scenario::WindowTexts &texts);
    void setFirstPayment(schedule::Month month);
    bool calculatedYet() const;
    void say(const QString &text) const;

    QWidget &m_window;
    commands::WindowOperations &m_fields;
    numtext::LocaleMarks m_marks;
    DesktopServices &m_services;
    Guard m_guard;
    QMenuBar *m_menuBar = nullptr;
    QList<QAction *> m_commands; // offered by their shortcuts in the program's other windows too
    LastCalculation m_last;
    report::SchedulesView *m_schedulesWindow = nullptr; // owned by the window, made on first use
    bool m_schedulesStale = false; // what it shows is older than the last Calculate or month
    report::ComparisonView *m_comparisonWindow = nullptr; // owned by the window, made on first use
    // A comparison opened from a file or restored before its window was ever made, for it to start with.
    std::optional<commands::ComparisonTexts> m_pendingComparison;
    std::optional<commands::ComparisonTexts> m_beforeFill; // what the last Fill replaced, while it can be undone
    QAction *m_undoFill = nullptr;
    ScenarioDocument *m_document = nullptr;
};

} // namespace window
