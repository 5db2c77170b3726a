// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cents.h"

#include <cstdint>
#include <optional>

namespace schedule {

// A monthly rate held exactly, as a lender reckons it in decimal: numerator / denominator, where the numerator is
// the annual rate's shortest decimal form (the digits std::to_chars writes, which read back as the same double)
// and the denominator 1200 for a rate in percent, 12 for a rate as a fraction, times the power of ten the
// decimal point takes. So "9.69" % is 969 / 120000 a month, not the double nearest 9.69 / 1200.
class MonthlyRate {
public:
    // A rate of 0.
    MonthlyRate() = default;

    // A rate typed in percent a year: its shortest decimal / 1200.
    static MonthlyRate ofPercent(double annualPercent);
    // A rate the arithmetic computed as a fraction a year: its shortest decimal / 12. A fraction made from a
    // typed percent must go through ofPercent instead: 1.14 / 100 is 0.011399999999999999.
    static MonthlyRate ofFraction(double annualFraction);

    // The largest balance interestOn takes: every balance the schedules and the comparison hold is at most 2^53
    // cents, and the exact products then fit 128 bits.
    static constexpr Cents maxBalance = Cents(1) << 54;

    // Not finite or below 0: no interest is defined.
    bool usable() const { return m_usable; }
    bool isZero() const { return m_numerator == 0 && !m_huge; }
    // The rate as a double, for estimates only.
    double approximate() const { return m_approximate; }

    // Sets `interest` to balance × numerator / denominator, exactly, rounded half away from zero. False, and
    // `interest` untouched, for a balance outside 0 to maxBalance, a rate that is not usable, and interest of
    // 2^62 cents or more or at a huge rate, which lies beyond any payment.
    // Inline, short and in integers: it runs once a payment, on the chain of dependent operations that sets how
    // fast a schedule is built (an optional would go through memory there). With F = floor(2^64 × rate), the
    // exact product lies in [b·F, b·F + b) / 2^64, an interval narrower than 2^-10 of a cent; only where it holds
    // a half cent, rarely, is the rounding decided by division.
    bool interestOn(Cents balance, Cents &interest) const
    {
        if (m_plain && balance >= 0 && balance <= maxBalance) {
            const WideUnsigned product = WideUnsigned(std::uint64_t(balance)) * m_fixed;
            const auto whole = Cents(product >> 64);
            const auto fraction = std::uint64_t(product);
            constexpr std::uint64_t half = std::uint64_t(1) << 63;
            if (fraction >= half) {
                interest = whole + 1;
                return true;
            }
            if (fraction + std::uint64_t(balance) < half) {
                interest = whole;
                return true;
            }
        }
        const Exact exact = exactInterestOn(balance);
        if (exact.reached)
            interest = exact.cents;
        return exact.reached;
    }

    // The exact numerator and denominator, for arithmetic that needs more than a month's interest.
    std::uint64_t numerator() const { return m_numerator; }
    WideUnsigned denominator() const { return m_denominator; }
    // The numerator does not fit 64 bits: an annual rate of 1.8e19 % or more, whose interest on a cent exceeds
    // any payment.
    bool huge() const { return m_huge; }

private:
    // Returned by value, in registers, so that the interest never goes through memory.
    struct Exact {
        Cents cents;
        bool reached;
    };
    // interestOn decided in 128-bit integers throughout.
    Exact exactInterestOn(Cents balance) const;

    static MonthlyRate of(double annual, unsigned denominator);

    std::uint64_t m_numerator = 0;
    WideUnsigned m_denominator = 1;
    double m_approximate = 0;
    bool m_usable = true;
    bool m_huge = false;
    std::uint64_t m_fixed = 0; // floor(2^64 × numerator / denominator)
    bool m_plain = false; // usable, and 0 < numerator < denominator: m_fixed holds the rate
};

} // namespace schedule
