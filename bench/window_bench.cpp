// SPDX-License-Identifier: GPL-3.0-or-later
// One Calculate through the real window: the click, the 26 writes and the repaint; and the same with the
// schedules window open, which every Calculate rebuilds.
#include "offscreen_benchmark_main.h"
#include "window/calculator_form.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
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

// Target: 5 ms. Opening a scenario with the schedules and comparison windows closed: the file read, its inputs put
// into the fields, Calculate run with its checks and the window repainted. Two files in turn, so every field
// changes each time.
void openScenario(benchmark::State &state)
{
    ShownForm shown;
    if (!shown.exposed())
        return state.SkipWithError("the window was never exposed");
    QTemporaryDir folder;
    const std::array<QString, 2> files{folder.filePath("a.loanblend"), folder.filePath("b.loanblend")};
    for (std::size_t i = 0; i < files.size(); ++i) {
        QFile file{files[i]};
        if (!file.open(QIODevice::WriteOnly))
            return state.SkipWithError("no scenario could be written");
        file.write(QStringLiteral(R"({"format": "loanblend-scenario", "version": 1, "firstMonth": "2027-01",
            "inputs": {"Text1": "%1", "Text2": "2.99", "Text3": "20", "Text6": "140000", "Text7": "4"}})")
                       .arg(355000 + 1000 * int(i))
                       .toUtf8());
    }
    std::size_t next = 0;
    for (auto _ : state) {
        shown.form().openScenario(files[next]);
        shown.form().repaint();
        next = 1 - next;
    }
}
BENCHMARK(openScenario)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    return runWidgetBenchmarks(argc, argv);
}
