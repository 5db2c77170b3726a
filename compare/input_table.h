// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"
#include "wording/wording.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Every input of the comparison with an offer, one row each: what the window, the report, the scenario file, the
// reading and the limits know of it. Plain data, so that an input added here is an input everywhere.
namespace compare {

// Every input box of the comparison, in the order the window shows them and the table lists them.
enum class ComparisonField {
    Loan1Balance,
    Loan1Rate,
    Loan1Years,
    Loan1Months,
    Loan1Payment,
    Loan1Charge,
    Loan2Balance,
    Loan2Rate,
    Loan2Years,
    Loan2Months,
    Loan2Payment,
    Loan2Charge,
    OfferName,
    OfferRate,
    OfferYears,
    OfferMonths,
    OfferPoints,
    FeesAtSigning,
    FeesAdded,
    Offer2Name,
    Offer2Rate,
    Offer2Years,
    Offer2Months,
    Offer2Points,
    Offer2FeesAtSigning,
    Offer2FeesAdded,
    Offer3Name,
    Offer3Rate,
    Offer3Years,
    Offer3Months,
    Offer3Points,
    Offer3FeesAtSigning,
    Offer3FeesAdded,
    Extra,
    SavingsRate,
    HorizonYears,
    HorizonMonths,
};

inline constexpr std::size_t comparisonFieldCount = 37;

// Where an input belongs: the group box it is in and the object of the scenario file that keeps it.
enum class InputGroup { Loan1, Loan2, Offer, Offer2, Offer3, Both };

inline constexpr std::array<InputGroup, 3> offerGroups{InputGroup::Offer, InputGroup::Offer2, InputGroup::Offer3};

// What an input holds, which decides how it is read.
enum class InputKind {
    Amount, // to the cent on its shortest decimal form
    Rate, // percent, as typed
    Years, // a whole number, with the months beside it one term
    Months, // a whole number, the months beyond the years
    Name, // any text, never read as a number
};

// What an input may hold; checkInputs refuses anything else.
enum class Limit {
    Balance, // 0.01 to 1,000,000,000,000
    Amount, // 0 to 1,000,000,000,000
    Rate, // 0 % to 100 %
    Term, // 1 to 1,200 months
    Points, // 0 % to 10 %
};

// The words that complete "... must be" for an input outside its limit, in English: translated where a problem is
// noted, through context "ComparisonInputs", as the table's captions and names are.
constexpr std::string_view limitWords(Limit limit)
{
    constexpr std::array<std::string_view, 5> words{
        WORDING_NOOP("ComparisonInputs", "between 0.01 and 1,000,000,000,000"),
        WORDING_NOOP("ComparisonInputs", "between 0 and 1,000,000,000,000"),
        WORDING_NOOP("ComparisonInputs", "between 0 % and 100 %"),
        WORDING_NOOP("ComparisonInputs", "between 1 and 1,200 months"),
        WORDING_NOOP("ComparisonInputs", "between 0 % and 10 %")};
    return words[std::size_t(limit)];
}

// What an empty box means: nothing to read (the comparison cannot go on) or 0. A payment left empty leaves the term
// to set it, which its reading decides, not this.
enum class WhenEmpty { Missing, Zero };

struct ComparisonInput {
    ComparisonField field;
    InputGroup group;
    InputKind kind;
    WhenEmpty whenEmpty;
    std::string_view objectName; // the box's; its mark beside it adds "Mark"
    std::string_view caption; // above the box, in its group
    std::string_view accessibleName; // what a person calls it: a screen reader's name and the report's caption
    std::string_view scenarioKey; // in its group's object of a scenario file; years and months share a term
    Input checkedAs; // the input checkInputs names when it is out of its limits; a term's years and months are one
    Limit limit;
    std::string_view refusalName; // what a refusal calls it: "the balance must be ..."
    int boxCharacters; // how many characters its box holds in view
};

namespace inputRows {

inline constexpr std::array<ComparisonInput, 12> loans{{

    {ComparisonField::Loan1Balance, InputGroup::Loan1, InputKind::Amount, WhenEmpty::Missing, "Loan1Balance",
     WORDING_NOOP("ComparisonInputs", "Balance"), WORDING_NOOP("ComparisonInputs", "Balance, loan 1"), "balance",
     Input::Loan1Balance, Limit::Balance, WORDING_NOOP("ComparisonInputs", "the balance"), 18},
    {ComparisonField::Loan1Rate, InputGroup::Loan1, InputKind::Rate, WhenEmpty::Missing, "Loan1Rate",
     WORDING_NOOP("ComparisonInputs", "Annual rate (%)"), WORDING_NOOP("ComparisonInputs", "Annual rate (%), loan 1"),
     "rate", Input::Loan1Rate, Limit::Rate, WORDING_NOOP("ComparisonInputs", "the interest rate"), 10},
    {ComparisonField::Loan1Years, InputGroup::Loan1, InputKind::Years, WhenEmpty::Zero, "Loan1Years",
     WORDING_NOOP("ComparisonInputs", "Remaining term in years"),
     WORDING_NOOP("ComparisonInputs", "Remaining term in years, loan 1"), "termMonths", Input::Loan1Term, Limit::Term,
     WORDING_NOOP("ComparisonInputs", "the term"), 7},
    {ComparisonField::Loan1Months, InputGroup::Loan1, InputKind::Months, WhenEmpty::Zero, "Loan1Months",
     WORDING_NOOP("ComparisonInputs", "Months beyond the years"),
     WORDING_NOOP("ComparisonInputs", "Months beyond the years, loan 1"), "termMonths", Input::Loan1Term, Limit::Term,
     WORDING_NOOP("ComparisonInputs", "the term"), 7},
    {ComparisonField::Loan1Payment, InputGroup::Loan1, InputKind::Amount, WhenEmpty::Zero, "Loan1Payment",
     WORDING_NOOP("ComparisonInputs", "Monthly payment"), WORDING_NOOP("ComparisonInputs", "Monthly payment, loan 1"),
     "payment", Input::Loan1Payment, Limit::Amount, WORDING_NOOP("ComparisonInputs", "the monthly payment"), 18},
    {ComparisonField::Loan1Charge, InputGroup::Loan1, InputKind::Amount, WhenEmpty::Zero, "Loan1Charge",
     WORDING_NOOP("ComparisonInputs", "Early repayment charge"),
     WORDING_NOOP("ComparisonInputs", "Early repayment charge, loan 1"), "earlyRepaymentCharge", Input::Loan1Charge,
     Limit::Amount, WORDING_NOOP("ComparisonInputs", "the early repayment charge"), 18},
    {ComparisonField::Loan2Balance, InputGroup::Loan2, InputKind::Amount, WhenEmpty::Zero, "Loan2Balance",
     WORDING_NOOP("ComparisonInputs", "Balance"), WORDING_NOOP("ComparisonInputs", "Balance, loan 2"), "balance",
     Input::Loan2Balance, Limit::Amount, WORDING_NOOP("ComparisonInputs", "the balance"), 18},
    {ComparisonField::Loan2Rate, InputGroup::Loan2, InputKind::Rate, WhenEmpty::Missing, "Loan2Rate",
     WORDING_NOOP("ComparisonInputs", "Annual rate (%)"), WORDING_NOOP("ComparisonInputs", "Annual rate (%), loan 2"),
     "rate", Input::Loan2Rate, Limit::Rate, WORDING_NOOP("ComparisonInputs", "the interest rate"), 10},
    {ComparisonField::Loan2Years, InputGroup::Loan2, InputKind::Years, WhenEmpty::Zero, "Loan2Years",
     WORDING_NOOP("ComparisonInputs", "Remaining term in years"),
     WORDING_NOOP("ComparisonInputs", "Remaining term in years, loan 2"), "termMonths", Input::Loan2Term, Limit::Term,
     WORDING_NOOP("ComparisonInputs", "the term"), 7},
    {ComparisonField::Loan2Months, InputGroup::Loan2, InputKind::Months, WhenEmpty::Zero, "Loan2Months",
     WORDING_NOOP("ComparisonInputs", "Months beyond the years"),
     WORDING_NOOP("ComparisonInputs", "Months beyond the years, loan 2"), "termMonths", Input::Loan2Term, Limit::Term,
     WORDING_NOOP("ComparisonInputs", "the term"), 7},
    {ComparisonField::Loan2Payment, InputGroup::Loan2, InputKind::Amount, WhenEmpty::Zero, "Loan2Payment",
     WORDING_NOOP("ComparisonInputs", "Monthly payment"), WORDING_NOOP("ComparisonInputs", "Monthly payment, loan 2"),
     "payment", Input::Loan2Payment, Limit::Amount, WORDING_NOOP("ComparisonInputs", "the monthly payment"), 18},
    {ComparisonField::Loan2Charge, InputGroup::Loan2, InputKind::Amount, WhenEmpty::Zero, "Loan2Charge",
     WORDING_NOOP("ComparisonInputs", "Early repayment charge"),
     WORDING_NOOP("ComparisonInputs", "Early repayment charge, loan 2"), "earlyRepaymentCharge", Input::Loan2Charge,
     Limit::Amount, WORDING_NOOP("ComparisonInputs", "the early repayment charge"), 18},
}};

// The first offer's; the others' are the same inputs under names of their own.
inline constexpr std::array<ComparisonInput, 7> firstOffer{{
    {ComparisonField::OfferName, InputGroup::Offer, InputKind::Name, WhenEmpty::Zero, "OfferName",
     WORDING_NOOP("ComparisonInputs", "Name (optional)"),
     WORDING_NOOP("ComparisonInputs", "Name (optional), the offer"), "name", Input::OfferName, Limit::Amount,
     WORDING_NOOP("ComparisonInputs", "the name"), 14},
    {ComparisonField::OfferRate, InputGroup::Offer, InputKind::Rate, WhenEmpty::Missing, "OfferRate",
     WORDING_NOOP("ComparisonInputs", "Annual rate (%)"),
     WORDING_NOOP("ComparisonInputs", "Annual rate (%), the offer"), "rate", Input::OfferRate, Limit::Rate,
     WORDING_NOOP("ComparisonInputs", "the interest rate"), 10},
    {ComparisonField::OfferYears, InputGroup::Offer, InputKind::Years, WhenEmpty::Zero, "OfferYears",
     WORDING_NOOP("ComparisonInputs", "Term in years"), WORDING_NOOP("ComparisonInputs", "Term in years, the offer"),
     "termMonths", Input::OfferTerm, Limit::Term, WORDING_NOOP("ComparisonInputs", "the term"), 7},
    {ComparisonField::OfferMonths, InputGroup::Offer, InputKind::Months, WhenEmpty::Zero, "OfferMonths",
     WORDING_NOOP("ComparisonInputs", "Months beyond the years"),
     WORDING_NOOP("ComparisonInputs", "Months beyond the years, the offer"), "termMonths", Input::OfferTerm,
     Limit::Term, WORDING_NOOP("ComparisonInputs", "the term"), 7},
    {ComparisonField::OfferPoints, InputGroup::Offer, InputKind::Rate, WhenEmpty::Zero, "OfferPoints",
     WORDING_NOOP("ComparisonInputs", "Points (%)"), WORDING_NOOP("ComparisonInputs", "Points (%), the offer"),
     "points", Input::Points, Limit::Points, WORDING_NOOP("ComparisonInputs", "the points"), 7},
    {ComparisonField::FeesAtSigning, InputGroup::Offer, InputKind::Amount, WhenEmpty::Zero, "FeesAtSigning",
     WORDING_NOOP("ComparisonInputs", "Fees paid at signing"),
     WORDING_NOOP("ComparisonInputs", "Fees paid at signing, the offer"), "feesAtSigning", Input::FeesAtSigning,
     Limit::Amount, WORDING_NOOP("ComparisonInputs", "the fees at signing"), 18},
    {ComparisonField::FeesAdded, InputGroup::Offer, InputKind::Amount, WhenEmpty::Zero, "FeesAdded",
     WORDING_NOOP("ComparisonInputs", "Fees added to the loan"),
     WORDING_NOOP("ComparisonInputs", "Fees added to the loan, the offer"), "feesAdded", Input::FeesAdded,
     Limit::Amount, WORDING_NOOP("ComparisonInputs", "the fees added to the amount"), 18},
}};

// The box names of the later offers' inputs, in the order of the first offer's.
inline constexpr std::array<std::array<std::string_view, 7>, 2> laterOfferObjectNames{{
    {"Offer2Name", "Offer2Rate", "Offer2Years", "Offer2Months", "Offer2Points", "Offer2FeesAtSigning",
     "Offer2FeesAdded"},
    {"Offer3Name", "Offer3Rate", "Offer3Years", "Offer3Months", "Offer3Points", "Offer3FeesAtSigning",
     "Offer3FeesAdded"},
}};

inline constexpr std::array<ComparisonInput, 4> both{{
    {ComparisonField::Extra, InputGroup::Both, InputKind::Amount, WhenEmpty::Zero, "Extra",
     WORDING_NOOP("ComparisonInputs", "Extra paid each month"),
     WORDING_NOOP("ComparisonInputs", "Extra paid each month, both ways"), "extra", Input::Extra, Limit::Amount,
     WORDING_NOOP("ComparisonInputs", "the extra payment"), 18},
    {ComparisonField::SavingsRate, InputGroup::Both, InputKind::Rate, WhenEmpty::Zero, "SavingsRate",
     WORDING_NOOP("ComparisonInputs", "Your savings rate (%)"),
     WORDING_NOOP("ComparisonInputs", "Your savings rate (%), for present values"), "savingsRate", Input::SavingsRate,
     Limit::Rate, WORDING_NOOP("ComparisonInputs", "the savings rate"), 10},
    {ComparisonField::HorizonYears, InputGroup::Both, InputKind::Years, WhenEmpty::Zero, "HorizonYears",
     WORDING_NOOP("ComparisonInputs", "Years you expect to keep it"),
     WORDING_NOOP("ComparisonInputs", "Years you expect to keep it, both ways"), "horizonMonths", Input::Horizon,
     Limit::Term, WORDING_NOOP("ComparisonInputs", "the years you expect to keep it"), 7},
    {ComparisonField::HorizonMonths, InputGroup::Both, InputKind::Months, WhenEmpty::Zero, "HorizonMonths",
     WORDING_NOOP("ComparisonInputs", "Months beyond the years"),
     WORDING_NOOP("ComparisonInputs", "Months beyond the years you expect to keep it"), "horizonMonths", Input::Horizon,
     Limit::Term, WORDING_NOOP("ComparisonInputs", "the years you expect to keep it"), 7},
}};

// Every row in ComparisonField order. A later offer's row is the first offer's with its own field, group and box
// name, and no accessible name of its own: comparisonFieldName composes one from the caption and the offer.
constexpr std::array<ComparisonInput, comparisonFieldCount> all()
{
    std::array<ComparisonInput, comparisonFieldCount> rows{};
    std::size_t next = 0;
    for (const ComparisonInput &row : loans)
        rows[next++] = row;
    for (std::size_t offer = 0; offer < offerGroups.size(); ++offer)
        for (std::size_t i = 0; i < firstOffer.size(); ++i) {
            ComparisonInput row = firstOffer[i];
            if (offer > 0) {
                row.field = ComparisonField(std::size_t(row.field) + offer * firstOffer.size());
                row.group = offerGroups[offer];
                row.objectName = laterOfferObjectNames[offer - 1][i];
                row.accessibleName = {};
            }
            rows[next++] = row;
        }
    for (const ComparisonInput &row : both)
        rows[next++] = row;
    return rows;
}

} // namespace inputRows

inline constexpr std::array<ComparisonInput, comparisonFieldCount> comparisonInputs = inputRows::all();

constexpr const ComparisonInput &comparisonInput(ComparisonField field)
{
    return comparisonInputs[std::size_t(field)];
}

constexpr bool tableFollowsTheFields()
{
    for (std::size_t i = 0; i < comparisonInputs.size(); ++i)
        if (comparisonInputs[i].field != ComparisonField(i))
            return false;
    return true;
}

static_assert(tableFollowsTheFields(), "the table lists the inputs in ComparisonField order");

// The input of a group kept under a key, of a kind (a term is kept as years and months): none where there is none.
constexpr const ComparisonInput *inputOf(InputGroup group, std::string_view scenarioKey, InputKind kind)
{
    for (const ComparisonInput &input : comparisonInputs)
        if (input.group == group && input.scenarioKey == scenarioKey && input.kind == kind)
            return &input;
    return nullptr;
}

// The six inputs of a loan.
struct LoanFields {
    ComparisonField balance, rate, years, months, payment, charge;
};

constexpr LoanFields loanFieldsOf(InputGroup loan)
{
    return {inputOf(loan, "balance", InputKind::Amount)->field,
            inputOf(loan, "rate", InputKind::Rate)->field,
            inputOf(loan, "termMonths", InputKind::Years)->field,
            inputOf(loan, "termMonths", InputKind::Months)->field,
            inputOf(loan, "payment", InputKind::Amount)->field,
            inputOf(loan, "earlyRepaymentCharge", InputKind::Amount)->field};
}

inline constexpr std::array<LoanFields, 2> loanFields{loanFieldsOf(InputGroup::Loan1), loanFieldsOf(InputGroup::Loan2)};

// The seven inputs of an offer.
struct OfferFields {
    ComparisonField name, rate, years, months, points, feesAtSigning, feesAdded;

