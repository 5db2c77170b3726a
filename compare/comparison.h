// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/repayment_schedule.h"

#include <optional>
#include <string>
#include <vector>

// Keep two loans or take a lender's offer that replaces them: both ways month by month in whole cents, the true
// rate of each (the rate of the loans' payments together, and the offer's APR with its fees), the cost of each
// so far, and the month from which the offer is ahead for good. Plain C++: value in, value out.
namespace compare {

using schedule::Cents;
using schedule::Month;

inline constexpr int maxTermMonths = 1200; // 100 years of monthly payments, in either way
inline constexpr Cents maxAmount = 100'000'000'000'000; // 1,000,000,000,000 currency units
inline constexpr double maxRatePercent = 100;
inline constexpr double maxPointsPercent = 10;
inline constexpr std::size_t maxOffers = 3;

// One loan the user has now.
struct LoanInputs {
    Cents balance = 0;
    double annualRatePercent = 0; // 0 to 100
    int termMonths = 0; // the remaining term; ignored where `payment` is set
    std::optional<Cents> payment; // as on the statement, paid until the loan is cleared; none: from the term
    Cents earlyRepaymentCharge = 0; // what clearing it early costs: paid at signing by every way that replaces it
};

// What the lender offers in place of the loans.
struct OfferInputs {
    double annualRatePercent = 0;
    int termMonths = 0;
    Cents feesAtSigning = 0; // paid by the borrower when the offer is signed
    Cents feesAdded = 0; // added to the offer's amount
    double pointsPercent = 0; // percent of the offer's amount, paid at signing
    std::string name{}; // as the user gave it, such as the lender's; empty for none
    // An offer after the first whose inputs cannot all be read yet: left out of the comparison, refused alone, so
    // that the others are compared while it is being typed.
    bool leftOut = false;
};

struct ComparisonInputs {
    std::vector<LoanInputs> loans; // loan 1, then loan 2; a loan 2 with no balance is no loan; no more are read
    std::vector<OfferInputs> offers; // one to maxOffers, each compared with keeping the loans
    Cents extra = 0; // paid each month on top, in every way
    double savingsRatePercent = 0; // for present values
    Month firstPayment; // the month of every first payment
    // How many months from the first payment the borrower expects to keep the loan, 1 to 1,200; none: to the end.
    std::optional<int> horizonMonths;
};

// The inputs, by name, for a message beside the one that is out of range.
enum class Input {
    Loan1Balance,
    Loan1Rate,
    Loan1Term,
    Loan1Payment,
    Loan2Balance,
    Loan2Rate,
    Loan2Term,
    Loan2Payment,
    OfferRate,
    OfferTerm,
    FeesAtSigning,
    FeesAdded,
    Extra,
    SavingsRate,
    Loan1Charge,
    Loan2Charge,
    Points,
    Horizon,
    OfferName, // never out of its limits: any text names an offer
};

struct InputProblem {
    Input input;
    std::string message; // plain words, such as "between 0 % and 100 %"
    std::size_t offer = 0; // for an input of an offer: which, from 0
};

// Every input outside its limits: loan 1's balance 0.01 to 1,000,000,000,000; loan 2's balance, a typed payment,
// an early repayment charge, the extra and each fee 0 to 1,000,000,000,000; every rate 0 % to 100 %; points 0 % to
// 10 %; each offer's fees and points together below the balances; terms and the horizon 1 to 1,200 months (a
// loan's term only where it has no typed payment). Empty when all are usable. Inputs with no offer are the
// first offer's missing rate.
std::vector<InputProblem> checkInputs(const ComparisonInputs &inputs);

// Months of a period in years, as the schedules count them: ceil(years * 12 - 1e-9). 0 for a period that is not
// positive or not a number, and maxTermMonths + 1 for one beyond the limit, so that checkInputs refuses both.
int termMonthsOf(double years);

// The level payment that repays `balance` over `months` at the rate: B * r / (1 - (1 + r)^-n) with r the
// rate's shortest decimal / 1200 exactly (schedule::MonthlyRate), or B / n at 0 %; the exact value rounded half
// away from zero to the cent. 0 where the balance or the months are not positive, the months beyond
// maxTermMonths, the balance beyond 2^54 cents, or the rate not usable.
Cents paymentFromTerm(Cents balance, double annualRatePercent, int months);

// What a loan over a term pays each month before any extra: paymentFromTerm, but never below the first month's
// interest (see compareWays).
Cents scheduledPayment(Cents balance, double annualRatePercent, int months);

// The points on an offer's amount, in cents: amount × points / 100 exactly on the points' shortest decimal, as
// interest is reckoned, rounded half away from zero. 0 for points outside 0 % to 10 % (which checkInputs refuses),
// and for an amount that is not positive or beyond 2^54 cents.
Cents pointsOn(Cents amount, double pointsPercent);

// A rate that makes a list of payments worth what was advanced.
struct CashFlow {
    double amount; // currency units, or any one unit for the advance and every flow: the rate is the same
    int period; // whole periods after the advance, from 1
};

struct SolvedRate {
    double periodic; // the rate per period, a fraction
    double nominalPercent; // periodic * periodsPerYear * 100: the APR
    double effectivePercent; // ((1 + periodic)^periodsPerYear - 1) * 100
};

// The periodic rate i in [0, 1] with advanced = sum of amount / (1 + i)^period, by Newton's method kept inside a
// bisection bracket until the bracket holds two adjacent doubles. None where no i in [0, 1] solves it, and where
// the sum less the advance has the same sign at 0 and at 1 (with payments that are not negative, it solves
// whenever one i does); also for a period below 0, an amount that is not finite, or periodsPerYear below 1.
std::optional<SolvedRate> solveRate(double advanced, const std::vector<CashFlow> &flows, int periodsPerYear);

// One way of repaying, as it unfolds.
struct Way {
    // Keeping both: one schedule per loan, in loan order; the offer: one. Each payment's amount includes the
    // share of the extra that went to that loan, and its principal likewise.
    std::vector<std::vector<schedule::Payment>> schedules;
    std::vector<Cents> monthlyTotals; // what is paid in month k + 1, all schedules together
    Cents firstPayment = 0; // monthlyTotals.front(): what the first month costs, the extra included
    int payments = 0; // months with a payment
    Month payoffMonth;
    Cents totalPaid = 0; // every payment, plus what is paid at signing
    Cents totalInterest = 0;
    Cents points = 0; // percent of the offer's amount, paid at signing
    Cents fees = 0; // at signing, points and added
    Cents earlyRepaymentCharges = 0; // the loans', paid at signing: not the new loan's, so not in its charge or APR
    Cents paidAtSigning = 0; // fees at signing, points and early repayment charges
    Cents financeCharge = 0; // interest plus all fees
    Cents presentValue = 0; // sum of payment_k / (1 + s)^k at the savings rate, plus what is paid at signing
    std::optional<SolvedRate> rate; // keeping both: the rate of the payments together; the offer: its APR
    // Index k is after month k, from k = 0 (before any payment) to `payments`.
    std::vector<Cents> costSoFar; // paid so far, at signing included, plus still owed, less today's balances
    std::vector<Cents> balanceOwed;
    // With a horizon H: costSoFar at H (its last value beyond the last payment), and what is paid at signing plus
    // payment_k / (1 + s)^k for k <= H plus the balance owed after H / (1 + s)^H. None without one.
    std::optional<Cents> costOverHorizon;
    std::optional<Cents> presentValueOverHorizon;
};

// Keep also stands for the inputs both ways share, the extra and the savings rate, which belong to no loan
// and not to the offer; checkInputs names the input itself.
enum class RefusalSubject { Loan1, Loan2, Offer, Keep };

struct Refusal {
    RefusalSubject subject;
    std::size_t offer = 0; // for the offer's refusal: which, from 0
    std::string reason; // plain words: "the payment never covers a month's interest, so it is never repaid"
};

// One offer against keeping the loans.
struct OfferComparison {
    // Set for an offer after the first that cannot be compared (the first's refuses the whole comparison); when
    // set, nothing below is meaningful.
    std::optional<Refusal> refusal;
    std::string name; // as given with its inputs
    Way way;
    Cents amount = 0; // the balances plus the fees added
    // The first month k >= 0 from which the offer's cost so far never exceeds keeping both's again, to the end
    // of the longer way: 0 is "at once"; none is "never".
    std::optional<int> breakEvenMonth;
    // The offer's figure less keeping both's.
    Cents paymentDifference = 0; // first month
    Cents totalPaidDifference = 0;
    Cents presentValueDifference = 0;
    int monthsDifference = 0; // positive: the offer's last payment comes later
};

struct Comparison {
    std::optional<Refusal> refusal; // when set, nothing below is meaningful
    Way keep;
    std::vector<OfferComparison> offers; // in the order of the inputs
    // The horizon the figures over a horizon were taken at: none where none was given, or where it reaches past
    // the end of every way, which is the same as none.
    std::optional<int> horizonMonths;
    // The way that costs least, by cost over the horizon, or by total paid without one; a tie goes to keeping the
    // loans, then to the earlier offer. None: keeping the loans.
    std::optional<std::size_t> cheapestOffer;

    // The first offer, which every comparison that is not refused has.
    const OfferComparison &firstOffer() const { return offers.front(); }
    OfferComparison &firstOffer() { return offers.front(); }
};

// Every way from the inputs; refused (with the subject and the reason) for inputs checkInputs finds fault with,
// a typed payment at or below its first month's interest, more than 1,200 payments in a way (the subject is then
// the loan still owed), or a rate that no i in [0, 1] gives; an offer after the first is refused alone. A payment from
// a term is never below the first month's interest: where (1 + r)^-n all but vanishes, rounding could put it a cent
// below, and the shortfall would compound over the rest of the term into the last payment.
Comparison compareWays(const ComparisonInputs &inputs);

} // namespace compare
