// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_checks.h"

#include "input_table.h"
#include "wording/wording.h"

namespace compare {

namespace {

//: Completes "must be", as the limits "between 0 and 1,000,000,000,000" do.
constexpr const char *feesBelowBalances
    = WORDING_NOOP("ComparisonInputs", "less than the balances, the other fee included");
//: Completes "must be", as the limits do: where points are given, they count with the fees.
constexpr const char *feesAndPointsBelowBalances
    = WORDING_NOOP("ComparisonInputs", "less than the balances, the other fee and the points included");

// Whether a value lies within a limit: amounts in cents, rates in percent, terms in months. Written so that NaN
// does not; long double holds every 64-bit count of cents exactly.
bool within(Limit limit, long double value)
{
    switch (limit) {
    case Limit::Balance:
        return value >= 1 && value <= maxAmount;
    case Limit::Amount:
        return value >= 0 && value <= maxAmount;
    case Limit::Rate:
        return value >= 0 && value <= maxRatePercent;
    case Limit::Term:
        return value >= 1 && value <= maxTermMonths;
    case Limit::Points:
        return value >= 0 && value <= maxPointsPercent;
    }
    return false;
}

// Each problem's message completes "... must be", beside the input or after its name in a refusal.
class Checks {
public:
    explicit Checks(std::vector<InputProblem> &problems)
        : m_problems(problems)
    { }

    // Whether the value is within its input's limit, as the table gives it; a problem for it where not.
    bool check(Input input, long double value, std::size_t offer = 0)
    {
        const Limit limit = inputCheckedAs(input).limit;
        return within(limit, value) || add(input, limit, offer);
    }

private:
    bool add(Input input, Limit limit, std::size_t offer)
    {
        m_problems.push_back({input, wording::translate("ComparisonInputs", limitWords(limit).data()), offer});
        return false;
    }

    std::vector<InputProblem> &m_problems;
};

struct LoanInputNames {
    Input balance, rate, term, payment, charge;
};

// Whether the balance is within its limit.
bool checkLoan(const LoanInputs &loan, const LoanInputNames &names, Checks &checks)
{
    const bool balanceWithin = checks.check(names.balance, loan.balance);
    checks.check(names.rate, loan.annualRatePercent);
    if (loan.payment)
        checks.check(names.payment, *loan.payment);
    else
        checks.check(names.term, loan.termMonths);
    checks.check(names.charge, loan.earlyRepaymentCharge);
    return balanceWithin;
}

// An offer's limits, and its fees and points together below the balances. Summed only once every amount is known
// to be at most 1e14 cents, so the sums cannot overflow: a balance read from a file may be any number of cents.
// The message goes beside each fee, and the points, that is not 0, since any may be the one to lower.
void checkOffer(const OfferInputs &offer, std::size_t index, bool balancesWithin, Cents balances, Checks &checks,
                std::vector<InputProblem> &problems)
{
    checks.check(Input::OfferRate, offer.annualRatePercent, index);
    checks.check(Input::OfferTerm, offer.termMonths, index);
    const bool atSigningWithin = checks.check(Input::FeesAtSigning, offer.feesAtSigning, index);
    const bool addedWithin = checks.check(Input::FeesAdded, offer.feesAdded, index);
    const bool pointsWithin = checks.check(Input::Points, offer.pointsPercent, index);
    if (!balancesWithin || !atSigningWithin || !addedWithin || !pointsWithin)
        return;
    const Cents points = pointsOn(balances + offer.feesAdded, offer.pointsPercent);
    if (offer.feesAtSigning + offer.feesAdded + points < balances)
        return;
    const std::string message
        = wording::translate("ComparisonInputs", points > 0 ? feesAndPointsBelowBalances : feesBelowBalances);
    if (offer.feesAtSigning > 0)
        problems.push_back({Input::FeesAtSigning, message, index});
    if (offer.feesAdded > 0)
        problems.push_back({Input::FeesAdded, message, index});
    if (points > 0)
        problems.push_back({Input::Points, message, index});
}

RefusalSubject subjectOf(Input input)
{
    switch (inputCheckedAs(input).group) {
    case InputGroup::Loan1:
        return RefusalSubject::Loan1;
    case InputGroup::Loan2:
        return RefusalSubject::Loan2;
    case InputGroup::Offer:
    case InputGroup::Offer2:
    case InputGroup::Offer3:
        return RefusalSubject::Offer;
    case InputGroup::Both:
        break;
    }
    return RefusalSubject::Keep;
}

} // namespace

std::vector<InputProblem> checkInputs(const ComparisonInputs &inputs)
{
    std::vector<InputProblem> problems;
    Checks checks{problems};
    const LoanInputs noLoan{0, 0, 1, {}, 0}; // only its balance is missing
    const LoanInputs &loan1 = inputs.loans.empty() ? noLoan : inputs.loans[0];
    bool balancesWithin = checkLoan(
        loan1, {Input::Loan1Balance, Input::Loan1Rate, Input::Loan1Term, Input::Loan1Payment, Input::Loan1Charge},
        checks);
    // A loan 2 with no balance is no loan: whatever else was typed for it is not read.
    const bool hasLoan2 = inputs.loans.size() > 1 && inputs.loans[1].balance != 0;
    if (hasLoan2)
        balancesWithin &= checkLoan(
            inputs.loans[1],
            {Input::Loan2Balance, Input::Loan2Rate, Input::Loan2Term, Input::Loan2Payment, Input::Loan2Charge}, checks);
    const Cents balances = balancesWithin ? loan1.balance + (hasLoan2 ? inputs.loans[1].balance : 0) : 0;

    // No offer, or more than there can be, is the first offer's rate missing: nothing to compare with.
    if (inputs.offers.empty() || inputs.offers.size() > maxOffers)
        checks.check(Input::OfferRate, -1);
    else
        for (std::size_t o = 0; o < inputs.offers.size(); ++o)
            if (o == 0 || !inputs.offers[o].leftOut)
                checkOffer(inputs.offers[o], o, balancesWithin, balances, checks, problems);

    checks.check(Input::Extra, inputs.extra);
    checks.check(Input::SavingsRate, inputs.savingsRatePercent);
    if (inputs.horizonMonths)
        checks.check(Input::Horizon, *inputs.horizonMonths);
    return problems;
}

Refusal refusalFor(const InputProblem &problem)
{
    //: %1 names the input, such as "the balance"; %2 completes the sentence, such as "between 0 % and 100 %".
    const std::string pattern = wording::translate("ComparisonInputs", "%1 must be %2");
    const std::string name = wording::translate("ComparisonInputs", inputCheckedAs(problem.input).refusalName.data());
    return {subjectOf(problem.input), problem.offer, wording::arg(pattern, {name, problem.message})};
}

} // namespace compare
