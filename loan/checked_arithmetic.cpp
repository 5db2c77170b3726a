// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked_arithmetic.h"

#include <cmath>

namespace loan {

void CheckedArithmetic::fail(CalcErrorKind kind) const
{
    throw CalcError(kind, m_figure);
}

void CheckedArithmetic::requireFinite(double operand) const
{
    if (std::isnan(operand))
        fail(CalcErrorKind::InvalidArgument);
    if (std::isinf(operand))
        fail(CalcErrorKind::Overflow);
}

double CheckedArithmetic::checked(double result) const
{
    requireFinite(result);
    return result;
}

double CheckedArithmetic::add(double a, double b) const
{
    requireFinite(a);
    requireFinite(b);
    return checked(a + b);
}

double CheckedArithmetic::sub(double a, double b) const
{
    requireFinite(a);
    requireFinite(b);
    return checked(a - b);
}

double CheckedArithmetic::mul(double a, double b) const
{
    requireFinite(a);
    requireFinite(b);
    return checked(a * b);
}

double CheckedArithmetic::div(double dividend, double divisor) const
{
    requireFinite(dividend);
    requireFinite(divisor);
    if (divisor == 0)
        fail(CalcErrorKind::DivisionByZero);
    return checked(dividend / divisor);
}

double CheckedArithmetic::pow(double base, double exponent) const
{
    requireFinite(base);
    requireFinite(exponent);
    if (base < 0 && std::trunc(exponent) != exponent)
        fail(CalcErrorKind::InvalidArgument);
    // 0 to a negative power is 1 / 0^n.
    if (base == 0 && exponent < 0)
        fail(CalcErrorKind::DivisionByZero);
    return checked(std::pow(base, exponent));
}

double CheckedArithmetic::ln(double x) const
{
    requireFinite(x);
    if (x <= 0)
        fail(CalcErrorKind::InvalidArgument);
    return checked(std::log(x));
}

} // namespace loan
