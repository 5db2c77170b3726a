// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/plans_reached.h"
#include "schedule/schedules_csv.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// The starting inputs over the longest period the window accepts: about 600 payments per plan.
const commands::CalculationTerms starting50Years{{355000, 2.99, 50}, {140000, 4, 50}};
constexpr schedule::Month firstPayment{2026, 1};

// Target: 30 us. The window keeps the schedules it shows until the next Calculate replaces them, so each
// round replaces the last round's; the heap then reuses their memory.
void buildFiveSchedules50Years(benchmark::State &state)
{
    const schedule::CalculatedPlans plans = commands::plansReached(commands::calculate(starting50Years));
    std::array<schedule::Schedule, schedule::allPlans.size()> shown;
    for (auto _ : state) {
        shown = schedule::buildSchedules(plans, firstPayment);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(buildFiveSchedules50Years);

// Each round's schedules freed at once: glibc then hands the memory back to the kernel and takes it again
// (page faults), which costs more than the schedules themselves.
void buildAndDropFiveSchedules50Years(benchmark::State &state)
{
    const schedule::CalculatedPlans plans = commands::plansReached(commands::calculate(starting50Years));
    for (auto _ : state)
        benchmark::DoNotOptimize(schedule::buildSchedules(plans, firstPayment));
}
BENCHMARK(buildAndDropFiveSchedules50Years);

// The calculation the schedules rest on, and the plans taken from it.
void calculateAndTakePlans(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(commands::plansReached(commands::calculate(starting50Years)));
}
BENCHMARK(calculateAndTakePlans);

// Target: 5 ms.
void exportCsv50Years(benchmark::State &state)
{
    const auto schedules
        = schedule::buildSchedules(commands::plansReached(commands::calculate(starting50Years)), firstPayment);
    std::size_t rows = 0;
    for (const auto &s : schedules)
        rows += s.payments.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(schedule::schedulesCsv(schedules, state.range(0) ? "," : "."));
    state.counters["rows"] = double(rows);
}
BENCHMARK(exportCsv50Years)->Arg(0)->Arg(1)->ArgName("commaMark")->Unit(benchmark::kMicrosecond);

} // namespace
