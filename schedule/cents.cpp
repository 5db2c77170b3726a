// SPDX-License-Identifier: GPL-3.0-or-later
#include "cents.h"

#include "shortest_decimal.h"

#include <cmath>
#include <limits>

namespace schedule {

namespace {

constexpr Cents maxCents = std::numeric_limits<Cents>::max();

} // namespace

std::optional<Cents> toCents(double amount)
{
    // Below 1e17 units the cents have at most 19 digits, which an unsigned 64-bit count holds; the exact limit
    // is checked at the end.
    if (!std::isfinite(amount) || std::fabs(amount) >= 1e17)
        return std::nullopt;
    // Whole cents are the digits scaled by 10^(power + 2); below the cent, the first digit dropped rounds.
    const ShortestDecimal decimal = shortestDecimal(std::fabs(amount));
    std::uint64_t cents = decimal.digits;
    int scale = decimal.power + 2;
    for (; scale > 0; --scale)
        cents *= 10; // below 1e19, as the amount is below 1e17
    if (scale < 0) {
        // The digits are below 10^17, so under half of any divisor from 10^18 on.
        if (scale < -17)
            return 0;
        std::uint64_t divisor = 1;
        for (; scale < 0; ++scale)
            divisor *= 10;
        const bool roundUp = cents % divisor >= divisor / 2;
        cents = cents / divisor + (roundUp ? 1 : 0);
    }
    if (cents > std::uint64_t(maxCents))
        return std::nullopt;
    return amount < 0 ? -Cents(cents) : Cents(cents);
}

} // namespace schedule
