// SPDX-License-Identifier: GPL-3.0-or-later
// The schedules window on the offscreen platform: opening it, the first time in the process and again, and a new
// Calculate's plans shown while it is open, each up to the window repainted. Also the CSV export of every plan.
#include "offscreen_benchmark_main.h"
#include "report/csv_export.h"
#include "report/schedules_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

const numtext::LocaleMarks marks{".", ",", "$"};

schedule::CalculatedPlans plansOf(double years)
{
    return schedule::calculatePlanTerms({355000, 2.99, years}, {140000, 4, years});
}

// Built, given the plans, shown and painted once: what the menu command costs before the user sees the window.
void openAndPaint(benchmark::State &state)
{
    const schedule::CalculatedPlans plans = plansOf(20);
    for (auto _ : state) {
        report::SchedulesWindow window{marks};
        window.showPlans(plans, "");
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return state.SkipWithError("the window was never exposed");
        window.repaint();
        state.PauseTiming();
        window.close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
// Registered first, so that its single run pays for everything Qt loads on first use (the chart's fonts, styles).
BENCHMARK(openAndPaint)->Name("openSchedulesWindowFirstTime")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(openAndPaint)->Name("openSchedulesWindowAgain")->Unit(benchmark::kMillisecond);

// Two Calculates in turn (20 and 50 years), so every iteration changes every row and every line of the chart.
void showPlansWhileOpen(benchmark::State &state)
{
    const std::array plans{plansOf(20), plansOf(50)};
    report::SchedulesWindow window{marks};
    window.showPlans(plans[0], "");
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return state.SkipWithError("the window was never exposed");
    std::size_t next = 1;
    for (auto _ : state) {
        window.showPlans(plans[next], "");
        window.repaint();
        next = 1 - next;
    }
}
BENCHMARK(showPlansWhileOpen)->Unit(benchmark::kMillisecond);

void exportCsv(benchmark::State &state)
{
    report::SchedulesWindow window{marks};
    window.showPlans(plansOf(20), "");
    QTemporaryDir folder;
    const QString path = folder.filePath("schedules.csv");
    QString error;
    for (auto _ : state)
        if (!report::exportSchedulesCsv(window.schedules(), path, marks, error))
            return state.SkipWithError(qPrintable(error));
}
BENCHMARK(exportCsv)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    return runWidgetBenchmarks(argc, argv);
}
