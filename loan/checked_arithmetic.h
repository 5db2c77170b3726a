// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc_error.h"

namespace loan {

// Double arithmetic that tests every result: a zero divisor, a result beyond the double range or an operation
// with no real result throws CalcError naming the figure being computed. Operands that are not finite count
// as failures too, so an infinity read from "1e999" is reported where it first enters the arithmetic.
class CheckedArithmetic {
public:
    explicit CheckedArithmetic(Figure figure)
        : m_figure(figure)
    { }

    double add(double a, double b) const;
    double sub(double a, double b) const;
    double mul(double a, double b) const;
    double div(double dividend, double divisor) const;
    double pow(double base, double exponent) const;
    double ln(double x) const;

private:
    [[noreturn]] void fail(CalcErrorKind kind) const;
    void requireFinite(double operand) const;
    double checked(double result) const;

    Figure m_figure;
};

} // namespace loan
