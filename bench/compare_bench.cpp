// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comparison.h"

#include <benchmark/benchmark.h>

namespace {

// Two 30-year loans replaced by a 30-year offer with fees of both kinds: about 360 months in each way, both
// rates solved and the break-even found.
compare::ComparisonInputs thirtyYearLoans()
{
    compare::ComparisonInputs inputs;
    inputs.loans = {{20'000'000, 3, 360, {}}, {5'000'000, 9, 360, {}}};
    inputs.offers = {{4.5, 360, 200'000, 300'000}};
    inputs.savingsRatePercent = 2;
    inputs.firstPayment = {2026, 1};
    return inputs;
}

// Target: 50 us.
void compareThirtyYearLoans(benchmark::State &state)
{
    const compare::ComparisonInputs inputs = thirtyYearLoans();
    for (auto _ : state)
        benchmark::DoNotOptimize(compare::compareWays(inputs));
}
BENCHMARK(compareThirtyYearLoans)->Unit(benchmark::kMicrosecond);

// Target: at most three times one offer. Three offers with points, the loans' charges and a horizon of 7 years.
void compareThreeOffers(benchmark::State &state)
{
    compare::ComparisonInputs inputs = thirtyYearLoans();
    inputs.loans[0].earlyRepaymentCharge = 200'000;
    inputs.offers = {{4.5, 360, 200'000, 300'000}, {4.25, 360, 0, 0, 1}, {3.9, 240, 100'000, 0, 0.5}};
    inputs.horizonMonths = 84;
    for (auto _ : state)
        benchmark::DoNotOptimize(compare::compareWays(inputs));
}
BENCHMARK(compareThreeOffers)->Unit(benchmark::kMicrosecond);

} // namespace
