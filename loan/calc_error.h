// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string_view>

namespace loan {

enum class CalcErrorKind {
    DivisionByZero, // a divisor was zero, zero divided by zero included
    Overflow, // a result, or an operand such as a principal read from text, lies beyond the double range
    InvalidArgument, // no real result: a negative base to a non-whole power, a logarithm of zero or less
};

// The figure that was being computed when the arithmetic failed, in the order the figures are computed.
enum class Figure {
    AnnualRate, // one loan's annual rate as a fraction
    PaymentCount, // one loan's number of monthly payments
    MonthlyRate, // one loan's rate per month
    Growth, // (1 + monthly rate) to the power of the payment count
    Payment, // a level monthly payment, of either loan or of the blended loan
    TotalInterest, // interest over the whole period, of either loan or of the blended loan
    EffectiveRate, // one loan's effective annual rate
    AccumulatedValue, // one loan's payments accumulated to the end of the period
    AverageRate, // plain average of the two annual rates
    WeightedRate, // principal-weighted average rate, with the weights it rests on
    TotalPrincipal, // sum of the two principals
    TotalAccumulated, // sum of the two accumulated values
    BlendedEffectiveRate, // rate at which the total principal grows to the total accumulated value
    BlendedNominalRate, // the blended effective rate as a nominal rate compounded monthly
    BlendedLoanTerms, // the blended loan's monthly rate and payment count
    CombinedPayment, // sum of the two loans' payments
    CombinedInterest, // sum of the two loans' total interest
    AveragePayoff, // months, interest and years to repay the total principal at the average rate
    WeightedPayoff, // the same at the weighted rate
};

std::string_view figureName(Figure figure);
std::string_view kindName(CalcErrorKind kind);

// Thrown by checked arithmetic; no step catches it, so a calculation stops at the first failure.
class CalcError : public std::runtime_error {
public:
    CalcError(CalcErrorKind kind, Figure figure);

    CalcErrorKind kind() const noexcept { return m_kind; }
    Figure figure() const noexcept { return m_figure; }

private:
    CalcErrorKind m_kind;
    Figure m_figure;
};

} // namespace loan
