// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"
#include "schedule/monthly_rate.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace compare {

namespace {

// An unsigned integer of any size, in 64-bit limbs from the lowest: just enough to decide a level payment that
// lies within a hair of half a cent exactly.
using Limbs = std::vector<std::uint64_t>;

Limbs limbsOf(schedule::WideUnsigned value)
{
    Limbs limbs;
    for (; value != 0; value >>= 64)
        limbs.push_back(std::uint64_t(value));
    return limbs;
}

Limbs times(const Limbs &a, const Limbs &b)
{
    if (a.empty() || b.empty())
        return {};
    Limbs product(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        schedule::WideUnsigned carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            carry += (schedule::WideUnsigned)a[i] * b[j] + product[i + j];
            product[i + j] = std::uint64_t(carry);
            carry >>= 64;
        }
        product[i + b.size()] = std::uint64_t(carry);
    }
    while (!product.empty() && product.back() == 0)
        product.pop_back();
    return product;
}

Limbs power(Limbs base, int exponent)
{
    Limbs result{1};
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1)
            result = times(result, base);
        if (exponent > 1)
            base = times(base, base);
    }
    return result;
}

// a - b, for a >= b.
Limbs minus(Limbs a, const Limbs &b)
{
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::uint64_t subtrahend = i < b.size() ? b[i] : 0;
        const std::uint64_t difference = a[i] - subtrahend - borrow;
        borrow = (a[i] < subtrahend || (a[i] == subtrahend && borrow)) ? 1 : 0;
        a[i] = difference;
    }
    while (!a.empty() && a.back() == 0)
        a.pop_back();
    return a;
}

bool atLeast(const Limbs &a, const Limbs &b)
{
    if (a.size() != b.size())
        return a.size() > b.size();
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return a[i] > b[i];
    return true;
}

// Whether the exact level payment in cents, B·r / (1 − (1 + r)^−n) with r = num / den, is at least `half`
// + 1/2: with a = num + den it is B·num·a^n / (den·(a^n − den^n)), so compare 2·B·num·a^n with
// (2·half + 1)·den·(a^n − den^n). Some thousand bits for ordinary rates; never more than 141,000.
bool reachesHalf(Cents balance, const schedule::MonthlyRate &rate, int months, Cents half)
{
    const schedule::WideUnsigned numerator = rate.numerator();
    const schedule::WideUnsigned denominator = rate.denominator();
    const Limbs grown = power(limbsOf(numerator + denominator), months);
    const Limbs kept = power(limbsOf(denominator), months);
    const Limbs paid = times(limbsOf(2 * (schedule::WideUnsigned)balance * numerator), grown);
    const Limbs bound
        = times(times(limbsOf(2 * (schedule::WideUnsigned)half + 1), limbsOf(denominator)), minus(grown, kept));
    return atLeast(paid, bound);
}

} // namespace

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
    const schedule::MonthlyRate rate = schedule::MonthlyRate::ofPercent(annualRatePercent);
    if (balance <= 0 || balance > schedule::MonthlyRate::maxBalance || months < 1 || months > maxTermMonths
        || !rate.usable() || rate.huge())
        return 0;
    // At 0 %, and at a rate whose interest never reaches half a cent within the limits, B / n: a rate that small
    // moves B / n by less than 1 / (2n) of a cent, the least distance at which it can lie from a half cent.
    if (rate.isZero())
        return balance / months + (2 * (balance % months) >= months ? 1 : 0);

    // (1 + r)^−n through log1p and expm1, in long double, is within some 2^-60 of the exact payment's size; the
    // margin below is 64 times that. Only a payment within it of a half cent needs the exact comparison.
    const long double r = (long double)rate.numerator() / (long double)rate.denominator();
    const long double paid = -std::expm1(-months * std::log1p(r));
    const long double payment = (long double)balance * r / paid;
    if (!(payment < 0x1p62L))
        return 0;
    const long double whole = std::floor(payment);
    const long double margin = payment * 0x1p-54L;
    const long double fromHalf = payment - whole - 0.5L;
    if (fromHalf > margin)
        return Cents(whole) + 1;
    if (fromHalf < -margin)
        return Cents(whole);
    return Cents(whole) + (reachesHalf(balance, rate, months, Cents(whole)) ? 1 : 0);
}

} // namespace compare
