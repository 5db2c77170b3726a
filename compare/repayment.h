// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

#include <span>

namespace compare {

// One balance repaid month by month: a loan the user has, or the offer.
struct Debt {
    Cents balance = 0;
    double annualRatePercent = 0;
    Cents payment = 0; // the scheduled payment, before any extra
    int lastPayment = 0; // the payment that clears what is left at the end of the term; 0: paid until cleared
};

// The scheduled payment of a debt repaid over a term. The level payment is rounded to the cent, and where the
// term is long enough for (1 + r)^-n to vanish it is the month's interest give or take that rounding; a cent
// below the interest would let the balance grow, and the interest on it compound, for the rest of the term, so
// the payment is never below the first month's interest.
Debt debtOverTerm(Cents balance, double annualRatePercent, int months);

// A month's interest on a balance, in cents: balance × rate / 1200 exactly on the rate's shortest decimal
// (schedule::MonthlyRate), rounded half away from zero.
Cents interestOn(Cents balance, double annualRatePercent);

// Why a way could not be repaid, and the debt (its index) that stopped it.
struct Unrepaid {
    std::size_t debt;
    const char *reason; // plain words
};

// Repays the debts side by side from `firstPayment`, the extra going each month to the open debt with the
// highest rate (the first listed on a tie) and what exceeds its balance to the next; extra beyond every balance
// is not paid. Fills the way's schedules, monthly totals, balances owed, payments, payoff month and totals of
// payments and interest, or says why not, and then the way is meaningless. Two debts at most are read.
std::optional<Unrepaid> repay(std::span<const Debt> debts, Cents extra, Month firstPayment, Way &way);

} // namespace compare
