// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a window of the report module the first time, as the program does: with the calculator window already
// shown, the module loaded (Qt Charts and Qt PrintSupport with it), the window made and given the starting
// inputs' figures, shown and painted. `first_open_probe` opens the schedules window, `first_open_probe comparison`
// the comparison window. Prints both times in milliseconds; one measurement a process, since only the first open
// pays for the loading.
#include "commands/commands.h"
#include "commands/plans_reached.h"
#include "commands/text_form.h"
#include "report/report_module.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool comparison = argc > 1 && std::strcmp(argv[1], "comparison") == 0;
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
    const numtext::LocaleMarks marks{".", ",", "$"};
    commands::TextForm form{marks};
    const commands::CalculationOutcome outcome = commands::Command1_Click(form, marks);
    QWidget *window = nullptr;
    if (comparison) {
        report::ComparisonView *view = module->createComparisonWindow(marks, &calculator, {}, {}, {});
        view->setFirstPayment({2027, 1});
        view->setTexts(commands::comparisonTextsFrom(outcome, marks));
        window = view->widget();
    } else {
        report::SchedulesView *view = module->createSchedulesWindow(marks, &calculator, {});
        const auto schedules = schedule::buildSchedules(commands::plansReached(outcome), {2027, 1});
        view->showSchedules({schedules.begin(), schedules.end()}, {2027, 1});
        window = view->widget();
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    window->repaint();
    std::printf("module loaded %.1f ms, %s window painted %.1f ms\n", double(loaded) / 1e6,
                comparison ? "comparison" : "schedules", double(timer.nsecsElapsed()) / 1e6);
    return 0;
}
