// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc_error.h"
#include "loan_figures.h"

namespace loan {

// Rates are fractions unless the name ends in Percent; payoff periods are in months or years as named.
struct BlendFigures {
    double averageRatePercent = 0;
    double averageRate = 0;
    double weight1 = 0; // loan 1's rate times its share of the total principal
    double weight2 = 0;
    double weightedRatePercent = 0;
    double weightedRate = 0;
    double totalPrincipal = 0;
    double totalAccumulated = 0;
    double blendedEffectiveRate = 0; // grows totalPrincipal to totalAccumulated over the shared period
    double blendedEffectivePercent = 0;
    double blendedNominalRate = 0; // blendedEffectiveRate as a nominal rate compounded monthly
    double blendedNominalPercent = 0;
    double blendedPayment = 0; // totalPrincipal at blendedNominalRate over the shared period
    double blendedInterest = 0;
    double combinedPayment = 0; // what the two loans cost a month together
    double combinedInterest = 0;
    double averagePayoffMonths = 0; // combinedPayment repaying totalPrincipal at averageRate
    double averagePayoffInterest = 0;
    double averagePayoffYears = 0;
    double weightedPayoffMonths = 0; // the same at weightedRate
    double weightedPayoffInterest = 0;
    double weightedPayoffYears = 0;
};

// One loan as the blend sees it: what was asked and what it came to.
struct LoanOutcome {
    LoanTerms terms;
    LoanFigures figures;
};

// The blend of two loans that share one period, one step at a time, so that a caller can show each figure as
// soon as it exists. Call the steps in the order they are declared; each may throw CalcError.
class BlendSteps {
public:
    BlendSteps(const LoanOutcome &loan1, const LoanOutcome &loan2, double years)
        : m_loan1(loan1)
        , m_loan2(loan2)
        , m_years(years)
    { }

    void averageRate(); // (rate2 + rate1) / 2
    void weights(); // (principal1 / (principal2 + principal1)) * rate1, likewise for loan 2
    void weightedRate(); // weight2 + weight1
    void totals(); // principal2 + principal1, accumulated2 + accumulated1
    void blendedEffectiveRate(); // (totalAccumulated / totalPrincipal) ^ (1 / years) - 1
    void blendedNominalRate(); // 12 * ((1 + blendedEffectiveRate) ^ (1 / 12) - 1)
    void blendedPayment(); // levelPayment(totalPrincipal, blendedNominalRate / 12, years * 12)
    void blendedInterest(); // totalInterestOf(blendedPayment, years * 12, totalPrincipal)
    void combinedPayment(); // payment2 + payment1
    void combinedInterest(); // totalInterest2 + totalInterest1
    void averagePayoff(); // payoffMonths at averageRate, its interest and years
    void weightedPayoff(); // the same at weightedRate

    const BlendFigures &figures() const { return m_figures; }

private:
    LoanOutcome m_loan1;
    LoanOutcome m_loan2;
    double m_years;
    BlendFigures m_figures;
};

// All the steps of BlendSteps in order.
BlendFigures computeBlend(const LoanOutcome &loan1, const LoanOutcome &loan2, double years);

// Months of level payments combinedPayment that repay totalPrincipal at the annual rate (a fraction),
// -ln(1 - ((rate * totalPrincipal) / 12) / combinedPayment) / ln(rate / 12 + 1); need not be whole.
// A payment that never covers a month's interest has no such period and throws CalcError for `payoff`.
double payoffMonths(double rate, double totalPrincipal, double combinedPayment, Figure payoff);

} // namespace loan
