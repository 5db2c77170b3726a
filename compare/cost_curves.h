// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

namespace compare {

// Fills way.costSoFar from its monthly totals and balances owed: after month k, the fees at signing plus what
// was paid so far plus what is still owed, less the balances of today.
void addCostSoFar(Way &way, Cents feesAtSigning, Cents balancesToday);

// Each month's total discounted at the savings rate (percent a year, compounded monthly: s = rate / 1200) to
// the month before the first payment, plus the fees at signing, rounded half away from zero to the cent. At 0 %
// it is the total paid, exactly.
Cents presentValueOf(const std::vector<Cents> &monthlyTotals, double savingsRatePercent, Cents feesAtSigning);

// The first month k >= 0 from which offer[j] <= keep[j] for every later j, a curve that ends early staying at
// its last value; none where the offer is still above at the end of the longer curve. Both curves hold at least
// one value.
std::optional<int> breakEvenMonth(const std::vector<Cents> &keep, const std::vector<Cents> &offer);

} // namespace compare
