// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include "cost_curves.h"
#include "input_checks.h"
#include "repayment.h"
#include "wording/wording.h"

namespace compare {

namespace {

constexpr const char *neverRepaid
    = WORDING_NOOP("Refusals", "the monthly payment never covers a month's interest, so it is never repaid");
constexpr const char *noRate = WORDING_NOOP("Refusals", "no rate from 0 % to 100 % a month makes its payments worth "
                                                     "the amount lent, so its rate is not defined");

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

} // namespace

Comparison compareWays(const ComparisonInputs &inputs)
{
    if (const std::vector<InputProblem> problems = checkInputs(inputs); !problems.empty())
        return refused(refusalFor(problems.front()));

    // checkInputs bounds every amount by 1e14 cents, so the sums below cannot overflow. Loan 1 always has a
    // balance, so the debts are indexed as the loans are.
    std::vector<Debt> loans;
    Cents balances = 0;
    for (std::size_t l = 0; l < std::min(inputs.loans.size(), std::size(loanSubjects)); ++l) {
        const LoanInputs &loan = inputs.loans[l];
        if (loan.balance == 0)
            continue;
        balances += loan.balance;
        if (!loan.payment) {
            loans.push_back(debtOverTerm(loan.balance, loan.annualRatePercent, loan.termMonths));
            continue;
        }
        if (*loan.payment <= interestOn(loan.balance, loan.annualRatePercent))
            return refused({loanSubjects[l], wording::translate("Refusals", neverRepaid)});
        loans.push_back({loan.balance, loan.annualRatePercent, *loan.payment, 0});
    }

    Comparison comparison;
    if (const auto unrepaid = repay(loans, inputs.extra, inputs.firstPayment, comparison.keep))
        return refused({loanSubjects[unrepaid->debt], wording::translate("Refusals", unrepaid->reason)});
    const OfferInputs &offerInputs = inputs.offer;
    comparison.offerAmount = balances + offerInputs.feesAdded;
    const Debt offerDebt = debtOverTerm(comparison.offerAmount, offerInputs.annualRatePercent, offerInputs.termMonths);
    if (const auto unrepaid = repay({&offerDebt, 1}, inputs.extra, inputs.firstPayment, comparison.offer))
        return refused({RefusalSubject::Offer, wording::translate("Refusals", unrepaid->reason)});

    Way &keep = comparison.keep;
    keep.financeCharge = keep.totalInterest;
    keep.presentValue = presentValueOf(keep.monthlyTotals, inputs.savingsRatePercent, 0);
    addCostSoFar(keep, 0, balances);
    keep.rate = rateOf(keep, balances);
    if (!keep.rate)
        return refused({RefusalSubject::Keep, wording::translate("Refusals", noRate)});

    Way &offer = comparison.offer;
    offer.totalPaid += offerInputs.feesAtSigning;
    offer.fees = offerInputs.feesAtSigning + offerInputs.feesAdded;
    offer.financeCharge = offer.totalInterest + offer.fees;
    offer.presentValue = presentValueOf(offer.monthlyTotals, inputs.savingsRatePercent, offerInputs.feesAtSigning);
    addCostSoFar(offer, offerInputs.feesAtSigning, balances);
    // The fees added are in the offer's amount and come back in its payments, so only those at signing reduce
    // what the borrower really receives.
    offer.rate = rateOf(offer, balances - offerInputs.feesAtSigning);
    if (!offer.rate)
        return refused({RefusalSubject::Offer, wording::translate("Refusals", noRate)});

    comparison.breakEvenMonth = breakEvenMonth(keep.costSoFar, offer.costSoFar);
    comparison.paymentDifference = offer.firstPayment - keep.firstPayment;
    comparison.totalPaidDifference = offer.totalPaid - keep.totalPaid;
    comparison.presentValueDifference = offer.presentValue - keep.presentValue;
    comparison.monthsDifference = offer.payments - keep.payments;
    return comparison;
}

} // namespace compare
