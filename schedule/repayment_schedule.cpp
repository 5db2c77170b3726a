// SPDX-License-Identifier: GPL-3.0-or-later
#include "repayment_schedule.h"

#include "repayment_engine.h"
#include "wording/wording.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace schedule {

namespace {

// Why a plan is not listed, translated where it is refused.
constexpr const char *noPaymentPeriod = WORDING_NOOP("Schedules", "the period holds no monthly payment");
constexpr const char *principalNotPositive = WORDING_NOOP("Schedules", "its principal is not at least one cent");
constexpr const char *rateNotPositive = WORDING_NOOP("Schedules", "its interest rate is not positive");
constexpr const char *paymentNotPositive
    = WORDING_NOOP("Schedules", "its monthly payment is not at least one cent, so it never repays the principal");
constexpr const char *neverRepaid
    = WORDING_NOOP("Schedules", "a month's interest is at least the monthly payment, so the principal is never repaid");
constexpr const char *tooManyPayments
    = WORDING_NOOP("Schedules", "it would take more than 1,200 monthly payments (100 years)");
constexpr const char *tooLarge = WORDING_NOOP("Schedules", "its amounts are too large to list to the cent");

// Every whole number of cents up to 2^53 is a double, so up to there a principal and a payment are the cents the
// window shows; above it they could already be a cent off. It also keeps balances within MonthlyRate's reach.
constexpr Cents exactCentsLimit = Cents(1) << 53;

bool hasFixedPeriod(Plan plan)
{
    return plan == Plan::Loan1 || plan == Plan::Loan2 || plan == Plan::BlendedLoan;
}

// The number of the payment that clears the balance: ceil(years * 12 - 1e-9), the small allowance keeping a
// period a rounding error over whole (20.000000000000004 years is 240.00000000000006 months) from an extra
// payment of a cent or so. Zero for a combined plan, which pays until repaid.
struct LastPayment {
    int number = 0;
    const char *refusal = nullptr; // none when the period is usable
};

LastPayment lastPaymentOf(Plan plan, const std::optional<double> &years)
{
    if (!hasFixedPeriod(plan))
        return {};
    if (!years)
        return {0, noPaymentPeriod};
    const double months = *years * 12 - 1e-9;
    if (!(months > 0))
        return {0, noPaymentPeriod};
    if (months > maxPayments)
        return {0, tooManyPayments};
    return {int(std::ceil(months)), {}};
}

// How many payments a plan that pays until repaid should take, from the payoff formula, with a payment to
// spare for the rounding of each month's interest; it only sizes the row storage, so it need not be exact.
std::size_t expectedPayments(Cents principal, Cents payment, double monthlyRate)
{
    const double unpaidShare = 1 - double(principal) * monthlyRate / double(payment);
    const double months = -std::log(unpaidShare) / std::log1p(monthlyRate);
    return months > 0 && months < maxPayments ? std::size_t(months) + 2 : 1;
}

} // namespace

Month addMonths(Month month, int count)
{
    // Counted in 64 bits, so no year, month or count can overflow; a month outside 1 to 12 carries into the year.
    const std::int64_t index = std::int64_t(month.year) * 12 + (std::int64_t(month.month) - 1) + count;
    std::int64_t year = index / 12;
    std::int64_t monthIndex = index % 12;
    if (monthIndex < 0) {
        monthIndex += 12;
        --year;
    }
    constexpr std::int64_t minYear = std::numeric_limits<int>::min();
    constexpr std::int64_t maxYear = std::numeric_limits<int>::max();
    return {int(std::clamp(year, minYear, maxYear)), int(monthIndex) + 1};
}

std::string_view planName(Plan plan)
{
    switch (plan) {
    case Plan::Loan1:
        return WORDING_NOOP("Plans", "Loan 1");
    case Plan::Loan2:
        return WORDING_NOOP("Plans", "Loan 2");
    case Plan::BlendedLoan:
        return WORDING_NOOP("Plans", "Blended loan");
    case Plan::CombinedAtAverageRate:
        return WORDING_NOOP("Plans", "Combined payment at the average rate");
    case Plan::CombinedAtWeightedRate:
        return WORDING_NOOP("Plans", "Combined payment at the weighted rate");
    }
    return "Plan";
}

