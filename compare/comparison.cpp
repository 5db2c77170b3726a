// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include "cost_curves.h"
#include "input_checks.h"
#include "repayment.h"
#include "wording/wording.h"

#include <algorithm>

namespace compare {

namespace {

constexpr const char *neverRepaid
    = WORDING_NOOP("Refusals", "the monthly payment never covers a month's interest, so it is never repaid");
constexpr const char *noRate = WORDING_NOOP("Refusals",
                                            "no rate from 0 % to 100 % a month makes its payments worth "
                                            "the amount lent, so its rate is not defined");

constexpr const char *anInputIsMarked = WORDING_NOOP("Refusals", "one of its inputs is marked");

constexpr RefusalSubject loanSubjects[] = {RefusalSubject::Loan1, RefusalSubject::Loan2};

Comparison refused(Refusal refusal)
{
    Comparison comparison;
    comparison.refusal = std::move(refusal);
    return comparison;
}

// The rate that makes the monthly totals worth `advanced`. Amounts go in as cents, which the rate does not
// depend on: a 0 % way's totals then sum to exactly what was advanced.
std::optional<SolvedRate> rateOf(const Way &way, Cents advanced)
{
    std::vector<CashFlow> flows;
    flows.reserve(way.monthlyTotals.size());
    for (std::size_t k = 0; k < way.monthlyTotals.size(); ++k)
        flows.push_back({double(way.monthlyTotals[k]), int(k) + 1});
    return solveRate(double(advanced), flows, 12);
}

// One offer against keeping the loans, whose way is already worked out: refused alone where it cannot be repaid
// or has no APR.
OfferComparison compareOffer(const ComparisonInputs &inputs, const OfferInputs &terms, Cents balances, Cents charges,
                             const Way &keep)
{
    OfferComparison compared;
    compared.name = terms.name;
    compared.amount = balances + terms.feesAdded;
    const Debt debt = debtOverTerm(compared.amount, terms.annualRatePercent, terms.termMonths);
    Way &offer = compared.way;
    if (const auto unrepaid = repay({&debt, 1}, inputs.extra, inputs.firstPayment, offer)) {
        compared.refusal = {RefusalSubject::Offer, 0, wording::translate("Refusals", unrepaid->reason)};
        return compared;
    }
    offer.points = pointsOn(compared.amount, terms.pointsPercent);
    offer.earlyRepaymentCharges = charges;
    offer.paidAtSigning = terms.feesAtSigning + offer.points + charges;
    offer.totalPaid += offer.paidAtSigning;
    offer.fees = terms.feesAtSigning + offer.points + terms.feesAdded;
    offer.financeCharge = offer.totalInterest + offer.fees;
    offer.presentValue = presentValueOf(offer.monthlyTotals, inputs.savingsRatePercent, offer.paidAtSigning);
    addCostSoFar(offer, offer.paidAtSigning, balances);
    // The fees added are in the offer's amount and come back in its payments, so only those at signing and the
    // points, prepaid finance charges, reduce what the borrower really receives. The loans' early repayment
    // charges are not the new loan's.
    offer.rate = rateOf(offer, balances - terms.feesAtSigning - offer.points);
    if (!offer.rate) {
        compared.refusal = {RefusalSubject::Offer, 0, wording::translate("Refusals", noRate)};
        return compared;
    }
    compared.breakEvenMonth = breakEvenMonth(keep.costSoFar, offer.costSoFar);
    compared.paymentDifference = offer.firstPayment - keep.firstPayment;
    compared.totalPaidDifference = offer.totalPaid - keep.totalPaid;
    compared.presentValueDifference = offer.presentValue - keep.presentValue;
    compared.monthsDifference = offer.payments - keep.payments;
    return compared;
}

// The horizon as the figures take it: none where none is given or where it reaches past every way's last payment.
std::optional<int> horizonWithin(const Comparison &comparison, std::optional<int> horizon)
{
    int longest = comparison.keep.payments;
    for (const OfferComparison &offer : comparison.offers)
        if (!offer.refusal)
            longest = std::max(longest, offer.way.payments);
    return horizon && *horizon < longest ? horizon : std::nullopt;
}

void addHorizonFigures(Way &way, int horizon, double savingsRatePercent)
{
    const auto months = std::size_t(std::min(horizon, way.payments));
    way.costOverHorizon = way.costSoFar[months];
    // The balance still owed after the horizon is paid off with its last payment; the months with no payment
    // left after a way's end add nothing.
    std::vector<Cents> totals(way.monthlyTotals.begin(), way.monthlyTotals.begin() + std::ptrdiff_t(months));
    if (!totals.empty())
        totals.back() += way.balanceOwed[months];
    way.presentValueOverHorizon = presentValueOf(totals, savingsRatePercent, way.paidAtSigning);
}

// Which way costs least: the first offer that costs less than every way before it, keeping the loans first.
std::optional<std::size_t> cheapestOf(const Comparison &comparison)
{
    const auto cost
        = [&comparison](const Way &way) { return comparison.horizonMonths ? *way.costOverHorizon : way.totalPaid; };
    std::optional<std::size_t> cheapest;
    Cents least = cost(comparison.keep);
    for (std::size_t o = 0; o < comparison.offers.size(); ++o)
        if (!comparison.offers[o].refusal && cost(comparison.offers[o].way) < least) {
            cheapest = o;
            least = cost(comparison.offers[o].way);
        }
    return cheapest;
}

} // namespace

Comparison compareWays(const ComparisonInputs &inputs)
{
    if (const std::vector<InputProblem> problems = checkInputs(inputs); !problems.empty())
        return refused(refusalFor(problems.front()));

    // checkInputs bounds every amount by 1e14 cents, so the sums below cannot overflow. Loan 1 always has a
    // balance, so the debts are indexed as the loans are.
    std::vector<Debt> loans;
    Cents balances = 0;
    Cents charges = 0;
    for (std::size_t l = 0; l < std::min(inputs.loans.size(), std::size(loanSubjects)); ++l) {
        const LoanInputs &loan = inputs.loans[l];
        if (loan.balance == 0)
            continue;
        balances += loan.balance;
        charges += loan.earlyRepaymentCharge;
        if (!loan.payment) {
            loans.push_back(debtOverTerm(loan.balance, loan.annualRatePercent, loan.termMonths));
            continue;
        }
        if (*loan.payment <= interestOn(loan.balance, loan.annualRatePercent))
            return refused({loanSubjects[l], 0, wording::translate("Refusals", neverRepaid)});
        loans.push_back({loan.balance, loan.annualRatePercent, *loan.payment, 0});
    }

    Comparison comparison;
    if (const auto unrepaid = repay(loans, inputs.extra, inputs.firstPayment, comparison.keep))
        return refused({loanSubjects[unrepaid->debt], 0, wording::translate("Refusals", unrepaid->reason)});
    Way &keep = comparison.keep;
    keep.financeCharge = keep.totalInterest;
    keep.presentValue = presentValueOf(keep.monthlyTotals, inputs.savingsRatePercent, 0);
    addCostSoFar(keep, 0, balances);
    keep.rate = rateOf(keep, balances);
    if (!keep.rate)
        return refused({RefusalSubject::Keep, 0, wording::translate("Refusals", noRate)});

    for (std::size_t o = 0; o < inputs.offers.size(); ++o) {
        OfferComparison compared;
        if (o > 0 && inputs.offers[o].leftOut) {
            compared.refusal = Refusal{RefusalSubject::Offer, 0, wording::translate("Refusals", anInputIsMarked)};
            compared.name = inputs.offers[o].name;
        } else {
            compared = compareOffer(inputs, inputs.offers[o], balances, charges, keep);
        }
        if (compared.refusal) {
            compared.refusal->offer = o;
            if (o == 0)
                return refused(std::move(*compared.refusal));
        }
        comparison.offers.push_back(std::move(compared));
    }

    comparison.horizonMonths = horizonWithin(comparison, inputs.horizonMonths);
    if (comparison.horizonMonths) {
        addHorizonFigures(keep, *comparison.horizonMonths, inputs.savingsRatePercent);
        for (OfferComparison &offer : comparison.offers)
            if (!offer.refusal)
                addHorizonFigures(offer.way, *comparison.horizonMonths, inputs.savingsRatePercent);
    }
    comparison.cheapestOffer = cheapestOf(comparison);
    return comparison;
}

} // namespace compare
