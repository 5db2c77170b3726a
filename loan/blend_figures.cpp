// SPDX-License-Identifier: GPL-3.0-or-later
#include "blend_figures.h"

#include "checked_arithmetic.h"

#include <tuple>

namespace loan {

namespace {

// Months, interest and years of repaying the total principal with the combined payment at `rate`.
std::tuple<double, double, double> payoffAt(double rate, double totalPrincipal, double combinedPayment, Figure payoff)
{
    const CheckedArithmetic op{payoff};
    const double months = payoffMonths(rate, totalPrincipal, combinedPayment, payoff);
    return {months, op.sub(op.mul(combinedPayment, months), totalPrincipal), op.div(months, 12)};
}

} // namespace

void BlendSteps::averageRate()
{
    const CheckedArithmetic op{Figure::AverageRate};
    const double rate2 = m_loan2.figures.annualRate;
    const double rate1 = m_loan1.figures.annualRate;
    m_figures.averageRatePercent = op.mul(100, op.div(op.add(rate2, rate1), 2));
    m_figures.averageRate = op.div(op.add(rate2, rate1), 2);
}

void BlendSteps::weights()
{
    const CheckedArithmetic op{Figure::WeightedRate};
    const double principal1 = m_loan1.terms.principal;
    const double principal2 = m_loan2.terms.principal;
    m_figures.weight1 = op.mul(op.div(principal1, op.add(principal2, principal1)), m_loan1.figures.annualRate);
    m_figures.weight2 = op.mul(op.div(principal2, op.add(principal2, principal1)), m_loan2.figures.annualRate);
}

void BlendSteps::weightedRate()
{
    const CheckedArithmetic op{Figure::WeightedRate};
    m_figures.weightedRatePercent = op.mul(100, op.add(m_figures.weight2, m_figures.weight1));
    m_figures.weightedRate = op.add(m_figures.weight2, m_figures.weight1);
}

void BlendSteps::totals()
{
    m_figures.totalPrincipal
        = CheckedArithmetic{Figure::TotalPrincipal}.add(m_loan2.terms.principal, m_loan1.terms.principal);
    m_figures.totalAccumulated = CheckedArithmetic{Figure::TotalAccumulated}.add(m_loan2.figures.accumulatedValue,
                                                                                 m_loan1.figures.accumulatedValue);
}

void BlendSteps::blendedEffectiveRate()
{
    const CheckedArithmetic op{Figure::BlendedEffectiveRate};
    const double ratio = op.div(m_figures.totalAccumulated, m_figures.totalPrincipal);
    const double gain = op.sub(op.pow(ratio, op.div(1, m_years)), 1);
    m_figures.blendedEffectiveRate = op.mul(1, gain);
    m_figures.blendedEffectivePercent = op.mul(100, gain);
}

void BlendSteps::blendedNominalRate()
{
    const CheckedArithmetic op{Figure::BlendedNominalRate};
    const double monthlyGain = op.sub(op.pow(op.add(1, m_figures.blendedEffectiveRate), op.div(1, 12)), 1);
    m_figures.blendedNominalRate = op.mul(12, monthlyGain);
    m_figures.blendedNominalPercent = op.mul(100, m_figures.blendedNominalRate);
}

void BlendSteps::blendedPayment()
{
    const CheckedArithmetic op{Figure::BlendedLoanTerms};
    const double monthlyRate = op.div(m_figures.blendedNominalRate, 12);
    const double paymentCount = op.mul(m_years, 12);
    m_figures.blendedPayment = levelPayment(m_figures.totalPrincipal, monthlyRate, paymentCount);
}

void BlendSteps::blendedInterest()
{
    const double paymentCount = CheckedArithmetic{Figure::BlendedLoanTerms}.mul(m_years, 12);
    m_figures.blendedInterest = totalInterestOf(m_figures.blendedPayment, paymentCount, m_figures.totalPrincipal);
}

void BlendSteps::combinedPayment()
{
    m_figures.combinedPayment
        = CheckedArithmetic{Figure::CombinedPayment}.add(m_loan2.figures.payment, m_loan1.figures.payment);
}

void BlendSteps::combinedInterest()
{
    m_figures.combinedInterest
        = CheckedArithmetic{Figure::CombinedInterest}.add(m_loan2.figures.totalInterest, m_loan1.figures.totalInterest);
}

void BlendSteps::averagePayoff()
{
    std::tie(m_figures.averagePayoffMonths, m_figures.averagePayoffInterest, m_figures.averagePayoffYears)
        = payoffAt(m_figures.averageRate, m_figures.totalPrincipal, m_figures.combinedPayment, Figure::AveragePayoff);
}

void BlendSteps::weightedPayoff()
{
    std::tie(m_figures.weightedPayoffMonths, m_figures.weightedPayoffInterest, m_figures.weightedPayoffYears)
        = payoffAt(m_figures.weightedRate, m_figures.totalPrincipal, m_figures.combinedPayment, Figure::WeightedPayoff);
}

BlendFigures computeBlend(const LoanOutcome &loan1, const LoanOutcome &loan2, double years)
{
    BlendSteps steps{loan1, loan2, years};
    steps.averageRate();
    steps.weights();
    steps.weightedRate();
    steps.totals();
    steps.blendedEffectiveRate();
    steps.blendedNominalRate();
    steps.blendedPayment();
    steps.blendedInterest();
    steps.combinedPayment();
    steps.combinedInterest();
    steps.averagePayoff();
    steps.weightedPayoff();
    return steps.figures();
}

double payoffMonths(double rate, double totalPrincipal, double combinedPayment, Figure payoff)
{
    // The logarithm's argument is zero or less when a month's interest on the whole principal is at least the
    // payment: such a payment never repays the principal, and ln() reports it as an invalid argument.
    const CheckedArithmetic op{payoff};
    const double unpaidShare = op.sub(1, op.div(op.div(op.mul(rate, totalPrincipal), 12), combinedPayment));
    return op.div(-op.ln(unpaidShare), op.ln(op.add(op.div(rate, 12), 1)));
}

} // namespace loan
