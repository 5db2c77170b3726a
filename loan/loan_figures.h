// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc_error.h"

namespace loan {

// One fixed-rate loan, repaid in equal monthly instalments with monthly compounding.
struct LoanTerms {
    double principal = 0; // currency units
    double annualRatePercent = 0; // as typed: 2.99 means 2.99 %
    double years = 0; // need not be whole
};

struct LoanFigures {
    double annualRate = 0; // fraction
    double paymentCount = 0; // months, need not be whole
    double monthlyRate = 0; // fraction
    double growth = 0; // what one currency unit grows to over the whole period
    double payment = 0; // level monthly payment
    double totalInterest = 0;
    double effectiveRatePercent = 0;
    double accumulatedValue = 0; // the payments' future value at the end of the period ("FV")
};

// The figures of one loan, one step at a time, so that a caller can show each figure as soon as it exists.
// Call the steps in the order they are declared: each reads what the earlier ones left in figures().
// Every step may throw CalcError; operands are combined in exactly the order the comments give, since
// that order decides the last bit of each result.
class LoanSteps {
public:
    explicit LoanSteps(const LoanTerms &terms)
        : m_terms(terms)
    { }

    void annualRate(); // annualRatePercent / 100
    void paymentCount(); // years * 12
    void monthlyRate(); // annualRate / 12
    void growth(); // (1 + monthlyRate) ^ paymentCount
    void payment(); // (growth * (monthlyRate * principal)) / (growth - 1)
    void totalInterest(); // payment * paymentCount - principal
    void effectiveRate(); // ((annualRate / 12 + 1) ^ 12 - 1) * 100
    void accumulatedValue(); // ((growth - 1) * payment) / monthlyRate

    const LoanTerms &terms() const { return m_terms; }
    const LoanFigures &figures() const { return m_figures; }

private:
    LoanTerms m_terms;
    LoanFigures m_figures;
};

// All the steps of LoanSteps in order.
LoanFigures computeLoanFigures(const LoanTerms &terms);

// The growth factor and the level payment from it: P * r * (1+r)^n / ((1+r)^n - 1).
double growthFactor(double monthlyRate, double paymentCount);
double paymentFromGrowth(double principal, double monthlyRate, double growth);
double levelPayment(double principal, double monthlyRate, double paymentCount);

double totalInterestOf(double payment, double paymentCount, double principal);

} // namespace loan
