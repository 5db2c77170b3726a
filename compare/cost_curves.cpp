// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost_curves.h"

#include <algorithm>

namespace compare {

void addCostSoFar(Way &way, Cents feesAtSigning, Cents balancesToday)
{
    // Every partial sum is at most the way's total paid, which repay() has counted without overflow.
    way.costSoFar.resize(way.balanceOwed.size());
    Cents paid = feesAtSigning;
    for (std::size_t k = 0; k < way.balanceOwed.size(); ++k) {
        if (k > 0)
            paid += way.monthlyTotals[k - 1];
        way.costSoFar[k] = paid + way.balanceOwed[k] - balancesToday;
    }
}

Cents presentValueOf(const std::vector<Cents> &monthlyTotals, double savingsRatePercent, Cents feesAtSigning)
{
    const double v = 1 / (1 + savingsRatePercent / 1200);
    double discount = 1;
    double sum = 0; // cents
    for (const Cents total : monthlyTotals) {
        discount *= v;
        sum += double(total) * discount;
    }
    // The discounted sum is at most the total paid, so it converts.
    return schedule::roundHalfAway(sum) + feesAtSigning;
}

std::optional<int> breakEvenMonth(const std::vector<Cents> &keep, const std::vector<Cents> &offer)
{
    const std::size_t months = std::max(keep.size(), offer.size()) - 1;
    const auto at = [](const std::vector<Cents> &curve, std::size_t k) { return curve[std::min(k, curve.size() - 1)]; };
    // From the end back to the last month the offer costs more; the month after it is the break-even.
    for (std::size_t k = months + 1; k-- > 0;)
        if (at(offer, k) > at(keep, k))
            return k == months ? std::nullopt : std::optional(int(k + 1));
    return 0;
}

} // namespace compare
