// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost_curves.h"

#include "schedule/monthly_rate.h"

#include <algorithm>
#include <cmath>

namespace compare {

namespace {

__extension__ typedef __float128 Quad;

} // namespace

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
    // Every total and their sum are below 2^63 (repay() counted them), so at 0 % the sum is exact in cents.
    Cents paid = 0;
    for (const Cents total : monthlyTotals)
        paid += total;
    if (savingsRatePercent == 0)
        return paid + feesAtSigning;
    // Up to 2^30 cents paid, doubles keep the sum within 1,200 × 3 × 2^-53 × 2^30, some 4e-4 of a cent, of the
    // exact one: the discount's error over 1,200 months, each product's and each addition's.
    if (paid < Cents(1) << 30) {
        const double v = 1 / (1 + savingsRatePercent / 1200);
        double discount = 1;
        double sum = 0; // cents
        for (const Cents total : monthlyTotals) {
            discount *= v;
            sum += double(total) * discount;
        }
        return schedule::roundHalfAway(sum) + feesAtSigning;
    }
    // Above, in long double, the discount v = 1 / (1 + s) compounded month by month from v', its nearest long double:
    // v^k = v'^k (1 + e)^k with e = v / v' − 1, and (1 + e)^k is 1 + k·e to far below a cent, so the error of
    // v' is taken out by e·Σ k·total_k·v'^k; e is worked out in quadruple precision from the rate's exact
    // decimal. Each month's present value is split at its nearest whole cent: the whole cents, below 2^62
    // together, add up exactly in a long double's 64-bit mantissa, and the fractions stay below 600 together.
    // What remains is each product's rounding, some 2^-64 of it: within the limits (totals below 2^55 cents over
    // 1,200 months) the sum stays a small fraction of a cent from the exact one, where doubles drift by cents.
    const schedule::MonthlyRate rate = schedule::MonthlyRate::ofPercent(savingsRatePercent);
    const long double kept = (long double)rate.denominator();
    const long double v = kept / (kept + (long double)rate.numerator());
    const Quad exactV = Quad(rate.denominator()) / (Quad(rate.denominator()) + Quad(rate.numerator()));
    const long double e = (long double)((exactV - Quad(v)) / Quad(v));
    constexpr long double toWhole = 0x1p63L; // added and taken away, rounds a value below 2^62 to a whole number
    long double discount = 1;
    long double wholeCents = 0;
    long double fractions = 0;
    long double weighted = 0; // Σ k·total_k·v'^k
    long double k = 0;
    for (const Cents total : monthlyTotals) {
        discount *= v;
        k += 1;
        const long double present = (long double)total * discount;
        const long double whole = (present + toWhole) - toWhole;
        wholeCents += whole;
        fractions += present - whole;
        weighted += k * present;
    }
    const long double sum = wholeCents + (fractions + e * weighted);
    // The discounted sum is at most the total paid, so it converts.
    return Cents(std::floor(sum + 0.5L)) + feesAtSigning;
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
