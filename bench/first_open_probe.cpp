// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the schedules window the first time as the program does: with the calculator window already shown,
// the report module loaded (Qt Charts and Qt PrintSupport with it), the window made, given the starting inputs'
// plans, shown and painted. Prints both times in milliseconds; one measurement a process, since only the first
// open pays for the loading.
#include "commands/plans_reached.h"
#include "report/report_module.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget calculator;
    calculator.show();
    if (!QTest::qWaitForWindowExposed(&calculator))
        return 1;

    QElapsedTimer timer;
    timer.start();
    QString error;
    report::ReportModule *module = report::loadReportModule(error);
    if (!module) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const qint64 loaded = timer.nsecsElapsed();
    report::SchedulesView *view = module->createSchedulesWindow({".", ",", "$"}, &calculator, {});
    const auto plans = commands::plansReached(commands::calculate({{355000, 2.99, 20}, {140000, 4, 20}}));
    const auto schedules = schedule::buildSchedules(plans, {2027, 1});
    view->showSchedules({schedules.begin(), schedules.end()}, {2027, 1});
    view->widget()->show();
    if (!QTest::qWaitForWindowExposed(view->widget()))
        return 1;
    view->widget()->repaint();
    std::printf("module loaded %.1f ms, schedules window painted %.1f ms\n", double(loaded) / 1e6,
                double(timer.nsecsElapsed()) / 1e6);
    return 0;
}
