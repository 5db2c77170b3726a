// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "compare/comparison.h"
#include "compare/input_table.h"
#include "numtext/locale_marks.h"
#include "wording/wording.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The inputs of the comparison with an offer as the user types them, and how they are read: by the program's one
// reading rule, each in the user's notation, every problem named beside the input it is with.
namespace commands {

// The texts of every input, by ComparisonField.
using ComparisonTexts = std::array<std::string, compare::comparisonFieldCount>;

// The numbers of every input, by ComparisonField, as a scenario keeps them: none for an input left empty, and for
// the offers' names, which are kept apart.
using ComparisonValues = std::array<std::optional<double>, compare::comparisonFieldCount>;

// Each offer's name, in the order of the offers; empty for none.
using OfferNames = std::array<std::string, 3>;

inline std::string &textOf(ComparisonTexts &texts, compare::ComparisonField field)
{
    return texts[std::size_t(field)];
}

inline const std::string &textOf(const ComparisonTexts &texts, compare::ComparisonField field)
{
    return texts[std::size_t(field)];
}

// What a person calls an input, "Balance, loan 1" or "Annual rate (%), offer 2": the window's name for its box and
// the report's caption, in the user's language where a translator is installed.
std::string comparisonFieldName(compare::ComparisonField field);

struct FieldProblem {
    compare::ComparisonField field;
    std::string message; // a sentence, such as "Must be between 0 % and 100 %."
};

struct ComparisonReading {
    compare::ComparisonInputs inputs; // usable where there are no problems
    std::vector<FieldProblem> problems; // at most one a field, in the order of the fields
};

// Reads every input: amounts to the cent on their shortest decimal form, half away from zero (1.005 -> 1.01);
// terms as whole years and months. Loan 1's balance and rate and the offer's rate must be given; an empty loan 2
// balance, fee, extra or savings rate is 0, and an empty payment leaves the term to set it. Then the limits of
// compare::checkInputs.
ComparisonReading readComparison(const ComparisonTexts &texts, const numtext::LocaleMarks &marks,
                                 schedule::Month firstPayment);

// The same reading of numbers already read, as a scenario file holds them: what the window would refuse of their
// texts is refused here in the same words, and the numbers are never written out as texts to be read again.
ComparisonReading readComparison(const ComparisonValues &values, schedule::Month firstPayment,
                                 const OfferNames &names = {});

// The texts a comparison starts from after a Calculate: each loan's balance and rate as typed (an empty rate as 0,
// as the calculator reads it), the remaining term the schedules count over loan 1's period, the offer at the
// blended rate as the window shows it (empty where the calculation did not reach it) over the same term, and no
// fees, extra or savings rate. An outcome whose inputs could not be read gives the texts as typed and leaves the
// rest empty.
ComparisonTexts comparisonTextsFrom(const CalculationOutcome &outcome, const numtext::LocaleMarks &marks);

} // namespace commands
