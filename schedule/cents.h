// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

// Money as whole cents in 64 bits. Both conversions round half away from zero and give nothing for a value that
// is not finite or lies outside the 64-bit range, so no figure can overflow on its way in.
namespace schedule {

using Cents = std::int64_t;

// Products of cents and a rate's digits, which 64 bits do not hold; a GCC and Clang extension.
__extension__ typedef __int128 WideInt;
__extension__ typedef unsigned __int128 WideUnsigned;

// An amount in currency units, rounded on its shortest decimal form as the window's display rounds it: 2.675
// (stored as 2.67499999...) is 268 cents, as a person reading "2.675" would round it.
std::optional<Cents> toCents(double amount);

// Every double below this in magnitude converts to 64-bit cents; it is 2^63, exactly representable.
inline constexpr double centsLimit = 9223372036854775808.0;

// `cents` rounded half away from zero, for |cents| < centsLimit. Inline and short: it runs once a payment, on
// the chain of dependent operations that sets how fast a schedule is built.
inline Cents roundHalfAway(double cents)
{
    // From 2^52 up every double is whole. Below, from 0.5 up, cents + 0.5 is exact or rounds onto a grid that
    // holds every whole number near it, so truncating it cannot cross one; below 0.5 the sum can round up to 1
    // (0.49999999999999994 + 0.5 is 1.0), hence that case apart. The branches are all but always predicted.
    constexpr double allWhole = 4503599627370496.0; // 2^52
    if (cents >= allWhole || cents <= -allWhole)
        return Cents(cents);
    if (cents >= 0.5)
        return Cents(cents + 0.5);
    if (cents <= -0.5)
        return Cents(cents - 0.5);
    return 0;
}

// A count of cents computed in double, such as a month's interest: the double itself is rounded.
inline std::optional<Cents> roundCents(double cents)
{
    if (!(std::fabs(cents) < centsLimit)) // NaN fails too
        return std::nullopt;
    return roundHalfAway(cents);
}

} // namespace schedule
