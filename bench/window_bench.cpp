// SPDX-License-Identifier: GPL-3.0-or-later
// One Calculate through the real window: the click, the 26 writes and the repaint; and the same with the
// schedules window open, which every Calculate rebuilds.
#include "offscreen_benchmark_main.h"
#include "window/calculator_form.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// The window as the program shows it, with message boxes and the beep silenced.
class ShownForm {
public:
    ShownForm()
        : m_form({".", ",", "$"}, {[](QWidget &, const QString &) {}, [] {}, [] {}, {}, {}})
    {
        m_form.show();
        m_exposed = QTest::qWaitForWindowExposed(&m_form);
    }

    bool exposed() const { return m_exposed; }
    window::CalculatorForm &form() { return m_form; }
    QPushButton *calculateButton() { return m_form.findChild<QPushButton *>("Command1"); }

private:
    window::CalculatorForm m_form;
    bool m_exposed = false;
};

// Clicks Calculate and lets `repaint` bring the window up to date, once per iteration.
template<class Repaint> void clickCalculate(benchmark::State &state, Repaint repaint)
{
    ShownForm shown;
    if (!shown.exposed())
        return state.SkipWithError("the window was never exposed");
    QPushButton *calculate = shown.calculateButton();
    for (auto _ : state) {
        calculate->click();
        repaint(shown.form());
    }
}

// What a user's click costs: the click, the 26 writes, and the event loop repainting what they changed.
void calculateAndRepaintChanges(benchmark::State &state)
{
    clickCalculate(state, [](QWidget &) { QCoreApplication::processEvents(); });
}
BENCHMARK(calculateAndRepaintChanges)->Unit(benchmark::kMicrosecond);

// The worst case: the same, then every widget of the window painted again.
void calculateAndRepaintWholeWindow(benchmark::State &state)
{
    clickCalculate(state, [](QWidget &form) { form.repaint(); });
}
BENCHMARK(calculateAndRepaintWholeWindow)->Unit(benchmark::kMicrosecond);

// With the schedules window open: the click, the window's writes, the five schedules rebuilt and the schedules
// window (table, summary and chart) painted again.
void calculateWithSchedulesOpen(benchmark::State &state)
{
    ShownForm shown;
    if (!shown.exposed())
        return state.SkipWithError("the window was never exposed");
    for (QAction *action : shown.form().findChildren<QAction *>())
        if (action->text() == QStringLiteral("&Repayment schedules\u2026"))
            action->trigger();
    QWidget *schedules = shown.form().findChild<QWidget *>("SchedulesWindow");
    if (!schedules || !QTest::qWaitForWindowExposed(schedules))
        return state.SkipWithError("the schedules window did not open");
    QPushButton *calculate = shown.calculateButton();
    for (auto _ : state) {
        calculate->click();
        schedules->repaint();
    }
}
BENCHMARK(calculateWithSchedulesOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    return runWidgetBenchmarks(argc, argv);
}
