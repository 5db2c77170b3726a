// SPDX-License-Identifier: GPL-3.0-or-later
#include "repayment_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace schedule {

namespace {

constexpr int maxPayments = 1200; // 100 years of monthly payments

constexpr std::string_view noPaymentPeriod = "the period holds no monthly payment";
constexpr std::string_view principalNotPositive = "its principal is not at least one cent";
constexpr std::string_view rateNotPositive = "its interest rate is not positive";
constexpr std::string_view paymentNotPositive
    = "its monthly payment is not at least one cent, so it never repays the principal";
constexpr std::string_view neverRepaid
    = "a month's interest is at least the monthly payment, so the principal is never repaid";
constexpr std::string_view tooManyPayments = "it would take more than 1,200 monthly payments (100 years)";
constexpr std::string_view tooLarge = "its amounts are too large to list to the cent";

// Every whole number of cents up to 2^53 is a double, so up to there a month's interest is the balance times the
// rate, rounded once; above it a balance could already be a cent off before it is multiplied.
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
    std::string_view refusal; // empty when the period is usable
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

// The month after `month`, as addMonths(month, 1) but without its division: this runs once a payment.
Month nextMonth(Month month)
{
    if (month.month < 12)
        return {month.year, month.month + 1};
    return {month.year < std::numeric_limits<int>::max() ? month.year + 1 : month.year, 1};
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
        return "Loan 1";
    case Plan::Loan2:
        return "Loan 2";
    case Plan::BlendedLoan:
        return "Blended loan";
    case Plan::CombinedAtAverageRate:
        return "Combined payment at the average rate";
    case Plan::CombinedAtWeightedRate:
        return "Combined payment at the weighted rate";
    }
    return "Plan";
}

Schedule buildSchedule(Plan plan, const PlanTerms &terms, Month firstPayment)
{
    const auto refuse = [plan](std::string_view reason) { return notListed(plan, std::string(reason)); };

    const std::optional<Cents> principal = toCents(terms.principal);
    const std::optional<Cents> payment = toCents(terms.payment);
    const double monthlyRate = terms.annualRate / 12;
    const LastPayment last = lastPaymentOf(plan, terms.years);
    // Written so that NaN fails the "positive" tests; what remains unconverted is beyond 64-bit cents.
    if (!(terms.principal > 0) || (principal && *principal <= 0))
        return refuse(principalNotPositive);
    if (!(monthlyRate > 0))
        return refuse(rateNotPositive);
    if (!last.refusal.empty())
        return refuse(last.refusal);
    if (!(terms.payment > 0) || (payment && *payment <= 0))
        return refuse(paymentNotPositive);
    if (!principal || !payment || !std::isfinite(monthlyRate) || *principal > exactCentsLimit
        || *payment > exactCentsLimit)
        return refuse(tooLarge);

    Schedule schedule;
    schedule.plan = plan;
    schedule.exactInterest = terms.exactInterest;
    schedule.payments.reserve(last.number > 0 ? std::size_t(last.number)
                                              : expectedPayments(*principal, *payment, monthlyRate));
    Cents balance = *principal;
    Cents totalPaid = 0;
    Cents totalInterest = 0;
    Month month = addMonths(firstPayment, 0);
    for (int number = 1; balance > 0; ++number, month = nextMonth(month)) {
        if (number > maxPayments)
            return refuse(tooManyPayments);
        // A month's interest beyond 64-bit cents lies far above any payment.
        const double exactInterest = double(balance) * monthlyRate;
        if (!(exactInterest < centsLimit))
            return refuse(neverRepaid);
        const Cents interest = roundHalfAway(exactInterest);
        // interest >= 0 and payment > 0, so payment - interest cannot overflow.
        const bool clears = number == last.number || (interest <= *payment && balance <= *payment - interest);
        if (!clears && interest >= *payment)
            return refuse(neverRepaid);
        Cents amount = *payment;
        if (clears && __builtin_add_overflow(balance, interest, &amount))
            return refuse(tooLarge);
        const Cents repaid = amount - interest;
        balance -= repaid;
        if (__builtin_add_overflow(totalPaid, amount, &totalPaid)
            || __builtin_add_overflow(totalInterest, interest, &totalInterest))
            return refuse(tooLarge);
        schedule.payments.push_back({number, month, amount, interest, repaid, balance});
    }
    schedule.totalPaid = totalPaid;
    schedule.totalInterest = totalInterest;
    return schedule;
}

Schedule notListed(Plan plan, std::string reason)
{
    if (reason.empty())
        reason = "the calculation did not reach this plan";
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
