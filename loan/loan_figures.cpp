// SPDX-License-Identifier: GPL-3.0-or-later
#include "loan_figures.h"

#include "checked_arithmetic.h"

namespace loan {

void LoanSteps::annualRate()
{
    const CheckedArithmetic op{Figure::AnnualRate};
    m_figures.annualRate = op.div(m_terms.annualRatePercent, 100);
}

void LoanSteps::paymentCount()
{
    const CheckedArithmetic op{Figure::PaymentCount};
    m_figures.paymentCount = op.mul(m_terms.years, 12);
}

void LoanSteps::monthlyRate()
{
    const CheckedArithmetic op{Figure::MonthlyRate};
    m_figures.monthlyRate = op.div(m_figures.annualRate, 12);
}

void LoanSteps::growth()
{
    m_figures.growth = growthFactor(m_figures.monthlyRate, m_figures.paymentCount);
}

void LoanSteps::payment()
{
    m_figures.payment = paymentFromGrowth(m_terms.principal, m_figures.monthlyRate, m_figures.growth);
}

void LoanSteps::totalInterest()
{
    m_figures.totalInterest = totalInterestOf(m_figures.payment, m_figures.paymentCount, m_terms.principal);
}

void LoanSteps::effectiveRate()
{
    // The monthly rate is divided out afresh rather than taken from monthlyRate(); the value is the same.
    const CheckedArithmetic op{Figure::EffectiveRate};
    const double compounded = op.pow(op.add(op.div(m_figures.annualRate, 12), 1), 12);
    m_figures.effectiveRatePercent = op.mul(op.sub(compounded, 1), 100);
}

void LoanSteps::accumulatedValue()
{
    // The future value of the payments, not principal * growth: the two agree only in exact arithmetic.
    const CheckedArithmetic op{Figure::AccumulatedValue};
    m_figures.accumulatedValue = op.div(op.mul(op.sub(m_figures.growth, 1), m_figures.payment), m_figures.monthlyRate);
}

LoanFigures computeLoanFigures(const LoanTerms &terms)
{
    LoanSteps steps{terms};
    steps.annualRate();
    steps.paymentCount();
    steps.monthlyRate();
    steps.growth();
    steps.payment();
    steps.totalInterest();
    steps.effectiveRate();
    steps.accumulatedValue();
    return steps.figures();
}

double growthFactor(double monthlyRate, double paymentCount)
{
    const CheckedArithmetic op{Figure::Growth};
    return op.pow(op.add(1, monthlyRate), paymentCount);
}

double paymentFromGrowth(double principal, double monthlyRate, double growth)
{
    // A zero rate or period makes growth exactly 1 and this 0 / 0, which is reported, not replaced by
    // principal / paymentCount.
    const CheckedArithmetic op{Figure::Payment};
    return op.div(op.mul(growth, op.mul(monthlyRate, principal)), op.sub(growth, 1));
}

double levelPayment(double principal, double monthlyRate, double paymentCount)
{
    return paymentFromGrowth(principal, monthlyRate, growthFactor(monthlyRate, paymentCount));
}

double totalInterestOf(double payment, double paymentCount, double principal)
{
    const CheckedArithmetic op{Figure::TotalInterest};
    return op.sub(op.mul(payment, paymentCount), principal);
}

} // namespace loan
