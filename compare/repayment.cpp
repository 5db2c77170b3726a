// SPDX-License-Identifier: GPL-3.0-or-later
#include "repayment.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace compare {

namespace {

// Two loans are the most a way repays side by side.
constexpr std::size_t maxDebts = 2;

constexpr const char *tooManyPayments = "it would take more than 1,200 monthly payments (100 years)";
// Out of reach within the limits checkInputs sets: balances never grow, since each payment covers at least its
// month's interest, so every figure stays below 1,200 months of the starting balances and their interest.
constexpr const char *tooLarge = "its amounts are too large to count in cents";

// Room for the payments a debt should take; it only sizes storage. A debt paid until cleared is estimated
// from the payoff formula, with a payment to spare for the rounding of each month's interest.
std::size_t expectedPayments(const Debt &debt)
{
    if (debt.lastPayment > 0)
        return std::size_t(std::min(debt.lastPayment, maxTermMonths));
    const double rate = debt.annualRatePercent / 1200;
    const double owedShare = double(debt.balance) / double(debt.payment);
    const double months = rate == 0 ? owedShare : -std::log1p(-owedShare * rate) / std::log1p(rate);
    return months > 0 && months < maxTermMonths ? std::size_t(months) + 2 : std::size_t(maxTermMonths);
}

} // namespace

Cents interestOn(Cents balance, double annualRatePercent)
{
    // Balances are below 2^63 and a month's rate below 1, so the product converts.
    return schedule::roundHalfAway(double(balance) * (annualRatePercent / 1200));
}

Debt debtOverTerm(Cents balance, double annualRatePercent, int months)
{
    const Cents payment
        = std::max(paymentFromTerm(balance, annualRatePercent, months), interestOn(balance, annualRatePercent));
    return {balance, annualRatePercent, payment, months};
}

std::optional<Unrepaid> repay(std::span<const Debt> debts, Cents extra, Month firstPayment, Way &way)
{
    const std::size_t count = std::min(debts.size(), maxDebts);
    std::array<Cents, maxDebts> balances{};
    std::array<double, maxDebts> monthlyRates{}; // divided once here, not in every month's chain of operations
    std::array<std::size_t, maxDebts> byRate{}; // the order the extra goes in
    way.schedules.assign(count, {});
    Cents owed = 0;
    for (std::size_t d = 0; d < count; ++d) {
        balances[d] = debts[d].balance;
        monthlyRates[d] = debts[d].annualRatePercent / 1200;
        byRate[d] = d;
        way.schedules[d].reserve(expectedPayments(debts[d]));
        if (__builtin_add_overflow(owed, balances[d], &owed))
            return Unrepaid{d, tooLarge};
    }
    std::stable_sort(byRate.begin(), byRate.begin() + std::ptrdiff_t(count), [&debts](std::size_t a, std::size_t b) {
        return debts[a].annualRatePercent > debts[b].annualRatePercent;
    });

    way.monthlyTotals.clear();
    way.balanceOwed.assign(1, owed);
    Cents paid = 0;
    Cents interestPaid = 0;
    for (int number = 1; owed > 0; ++number) {
        if (number > maxTermMonths) {
            const auto unpaid = std::find_if(balances.begin(), balances.end(), [](Cents b) { return b > 0; });
            return Unrepaid{std::size_t(unpaid - balances.begin()), tooManyPayments};
        }
        const Month month = schedule::addMonths(firstPayment, number - 1);
        std::array<Cents, maxDebts> amounts{};
        std::array<Cents, maxDebts> interests{};
        std::array<bool, maxDebts> open{};
        for (std::size_t d = 0; d < count; ++d) {
            if (balances[d] <= 0)
                continue;
            open[d] = true;
            interests[d] = schedule::roundHalfAway(double(balances[d]) * monthlyRates[d]); // as interestOn()
            Cents due = 0;
            if (__builtin_add_overflow(balances[d], interests[d], &due))
                return Unrepaid{d, tooLarge};
            // The last payment of a term, or one that would be more than what is owed, pays exactly that.
            amounts[d] = number == debts[d].lastPayment || debts[d].payment >= due ? due : debts[d].payment;
            balances[d] = due - amounts[d];
        }
        Cents left = extra;
        for (std::size_t k = 0; k < count && left > 0; ++k) {
            const std::size_t d = byRate[k];
            const Cents share = std::min(left, balances[d]); // amount + share is at most `due`
            amounts[d] += share;
            balances[d] -= share;
            left -= share;
        }
        Cents total = 0;
        owed = 0;
        for (std::size_t d = 0; d < count; ++d) {
            if (!open[d])
                continue;
            way.schedules[d].push_back(
                {number, month, amounts[d], interests[d], amounts[d] - interests[d], balances[d]});
            if (__builtin_add_overflow(total, amounts[d], &total)
                || __builtin_add_overflow(interestPaid, interests[d], &interestPaid)
                || __builtin_add_overflow(owed, balances[d], &owed))
                return Unrepaid{d, tooLarge};
        }
        if (__builtin_add_overflow(paid, total, &paid))
            return Unrepaid{0, tooLarge};
        way.monthlyTotals.push_back(total);
        way.balanceOwed.push_back(owed);
    }
    way.payments = int(way.monthlyTotals.size());
    way.firstPayment = way.monthlyTotals.empty() ? 0 : way.monthlyTotals.front();
    way.payoffMonth = schedule::addMonths(firstPayment, std::max(way.payments - 1, 0));
    way.totalPaid = paid;
    way.totalInterest = interestPaid;
    return std::nullopt;
}

Cents scheduledPayment(Cents balance, double annualRatePercent, int months)
{
    return debtOverTerm(balance, annualRatePercent, months).payment;
}

} // namespace compare
