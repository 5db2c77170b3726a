// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/comparison.h"

// 200,000 at 3 % and 50,000 at 9 %, both over 30 years, against 4.5 % over 30 years with 2,000 of fees at
// signing and 3,000 added: usable inputs for a test to change one thing in.
inline compare::ComparisonInputs twoThirtyYearLoans()
{
    compare::ComparisonInputs inputs;
    inputs.loans = {{20'000'000, 3, 360, {}}, {5'000'000, 9, 360, {}}};
    inputs.offers = {{4.5, 360, 200'000, 300'000}};
    inputs.firstPayment = {2026, 1};
    return inputs;
}