    // All seven, in the order they are shown.
    constexpr std::array<ComparisonField, 7> all() const
    {
        return {name, rate, years, months, points, feesAtSigning, feesAdded};
    }
};

constexpr OfferFields offerFieldsOf(InputGroup offer)
{
    return {inputOf(offer, "name", InputKind::Name)->field,
            inputOf(offer, "rate", InputKind::Rate)->field,
            inputOf(offer, "termMonths", InputKind::Years)->field,
            inputOf(offer, "termMonths", InputKind::Months)->field,
            inputOf(offer, "points", InputKind::Rate)->field,
            inputOf(offer, "feesAtSigning", InputKind::Amount)->field,
            inputOf(offer, "feesAdded", InputKind::Amount)->field};
}

inline constexpr std::array<OfferFields, 3> offerFields{
    offerFieldsOf(InputGroup::Offer), offerFieldsOf(InputGroup::Offer2), offerFieldsOf(InputGroup::Offer3)};

// Which offer an input belongs to, from 0; none for an input of the loans or of every way.
constexpr std::optional<std::size_t> offerOf(ComparisonField field)
{
    for (std::size_t offer = 0; offer < offerGroups.size(); ++offer)
        if (comparisonInput(field).group == offerGroups[offer])
            return offer;
    return std::nullopt;
}

// The same input of another offer: the first offer's rate becomes the third's.
constexpr ComparisonField inOffer(ComparisonField firstOffers, std::size_t offer)
{
    const ComparisonInput &input = comparisonInput(firstOffers);
    return inputOf(offerGroups[offer], input.scenarioKey, input.kind)->field;
}

// The row of an input as checkInputs names it; for a term, its years. The box beside which a limit is found broken
// is marked.
constexpr const ComparisonInput &inputCheckedAs(Input input)
{
    for (const ComparisonInput &row : comparisonInputs)
        if (row.checkedAs == input)
            return row;
    return comparisonInputs.back();
}

constexpr bool everyCheckedInputHasARow()
{
    for (int input = 0; input <= int(Input::OfferName); ++input)
        if (inputCheckedAs(Input(input)).checkedAs != Input(input))
            return false;
    return true;
}

static_assert(everyCheckedInputHasARow(), "every input checkInputs names is in the table");

} // namespace compare
