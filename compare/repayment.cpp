// SPDX-License-Identifier: GPL-3.0-or-later
#include "repayment.h"

#include "schedule/repayment_engine.h"
#include "wording/wording.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace compare {

namespace {

constexpr const char *tooManyPayments
    = WORDING_NOOP("Refusals", "it would take more than 1,200 monthly payments (100 years)");
// Out of reach within the limits checkInputs sets: balances never grow, since each payment covers at least its
// month's interest, so every figure stays below 1,200 months of the starting balances and their interest.
constexpr const char *tooLarge = WORDING_NOOP("Refusals", "its amounts are too large to count in cents");

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
    // Within checkInputs' limits the interest is always there.
    Cents interest = 0;
    schedule::MonthlyRate::ofPercent(annualRatePercent).interestOn(balance, interest);
    return interest;
}

Debt debtOverTerm(Cents balance, double annualRatePercent, int months)
{
    const Cents payment
        = std::max(paymentFromTerm(balance, annualRatePercent, months), interestOn(balance, annualRatePercent));
    return {balance, annualRatePercent, payment, months};
}

namespace {

template<std::size_t count>
std::optional<Unrepaid> repaySome(std::span<const Debt> debts, Cents extra, Month firstPayment, Way &way)
{
    std::array<schedule::Debt, count> engineDebts{};
    schedule::RepaymentRules rules;
    rules.extra = extra;
    way.schedules.assign(count, {});
    Cents owed = 0;
    for (std::size_t d = 0; d < count; ++d) {
        const Debt &debt = debts[d];
        engineDebts[d]
            = {debt.balance, schedule::MonthlyRate::ofPercent(debt.annualRatePercent), debt.payment, debt.lastPayment};
        way.schedules[d].reserve(expectedPayments(debt));
        owed += debt.balance; // checkInputs bounds each by 1e14
    }
    std::stable_sort(
        rules.extraOrder.begin(), rules.extraOrder.begin() + std::ptrdiff_t(count),
        [&debts](std::size_t a, std::size_t b) { return debts[a].annualRatePercent > debts[b].annualRatePercent; });

    way.monthlyTotals.clear();
    way.balanceOwed.assign(1, owed);
    const schedule::Repayment repayment
        = schedule::repayDebts(engineDebts, rules, firstPayment, [&way](const schedule::RepaymentMonth &month) {
              for (std::size_t d = 0; d < count; ++d) {
                  // Field by field: a copy of the whole row compiles to a string move, slow at this size.
                  const schedule::Payment &row = month.rows[d];
                  if (month.open[d])
                      way.schedules[d].push_back(
                          {row.number, row.month, row.amount, row.interest, row.principal, row.balance});
              }
              way.monthlyTotals.push_back(month.total);
              way.balanceOwed.push_back(month.owed);
          });
    if (repayment.unrepaid)
        return Unrepaid{repayment.unrepaid->debt,
                        repayment.unrepaid->why == schedule::Shortfall::TooManyPayments ? tooManyPayments : tooLarge};
    way.payments = repayment.payments;
    way.firstPayment = way.monthlyTotals.empty() ? 0 : way.monthlyTotals.front();
    way.payoffMonth = schedule::addMonths(firstPayment, std::max(way.payments - 1, 0));
    way.totalPaid = repayment.totalPaid;
    way.totalInterest = repayment.totalInterest;
    return std::nullopt;
}

} // namespace

std::optional<Unrepaid> repay(std::span<const Debt> debts, Cents extra, Month firstPayment, Way &way)
{
    switch (debts.size()) {
    case 0:
        way = Way{};
        way.balanceOwed.assign(1, 0);
        way.payoffMonth = schedule::addMonths(firstPayment, 0);
        return std::nullopt;
    case 1:
        return repaySome<1>(debts, extra, firstPayment, way);
    default:
        return repaySome<schedule::maxDebts>(debts, extra, firstPayment, way);
    }
}

Cents scheduledPayment(Cents balance, double annualRatePercent, int months)
{
    return debtOverTerm(balance, annualRatePercent, months).payment;
}

} // namespace compare
