// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthly_rate.h"

#include "shortest_decimal.h"

#include <cmath>
#include <limits>

namespace schedule {

namespace {

// 1200 × 10^32 is below 2^117, the most a denominator may be for interestOn's products to fit. A rate needing
// a larger power has a shortest decimal below 10^-15 (17 digits at most), and then 2 × maxBalance × numerator
// lies below the denominator: every month's interest rounds to 0.
constexpr int maxDecimals = 32;

} // namespace

MonthlyRate MonthlyRate::ofPercent(double annualPercent)
{
    return of(annualPercent, 1200);
}

MonthlyRate MonthlyRate::ofFraction(double annualFraction)
{
    return of(annualFraction, 12);
}

MonthlyRate MonthlyRate::of(double annual, unsigned denominator)
{
    MonthlyRate rate;
    if (!std::isfinite(annual) || annual < 0) {
        rate.m_usable = false;
        return rate;
    }
    if (annual == 0)
        return rate;

    const ShortestDecimal decimal = shortestDecimal(annual);
    std::uint64_t digits = decimal.digits;
    int power = decimal.power; // the rate is digits × 10^power
    WideUnsigned wideDenominator = denominator;
    if (power < -maxDecimals)
        return rate;
    for (; power < 0; ++power)
        wideDenominator *= 10;
    for (; power > 0; --power) {
        if (__builtin_mul_overflow(digits, std::uint64_t(10), &digits)) {
            rate.m_huge = true;
            rate.m_approximate = annual / denominator;
            return rate;
        }
    }
    rate.m_numerator = digits;
    rate.m_denominator = wideDenominator;
    rate.m_approximate = double((long double)digits / (long double)wideDenominator);
    if (digits < wideDenominator) {
        rate.m_fixed = std::uint64_t((WideUnsigned(digits) << 64) / wideDenominator);
        rate.m_plain = true;
    }
    return rate;
}

MonthlyRate::Exact MonthlyRate::exactInterestOn(Cents balance) const
{
    if (balance < 0 || balance > maxBalance || !m_usable)
        return {0, false};
    if (balance == 0 || (m_numerator == 0 && !m_huge))
        return {0, true};
    constexpr double interestLimit = 4611686018427387904.0; // 2^62
    if (m_huge || !(double(balance) * m_approximate < interestLimit))
        return {0, false};
    // The exact value b·n/d rounds half away from zero to floor((2·b·n + d) / (2·d)). b < 2^55, n < 2^64 and
    // d < 2^117, so no sum overflows.
    const WideUnsigned twice = 2 * WideUnsigned(balance) * m_numerator;
    return {Cents((twice + m_denominator) / (2 * m_denominator)), true};
}

} // namespace schedule