std::string shownPlanName(Plan plan)
{
    return wording::translate("Plans", planName(plan).data());
}

Schedule buildSchedule(Plan plan, const PlanTerms &terms, Month firstPayment)
{
    const auto refuse = [plan](const char *reason) { return notListed(plan, wording::translate("Schedules", reason)); };

    const std::optional<Cents> principal = toCents(terms.principal);
    const std::optional<Cents> payment = toCents(terms.payment);
    const double monthlyRate = terms.annualRate / 12;
    const LastPayment last = lastPaymentOf(plan, terms.years);
    // Written so that NaN fails the "positive" tests; what remains unconverted is beyond 64-bit cents.
    if (!(terms.principal > 0) || (principal && *principal <= 0))
        return refuse(principalNotPositive);
    if (!(monthlyRate > 0))
        return refuse(rateNotPositive);
    if (last.refusal)
        return refuse(last.refusal);
    if (!(terms.payment > 0) || (payment && *payment <= 0))
        return refuse(paymentNotPositive);
    if (!principal || !payment || !std::isfinite(monthlyRate) || *principal > exactCentsLimit
        || *payment > exactCentsLimit)
        return refuse(tooLarge);
    const MonthlyRate rate = terms.annualRatePercent ? MonthlyRate::ofPercent(*terms.annualRatePercent)
                                                     : MonthlyRate::ofFraction(terms.annualRate);
    if (!rate.usable())
        return refuse(rateNotPositive);

    Schedule schedule;
    schedule.plan = plan;
    schedule.exactInterest = terms.exactInterest;
    schedule.payments.reserve(last.number > 0 ? std::size_t(last.number)
                                              : expectedPayments(*principal, *payment, monthlyRate));
    const std::array<Debt, 1> debt{{{*principal, rate, *payment, last.number}}};
    RepaymentRules rules;
    rules.refuseUncoveredInterest = true;
    const Repayment repayment = repayDebts(debt, rules, firstPayment, [&schedule](const RepaymentMonth &month) {
        // Field by field: a copy of the whole row compiles to a string move, slow at this size.
        const Payment &row = month.rows[0];
        schedule.payments.push_back({row.number, row.month, row.amount, row.interest, row.principal, row.balance});
    });
    if (repayment.unrepaid) {
        switch (repayment.unrepaid->why) {
        case Shortfall::InterestNotCovered:
        case Shortfall::InterestBeyondReach:
            return refuse(neverRepaid);
        case Shortfall::TooManyPayments:
            return refuse(tooManyPayments);
        case Shortfall::TooLarge:
            break;
        }
        return refuse(tooLarge);
    }
    schedule.totalPaid = repayment.totalPaid;
    schedule.totalInterest = repayment.totalInterest;
    return schedule;
}

Schedule notListed(Plan plan, std::string reason)
{
    if (reason.empty())
        reason = wording::translate("Schedules", "the calculation did not reach this plan");
    Schedule schedule;
    schedule.plan = plan;
    schedule.notListedReason = std::move(reason);
    return schedule;
}

std::optional<Cents> finalPayment(const Schedule &schedule)
{
    if (!schedule.listed() || schedule.payments.empty())
        return std::nullopt;
    return schedule.payments.back().amount;
}

std::optional<Month> payoffMonth(const Schedule &schedule)
{
    if (!schedule.listed() || schedule.payments.empty())
        return std::nullopt;
    return schedule.payments.back().month;
}

std::optional<Cents> interestDifference(const Schedule &schedule)
{
    const std::optional<Cents> exact = schedule.exactInterest ? toCents(*schedule.exactInterest) : std::nullopt;
    Cents difference = 0;
    if (!schedule.listed() || schedule.payments.empty() || !exact
        || __builtin_sub_overflow(schedule.totalInterest, *exact, &difference))
        return std::nullopt;
    return difference;
}

} // namespace schedule
