// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include <cmath>

namespace compare {

int termMonthsOf(double years)
{
    // The allowance keeps a period a rounding error over whole (20.000000000000004 years) at its whole months.
    // Periods beyond the limit come back one month over it rather than converted, so no double reaches an int
    // it does not fit; checkInputs refuses both that and 0.
    const double months = years * 12 - 1e-9;
    if (!(months > 0))
        return 0;
    if (months > maxTermMonths)
        return maxTermMonths + 1;
    return int(std::ceil(months));
}

Cents paymentFromTerm(Cents balance, double annualRatePercent, int months)
{
    if (balance <= 0 || months < 1)
        return 0;
    const double units = double(balance) / 100.0;
    // One division: (percent / 100) / 12 can differ in the last bit, and so in the cent.
    const double rate = annualRatePercent / 1200;
    const double payment = rate == 0 ? units / months : units * rate / (1 - std::pow(1 + rate, -double(months)));
    return schedule::toCents(payment).value_or(0);
}

} // namespace compare
