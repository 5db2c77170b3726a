// SPDX-License-Identifier: GPL-3.0-or-later
#include "loan/blend_figures.h"
#include "numtext/display_patterns.h"
#include "numtext/render.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

const loan::LoanTerms loan1Terms{355000, 2.99, 20};
const loan::LoanTerms loan2Terms{140000, 4, 20};

// Both loans and their blend, as one Calculate computes them.
void fullCalculation(benchmark::State &state)
{
    for (auto _ : state) {
        const loan::LoanOutcome loan1{loan1Terms, loan::computeLoanFigures(loan1Terms)};
        const loan::LoanOutcome loan2{loan2Terms, loan::computeLoanFigures(loan2Terms)};
        benchmark::DoNotOptimize(loan::computeBlend(loan1, loan2, loan1Terms.years));
    }
}
BENCHMARK(fullCalculation);

struct ShownFigure {
    double value;
    std::string_view pattern;
};

// The 26 result texts of one Calculate with the starting inputs.
std::array<ShownFigure, 26> shownFigures()
{
    namespace p = numtext::pattern;
    const loan::LoanOutcome l1{loan1Terms, loan::computeLoanFigures(loan1Terms)};
    const loan::LoanOutcome l2{loan2Terms, loan::computeLoanFigures(loan2Terms)};
    const loan::BlendFigures b = loan::computeBlend(l1, l2, loan1Terms.years);
    const loan::LoanFigures &f1 = l1.figures;
    const loan::LoanFigures &f2 = l2.figures;
    return {{
        {f1.payment, p::LoanMoney},
        {f1.totalInterest, p::LoanMoney},
        {f1.effectiveRatePercent, p::Rate},
        {f1.accumulatedValue, p::AccumulatedMoney},
        {f2.payment, p::LoanMoney},
        {f2.totalInterest, p::LoanMoney},
        {f2.effectiveRatePercent, p::Rate},
        {f2.accumulatedValue, p::AccumulatedMoney},
        {b.averageRatePercent, p::Rate},
        {b.weightedRatePercent, p::Rate},
        {b.blendedEffectivePercent, p::Rate},
        {b.blendedNominalPercent, p::Rate},
        {b.totalPrincipal, p::BlendMoney},
        {b.blendedNominalPercent, p::Rate},
        {b.blendedPayment, p::BlendMoney},
        {b.blendedInterest, p::BlendMoney},
        {b.blendedInterest, p::BlendMoney},
        {b.combinedPayment, p::BlendMoney},
        {b.combinedInterest, p::LoanMoney},
        {b.blendedPayment, p::BlendMoney},
        {b.combinedPayment, p::BlendMoney},
        {b.combinedPayment, p::BlendMoney},
        {b.averagePayoffInterest, p::BlendMoney},
        {b.averagePayoffYears, p::Years},
        {b.weightedPayoffInterest, p::BlendMoney},
        {b.weightedPayoffYears, p::Years},
    }};
}

void renderAllResultTexts(benchmark::State &state)
{
    const auto figures = shownFigures();
    const numtext::LocaleMarks marks;
    for (auto _ : state)
        for (const auto &figure : figures)
            benchmark::DoNotOptimize(numtext::render(figure.value, figure.pattern, marks));
}
BENCHMARK(renderAllResultTexts);

} // namespace
