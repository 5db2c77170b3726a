// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"
#include "schedule/monthly_rate.h"
#include "schedule/shortest_decimal.h"

namespace compare {

Cents pointsOn(Cents amount, double pointsPercent)
{
    if (!(pointsPercent > 0 && pointsPercent <= maxPointsPercent) || amount <= 0
        || amount > schedule::MonthlyRate::maxBalance)
        return 0;
    // amount × digits × 10^power / 100 in integers: below 2^54 × 10^17, the numerator fits 128 bits with room to
    // double it for the rounding, and so does the denominator up to 10^36; points smaller than that are below a
    // cent on any amount.
    const schedule::ShortestDecimal decimal = schedule::shortestDecimal(pointsPercent);
    if (decimal.power < -34)
        return 0;
    schedule::WideUnsigned numerator = schedule::WideUnsigned(std::uint64_t(amount)) * decimal.digits;
    schedule::WideUnsigned denominator = 100;
    for (int p = decimal.power; p > 0; --p)
        numerator *= 10;
    for (int p = decimal.power; p < 0; ++p)
        denominator *= 10;
    return Cents((2 * numerator + denominator) / (2 * denominator));
}

} // namespace compare
