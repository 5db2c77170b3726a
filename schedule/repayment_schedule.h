// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cents.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Month-by-month repayment schedules of the window's five plans. Money is whole cents in 64-bit integers,
// rounded half away from zero; no input can overflow, hang or reach undefined behaviour.
namespace schedule {

struct Month {
    int year = 2000;
    int month = 1; // 1 to 12

    friend bool operator==(const Month &, const Month &) = default;
};

// The month `count` months after `month`.
Month addMonths(Month month, int count);

enum class Plan {
    Loan1, // loan 1's principal at its rate over the shared period
    Loan2, // loan 2's principal at its rate over the shared period
    BlendedLoan, // both principals at the blended nominal rate over the shared period
    CombinedAtAverageRate, // both principals, repaid by the combined payment at the average rate
    CombinedAtWeightedRate, // the same at the weighted rate
};

inline constexpr std::array<Plan, 5> allPlans{Plan::Loan1, Plan::Loan2, Plan::BlendedLoan, Plan::CombinedAtAverageRate,
                                              Plan::CombinedAtWeightedRate};

// "Loan 1", "Loan 2", "Blended loan", "Combined payment at the average rate",
// "Combined payment at the weighted rate": in English always, as files and JSON name the plans.
std::string_view planName(Plan plan);

// The plan's name as the user reads it: in the user's language where a translator is installed.
std::string shownPlanName(Plan plan);

// What the calculation knows of one plan, as doubles exactly as the arithmetic computed them.
struct PlanTerms {
    double principal = 0; // currency units
    double annualRate = 0; // a fraction, not percent
    double payment = 0; // the level monthly payment the window shows for this plan
    std::optional<double> exactInterest; // the window's unrounded total interest; none where it was not reached
    std::optional<double> years; // the shared period; none for the combined plans, which pay until repaid
    // The rate as typed in percent, for the loans whose rate was typed; its shortest decimal sets the interest
    // (MonthlyRate::ofPercent). None for a computed rate: annualRate's own shortest decimal sets it.
    std::optional<double> annualRatePercent;
};

struct Payment {
    int number = 0; // from 1
    Month month;
    Cents amount = 0; // what is paid this month
    Cents interest = 0;
    Cents principal = 0; // amount - interest
    Cents balance = 0; // what remains owed after this payment
};

struct Schedule {
    Plan plan = Plan::Loan1;
    std::vector<Payment> payments; // empty when the plan is not listed
    std::string notListedReason; // plain words; empty when listed
    Cents totalPaid = 0;
    Cents totalInterest = 0;
    std::optional<double> exactInterest; // the window's figure, for the reconciliation line

    bool listed() const { return notListedReason.empty(); }
};

// The schedule of one plan, its first payment in `firstPayment`. Each month's interest is the balance times the
// exact monthly rate (see MonthlyRate), rounded half away from zero. A plan that cannot be listed (principal or
// rate not positive, a month's interest at least the payment, more than 1,200 payments, a principal or payment
// above 2^53 cents, where a double no longer holds every cent of a balance; also a payment that rounds to no
// cent, and a loan whose period holds no payment) comes back with no payments and the reason in plain words. Principal
// and payment are rounded to the cent as the window shows them (see toCents); the plan decides the period: loans and
// the blended loan run `terms.years`, the combined plans pay until repaid and ignore it.
Schedule buildSchedule(Plan plan, const PlanTerms &terms, Month firstPayment);

// A plan the calculation did not reach, with the reason the window gave. An empty reason is replaced by a
// general one, so that such a schedule never counts as listed.
Schedule notListed(Plan plan, std::string reason);

// The last payment's amount and month; none when the plan is not listed.
std::optional<Cents> finalPayment(const Schedule &schedule);
std::optional<Month> payoffMonth(const Schedule &schedule);

// The schedule's total interest less the window's exact total rounded to the cent: what rounding every month's
// interest to the cent adds up to. None when the plan is not listed or the exact total is unknown or not a cent
// amount.
std::optional<Cents> interestDifference(const Schedule &schedule);

} // namespace schedule
