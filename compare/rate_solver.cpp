// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include <cmath>
#include <limits>

namespace compare {

namespace {

// The flows' present value at the periodic rate i less what was advanced, and its derivative in i.
struct Excess {
    double value;
    double slope;
};

Excess excessAt(double advanced, const std::vector<CashFlow> &flows, double i)
{
    // Not the factor 1 / (1 + i) per period: it keeps no bit of i below 1e-16, so near i = 0.004 some 500
    // neighbouring doubles share one factor, the sum moves in steps, and Newton's method stalls on them. Taking
    // i / (1 + i) of the discount off each period, or 1 - (1 + i)^-2 every second one, keeps every bit of i.
    const double shrink = i / (1 + i);
    const double shrinkTwice = shrink * (2 - shrink);
    const double logGrowth = std::log1p(i);
    double before = 1 + i; // (1 + i)^-(last - 1)
    double at = 1; // (1 + i)^-last
    int last = 0;
    // Payments come month after month, so steps usually take the discounts on, two periods at a time in two
    // chains of dependent operations that run side by side; 600 steps drift by at most 3e-13 relative, far below
    // any figure shown. At i = 0 every factor is exactly 1, so amounts in cents sum exactly.
    double sums[2] = {0, 0};
    double weighted[2] = {0, 0}; // sums of period * amount * discount
    const std::size_t count = flows.size();
    for (std::size_t k = 0; k < count;) {
        const CashFlow &flow = flows[k];
        if (k + 1 < count && flow.period - 1 == last && flows[k + 1].period - 2 == last) {
            before -= before * shrinkTwice;
            at -= at * shrinkTwice;
            const double first = flow.amount * before;
            const double second = flows[k + 1].amount * at;
            sums[0] += first;
            sums[1] += second;
            weighted[0] += flow.period * first;
            weighted[1] += flows[k + 1].period * second;
            last += 2;
            k += 2;
            continue;
        }
        if (flow.period - 1 == last) {
            before = at;
            at -= at * shrink;
        } else {
            before = std::exp(-(flow.period - 1) * logGrowth);
            at = std::exp(-flow.period * logGrowth);
        }
        last = flow.period;
        const double present = flow.amount * at;
        sums[0] += present;
        weighted[0] += flow.period * present;
        ++k;
    }
    return {sums[0] + sums[1] - advanced, -(weighted[0] + weighted[1]) / (1 + i)};
}

// A first guess: the rate at which the total paid at its amount-weighted mean period is worth the advance. For
// payments that are not negative it lies at or below the root, the present value being convex in the period.
double firstGuess(double advanced, const std::vector<CashFlow> &flows)
{
    double total = 0;
    double weighted = 0;
    for (const CashFlow &flow : flows) {
        total += flow.amount;
        weighted += flow.period * flow.amount;
    }
    return std::pow(total / advanced, total / weighted) - 1;
}

SolvedRate rateOf(double periodic, int periodsPerYear)
{
    return {periodic, periodic * periodsPerYear * 100, std::expm1(periodsPerYear * std::log1p(periodic)) * 100};
}

} // namespace

std::optional<SolvedRate> solveRate(double advanced, const std::vector<CashFlow> &flows, int periodsPerYear)
{
    if (periodsPerYear < 1 || !std::isfinite(advanced))
        return std::nullopt;
    for (const CashFlow &flow : flows)
        if (!std::isfinite(flow.amount) || flow.period < 0)
            return std::nullopt;

    // The excess is oriented so that it is positive at `low` and negative at `high`; the root stays between.
    const Excess atZero = excessAt(advanced, flows, 0);
    const Excess atOne = excessAt(advanced, flows, 1);
    if (atZero.value == 0)
        return rateOf(0, periodsPerYear);
    if (atOne.value == 0)
        return rateOf(1, periodsPerYear);
    if (!std::isfinite(atZero.value) || !std::isfinite(atOne.value) || (atZero.value > 0) == (atOne.value > 0))
        return std::nullopt;
    const double sign = atZero.value > 0 ? 1 : -1;
    double low = 0;
    double high = 1;
    double excessLow = sign * atZero.value;
    double excessHigh = sign * atOne.value;

    // Newton's method, kept inside the bracket. Where its step is small beside the bracket, the next guess goes
    // half as far again, past the root, so that the far end of the bracket closes in too. Where the bracket has not
    // halved over the last two guesses, the next is its midpoint: the bracket then at least halves every three
    // guesses, and the loop ends once no double lies between its ends.
    double x = firstGuess(advanced, flows);
    if (!(low < x && x < high))
        x = 0.5;
    double widthBefore = std::numeric_limits<double>::infinity();
    double widthBeforeThat = widthBefore;
    for (;;) {
        const Excess at = excessAt(advanced, flows, x);
        const double excess = sign * at.value;
        if (excess == 0)
            return rateOf(x, periodsPerYear);
        if (excess > 0) {
            low = x;
            excessLow = excess;
        } else {
            high = x;
            excessHigh = excess;
        }
        if (!(std::nextafter(low, high) < high))
            break;
        const double width = high - low;
        const bool newtonKeepsUp = width <= widthBeforeThat / 2;
        widthBeforeThat = widthBefore;
        widthBefore = width;

        const double step = -excess / (sign * at.slope);
        double next = x + step;
        if (newtonKeepsUp && low < next && next < high) {
            const double past = x + 1.5 * step;
            if (4 * std::fabs(step) < width && low < past && past < high)
                next = past;
        } else {
            next = low + width / 2;
        }
        x = low < next && next < high ? next : std::nextafter(low, high);
    }
    return rateOf(-excessLow < excessHigh ? high : low, periodsPerYear);
}

} // namespace compare
