// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/plan_terms.h"
#include "schedule/schedules_csv.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// The starting inputs over the longest period the window accepts: about 600 payments per plan.
const loan::LoanTerms loan1Terms{355000, 2.99, 50};
const loan::LoanTerms loan2Terms{140000, 4, 50};
constexpr schedule::Month firstPayment{2026, 1};

// Target: 30 us. The window keeps the schedules it shows until the next Calculate replaces them, so each
// round replaces the last round's; the heap then reuses their memory.
void buildFiveSchedules50Years(benchmark::State &state)
{
    const schedule::CalculatedPlans plans = schedule::calculatePlanTerms(loan1Terms, loan2Terms);
    std::array<schedule::Schedule, schedule::allPlans.size()> shown;
    for (auto _ : state) {
        shown = schedule::buildSchedules(plans, firstPayment, "not reached");
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(buildFiveSchedules50Years);

// Each round's schedules freed at once: glibc then hands the memory back to the kernel and takes it again
// (page faults), which costs more than the schedules themselves.
void buildAndDropFiveSchedules50Years(benchmark::State &state)
{
    const schedule::CalculatedPlans plans = schedule::calculatePlanTerms(loan1Terms, loan2Terms);
    for (auto _ : state)
        benchmark::DoNotOptimize(schedule::buildSchedules(plans, firstPayment, "not reached"));
}
BENCHMARK(buildAndDropFiveSchedules50Years);

// The calculation the schedules rest on, alone.
void calculatePlanTerms(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(schedule::calculatePlanTerms(loan1Terms, loan2Terms));
}
BENCHMARK(calculatePlanTerms);

// Target: 5 ms.
void exportCsv50Years(benchmark::State &state)
{
    const auto schedules
        = schedule::buildSchedules(schedule::calculatePlanTerms(loan1Terms, loan2Terms), firstPayment, "not reached");
    std::size_t rows = 0;
    for (const auto &s : schedules)
        rows += s.payments.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(schedule::schedulesCsv(schedules, state.range(0) ? "," : "."));
    state.counters["rows"] = double(rows);
}
BENCHMARK(exportCsv50Years)->Arg(0)->Arg(1)->ArgName("commaMark")->Unit(benchmark::kMicrosecond);

} // namespace
