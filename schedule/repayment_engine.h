// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monthly_rate.h"
#include "repayment_schedule.h"

#include <array>
#include <limits>
#include <utility>

// The one month-by-month repayment both the window's schedules and the comparison with an offer run: each month
// every open debt's interest (MonthlyRate::interestOn), its scheduled payment or, where that is more than is
// owed or its term ends, what is owed; then the extra. Callers set the payments and the rules; the engine hands
// each month's rows to them. Money is whole cents; every sum is checked, so no input can overflow or hang.
namespace schedule {

inline constexpr int maxPayments = 1200; // 100 years of monthly payments
inline constexpr std::size_t maxDebts = 2; // two loans side by side at most

struct Debt {
    Cents balance = 0; // at most MonthlyRate::maxBalance
    MonthlyRate rate;
    Cents payment = 0; // the scheduled payment, before any extra
    int lastPayment = 0; // the payment that clears what is left at the end of the term; 0: paid until cleared
};

struct RepaymentRules {
    // Paid each month on top: to the open debts in extraOrder, what exceeds one's balance to the next; what
    // exceeds every balance is not paid.
    Cents extra = 0;
    std::array<std::size_t, maxDebts> extraOrder{0, 1};
    // Stop where a month's interest is at least the scheduled payment and the payment does not clear the debt:
    // the schedules refuse it, while the comparison lets a term's last payment take the residue.
    bool refuseUncoveredInterest = false;
};

enum class Shortfall {
    InterestNotCovered, // a month's interest at least the payment, with refuseUncoveredInterest
    TooManyPayments, // more than maxPayments payments
    InterestBeyondReach, // a month's interest MonthlyRate::interestOn does not give: far beyond any payment
    TooLarge, // a sum beyond 64-bit cents
};

struct Unrepaid {
    std::size_t debt; // the debt that stopped it
    Shortfall why;
};

// One month: the rows of the debts still open at its start.
struct RepaymentMonth {
    std::array<Payment, maxDebts> rows{};
    std::array<bool, maxDebts> open{};
    Cents total = 0; // paid this month, the extra included
    Cents owed = 0; // by all debts after it
};

struct Repayment {
    std::optional<Unrepaid> unrepaid; // when set, the figures below are meaningless
    int payments = 0; // months with a payment
    Cents totalPaid = 0;
    Cents totalInterest = 0;
};

// The month after `month`, as addMonths(month, 1) without its division: this runs once a payment.
inline Month nextMonth(Month month)
{
    if (month.month < 12)
        return {month.year, month.month + 1};
    return {month.year < std::numeric_limits<int>::max() ? month.year + 1 : month.year, 1};
}

// Repays the debts side by side, their first payments in `firstPayment`, calling onMonth(const RepaymentMonth &)
// once a month until nothing is owed. The count is a template argument so that the balances stay in registers
// on the chain of dependent operations each month.
template<std::size_t count, class OnMonth>
Repayment repayDebts(const std::array<Debt, count> &debts, const RepaymentRules &rules, Month firstPayment,
                     OnMonth &&onMonth)
{
    static_assert(count >= 1 && count <= maxDebts);
    std::array<Cents, count> balances{};
    Repayment repayment;
    const auto stop = [&repayment](std::size_t debt, Shortfall why) {
        repayment.unrepaid = Unrepaid{debt, why};
        return repayment;
    };
    Cents owed = 0;
    for (std::size_t d = 0; d < count; ++d) {
        balances[d] = debts[d].balance;
        if (__builtin_add_overflow(owed, balances[d], &owed))
            return stop(d, Shortfall::TooLarge);
    }

    RepaymentMonth month;
    Month date = addMonths(firstPayment, 0);
    int number = 1;
    for (; owed > 0; ++number, date = nextMonth(date)) {
        if (number > maxPayments) {
            std::size_t open = 0;
            while (open + 1 < count && balances[open] <= 0)
                ++open;
            return stop(open, Shortfall::TooManyPayments);
        }
        for (std::size_t d = 0; d < count; ++d) {
            month.open[d] = balances[d] > 0;
            if (!month.open[d])
                continue;
            const Debt &debt = debts[d];
            Cents interest = 0;
            if (!debt.rate.interestOn(balances[d], interest))
                return stop(d, Shortfall::InterestBeyondReach);
            Cents due = 0;
            if (__builtin_add_overflow(balances[d], interest, &due))
                return stop(d, Shortfall::TooLarge);
            // The last payment of a term, or one that would be more than what is owed, pays exactly that.
            const bool clears = number == debt.lastPayment || debt.payment >= due;
            if (!clears && rules.refuseUncoveredInterest && interest >= debt.payment)
                return stop(d, Shortfall::InterestNotCovered);
            const Cents amount = clears ? due : debt.payment;
            balances[d] = due - amount;
            month.rows[d] = {number, date, amount, interest, 0, 0};
        }
        Cents left = rules.extra;
        for (std::size_t k = 0; k < count && left > 0; ++k) {
            const std::size_t d = rules.extraOrder[k];
            if (d >= count)
                continue;
            // Not std::min, whose reference would keep the balance out of a register. amount + share is at most
            // what was due.
            const Cents share = left < balances[d] ? left : balances[d];
            month.rows[d].amount += share;
            balances[d] -= share;
            left -= share;
        }
        month.total = 0;
        owed = 0;
        for (std::size_t d = 0; d < count; ++d) {
            if (!month.open[d])
                continue;
            Payment &row = month.rows[d];
            row.principal = row.amount - row.interest;
            row.balance = balances[d];
            if (__builtin_add_overflow(month.total, row.amount, &month.total)
                || __builtin_add_overflow(repayment.totalInterest, row.interest, &repayment.totalInterest)
                || __builtin_add_overflow(owed, balances[d], &owed))
                return stop(d, Shortfall::TooLarge);
        }
        if (__builtin_add_overflow(repayment.totalPaid, month.total, &repayment.totalPaid))
            return stop(0, Shortfall::TooLarge);
        month.owed = owed;
        onMonth(std::as_const(month));
    }
    repayment.payments = number - 1;
    return repayment;
}

} // namespace schedule
