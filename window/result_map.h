// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field.h"
#include "loan/blend_figures.h"

#include <optional>
#include <span>
#include <string_view>

// Which figure each result field shows, through which display pattern, and when Calculate writes it: the one
// place the window, the report and the copy of the results learn it from.
namespace window {

// What one Calculate has computed so far.
struct CalculatedFigures {
    loan::LoanFigures loan1;
    loan::LoanFigures loan2;
    loan::BlendFigures blend;
};

// The steps of Calculate after which result fields are written, in the order they run.
enum class Stage {
    Loan1Payment, // loan 1's rate, payment count, monthly rate, growth and payment
    Loan1Interest,
    Loan1EffectiveRate,
    Loan1AccumulatedValue,
    Loan2Payment,
    Loan2Interest,
    Loan2EffectiveRate,
    Loan2AccumulatedValue,
    AverageRate,
    WeightedRate, // with the weights it rests on
    BlendedEffectiveRate, // with the totals it rests on
    BlendedNominalRate,
    BlendedPayment,
    BlendedInterest,
    CombinedPayment,
    CombinedInterest,
    AveragePayoff,
    WeightedPayoff,
};

struct ResultSpec {
    Field field;
    Stage stage; // written as soon as this step is done
    double (*figure)(const CalculatedFigures &figures); // none for a field that repeats another's text
    std::string_view pattern;
    std::optional<Field> repeats = std::nullopt; // the field whose text this one shows as it stands
};

// The 26 result fields, in the order Calculate writes them.
std::span<const ResultSpec> resultFields();

} // namespace window
