// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_checks.h"

namespace compare {

namespace {

// Each message completes "... must be", beside the input or after its name in a refusal.
constexpr const char *balanceRange = "between 0.01 and 1,000,000,000,000";
constexpr const char *amountRange = "between 0 and 1,000,000,000,000";
constexpr const char *rateRange = "between 0 % and 100 %";
constexpr const char *termRange = "between 1 and 1,200 months";
constexpr const char *feesBelowBalances = "less than the balances, the other fee included";

bool amountWithin(Cents amount, Cents least)
{
    return amount >= least && amount <= maxAmount;
}

// Written so that NaN is out of range.
bool rateWithin(double percent)
{
    return percent >= 0 && percent <= maxRatePercent;
}

bool termWithin(int months)
{
    return months >= 1 && months <= maxTermMonths;
}

struct LoanInputNames {
    Input balance, rate, term, payment;
};

void checkLoan(const LoanInputs &loan, const LoanInputNames &names, Cents leastBalance,
               std::vector<InputProblem> &problems)
{
    if (!amountWithin(loan.balance, leastBalance))
        problems.push_back({names.balance, leastBalance > 0 ? balanceRange : amountRange});
    if (!rateWithin(loan.annualRatePercent))
        problems.push_back({names.rate, rateRange});
    if (loan.payment) {
        if (!amountWithin(*loan.payment, 0))
            problems.push_back({names.payment, amountRange});
    } else if (!termWithin(loan.termMonths)) {
        problems.push_back({names.term, termRange});
    }
}

const char *nameOf(Input input)
{
    switch (input) {
    case Input::Loan1Balance:
    case Input::Loan2Balance:
        return "the balance";
    case Input::Loan1Rate:
    case Input::Loan2Rate:
    case Input::OfferRate:
        return "the interest rate";
    case Input::Loan1Term:
    case Input::Loan2Term:
    case Input::OfferTerm:
        return "the term";
    case Input::Loan1Payment:
    case Input::Loan2Payment:
        return "the monthly payment";
    case Input::FeesAtSigning:
        return "the fees at signing";
    case Input::FeesAdded:
        return "the fees added to the amount";
    case Input::Extra:
        return "the extra payment";
    case Input::SavingsRate:
        return "the savings rate";
    }
    return "an input";
}

RefusalSubject subjectOf(Input input)
{
    switch (input) {
    case Input::Loan1Balance:
    case Input::Loan1Rate:
    case Input::Loan1Term:
    case Input::Loan1Payment:
        return RefusalSubject::Loan1;
    case Input::Loan2Balance:
    case Input::Loan2Rate:
    case Input::Loan2Term:
    case Input::Loan2Payment:
        return RefusalSubject::Loan2;
    case Input::OfferRate:
    case Input::OfferTerm:
    case Input::FeesAtSigning:
    case Input::FeesAdded:
        return RefusalSubject::Offer;
    case Input::Extra:
    case Input::SavingsRate:
        break;
    }
    return RefusalSubject::Keep;
}

} // namespace

std::vector<InputProblem> checkInputs(const ComparisonInputs &inputs)
{
    std::vector<InputProblem> problems;
    const LoanInputs noLoan{0, 0, 1, {}}; // only its balance is missing
    const LoanInputs &loan1 = inputs.loans.empty() ? noLoan : inputs.loans[0];
    checkLoan(loan1, {Input::Loan1Balance, Input::Loan1Rate, Input::Loan1Term, Input::Loan1Payment}, 1, problems);
    // A loan 2 with no balance is no loan: whatever else was typed for it is not read.
    const bool hasLoan2 = inputs.loans.size() > 1 && inputs.loans[1].balance != 0;
    if (hasLoan2)
        checkLoan(inputs.loans[1], {Input::Loan2Balance, Input::Loan2Rate, Input::Loan2Term, Input::Loan2Payment}, 0,
                  problems);

    const OfferInputs &offer = inputs.offer;
    if (!rateWithin(offer.annualRatePercent))
        problems.push_back({Input::OfferRate, rateRange});
    if (!termWithin(offer.termMonths))
        problems.push_back({Input::OfferTerm, termRange});
    const bool atSigningWithin = amountWithin(offer.feesAtSigning, 0);
    const bool addedWithin = amountWithin(offer.feesAdded, 0);
    if (!atSigningWithin)
        problems.push_back({Input::FeesAtSigning, amountRange});
    if (!addedWithin)
        problems.push_back({Input::FeesAdded, amountRange});

    // Summed only once every amount is known to be at most 1e14 cents, so the sums cannot overflow: a balance
    // read from a file may be any number of cents. The message goes beside each fee that is not 0, since either
    // may be the one to lower.
    const bool balancesWithin
        = amountWithin(loan1.balance, 1) && (!hasLoan2 || amountWithin(inputs.loans[1].balance, 0));
    if (balancesWithin && atSigningWithin && addedWithin
        && offer.feesAtSigning + offer.feesAdded >= loan1.balance + (hasLoan2 ? inputs.loans[1].balance : 0)) {
        if (offer.feesAtSigning > 0)
            problems.push_back({Input::FeesAtSigning, feesBelowBalances});
        if (offer.feesAdded > 0)
            problems.push_back({Input::FeesAdded, feesBelowBalances});
    }

    if (!amountWithin(inputs.extra, 0))
        problems.push_back({Input::Extra, amountRange});
    if (!rateWithin(inputs.savingsRatePercent))
        problems.push_back({Input::SavingsRate, rateRange});
    return problems;
}

Refusal refusalFor(const InputProblem &problem)
{
    return {subjectOf(problem.input), std::string(nameOf(problem.input)) + " must be " + problem.message};
}

} // namespace compare
