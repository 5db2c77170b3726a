// SPDX-License-Identifier: GPL-3.0-or-later
// The schedules window on the offscreen platform: opening it, the first time in the process and again, and a new
// Calculate's plans shown while it is open, each up to the window repainted. Also the CSV export of every plan.
#include "commands/commands.h"
#include "commands/plans_reached.h"
#include "commands/text_form.h"
#include "offscreen_benchmark_main.h"
#include "report/comparison_window.h"
#include "report/csv_export.h"
#include "report/schedules_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

const numtext::LocaleMarks marks{".", ",", "$"};

constexpr schedule::Month firstPayment{2027, 1};

// The schedules the calculator hands the window after a Calculate of the starting inputs over `years`.
std::vector<schedule::Schedule> schedulesOf(double years)
{
    const auto plans = commands::plansReached(commands::calculate({{355000, 2.99, years}, {140000, 4, years}}));
    const auto built = schedule::buildSchedules(plans, firstPayment);
    return {built.begin(), built.end()};
}

// Built, given the plans, shown and painted once: what the menu command costs before the user sees the window.
void openAndPaint(benchmark::State &state)
{
    const std::vector<schedule::Schedule> schedules = schedulesOf(20);
    for (auto _ : state) {
        report::SchedulesWindow window{marks, {}};
        window.showSchedules(schedules, firstPayment);
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
void showSchedulesWhileOpen(benchmark::State &state)
{
    const std::array schedules{schedulesOf(20), schedulesOf(50)};
    report::SchedulesWindow window{marks, {}};
    window.showSchedules(schedules[0], firstPayment);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return state.SkipWithError("the window was never exposed");
    std::size_t next = 1;
    for (auto _ : state) {
        window.showSchedules(schedules[next], firstPayment);
        window.repaint();
        next = 1 - next;
    }
}
BENCHMARK(showSchedulesWhileOpen)->Unit(benchmark::kMillisecond);

// Target: 16 ms. A keystroke in the comparison window: the text changed, both ways compared afresh (two 20-year
// loans and an offer, both rates solved, the break-even month), every figure and the chart set, the window
// repainted. The offer's rate goes back and forth, so every figure changes each time.
// With the argument 3, three offers and a horizon, the rate typed being the first offer's: the same target.
void keystrokeInComparison(benchmark::State &state)
{
    commands::TextForm form{marks};
    report::ComparisonWindow window{marks, {}, {}};
    commands::ComparisonTexts texts = commands::comparisonTextsFrom(commands::Command1_Click(form, marks), marks);
    if (state.range(0) == 3) {
        using F = compare::ComparisonField;
        for (const auto &[field, text] : {std::pair{F::Offer2Rate, "3.1"},
                                          {F::Offer2Years, "25"},
                                          {F::Offer3Rate, "3"},
                                          {F::Offer3Years, "20"},
                                          {F::Offer3Points, "1"},
                                          {F::HorizonYears, "7"}})
            commands::textOf(texts, field) = text;
    }
    window.setTexts(texts);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return state.SkipWithError("the window was never exposed");
    auto *rate = window.findChild<QLineEdit *>("OfferRate");
    const std::array<QString, 2> rates{"3.2968", "3.296"};
    std::size_t next = 1;
    for (auto _ : state) {
        rate->setText(rates[next]);
        QCoreApplication::processEvents(); // the comparison waits for the keystrokes that come together
        window.repaint();
        next = 1 - next;
    }
}
BENCHMARK(keystrokeInComparison)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void exportCsv(benchmark::State &state)
{
    const std::vector<schedule::Schedule> schedules = schedulesOf(20);
    QTemporaryDir folder;
    const QString path = folder.filePath("schedules.csv");
    QString error;
    for (auto _ : state)
        if (!report::exportSchedulesCsv(schedules, path, marks, error))
            return state.SkipWithError(qPrintable(error));
}
BENCHMARK(exportCsv)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    return runWidgetBenchmarks(argc, argv);
}
