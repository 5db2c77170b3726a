// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field.h"
#include "loan/blend_figures.h"
#include "numtext/read_error.h"

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <string>

// One Calculate as a value: the inputs it read, every figure it computed, and where it stopped and why. The window
// writes its fields from it step by step; the schedules, the report and the copied results are built from it
// afterwards, so nothing is computed twice and nothing shown can differ from what was computed.
namespace commands {

// The steps of a calculation after which results exist, in the order they run.
enum class Step {
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
    BlendedEffectiveRate, // with the total principal and total accumulated value it rests on
    BlendedNominalRate,
    BlendedPayment,
    BlendedInterest,
    CombinedPayment,
    CombinedInterest,
    AveragePayoff,
    WeightedPayoff,
};

inline constexpr std::size_t stepCount = 18;

// Whose figures a step computes, as the window words a failure.
enum class Subject {
    Loan1,
    Loan2,
    Blend, // the rates, the new blended loan and the payoff comparisons
};

Subject subjectOf(Step step);

// The inputs in the order the window shows them, which is the order they are read and reported in.
inline constexpr std::array<Field, 5> inputFields{Field::Text1, Field::Text6, Field::Text2, Field::Text7, Field::Text3};

// The terms of both loans as read; loan 2 shares loan 1's period.
struct CalculationTerms {
    loan::LoanTerms loan1;
    loan::LoanTerms loan2;
};

struct CalculatedFigures {
    loan::LoanFigures loan1;
    loan::LoanFigures loan2;
    loan::BlendFigures blend;
};

struct UnreadableInput {
    Field field;
    numtext::ReadErrorKind kind;
};

struct CalculationStop {
    loan::CalcError error;
    Step step;
};

struct CalculationOutcome {
    std::array<std::string, inputFields.size()> inputTexts; // as typed, in inputFields order
    std::optional<UnreadableInput> unreadable; // the first input that is not a number: nothing is computed
    CalculationTerms terms;
    CalculatedFigures figures;
    std::bitset<stepCount> done; // by Step
    std::optional<CalculationStop> stop; // the step whose arithmetic failed; none when every step was done

    const std::string &inputText(Field field) const;
    // The number an input was read as, from `terms`: 0 for one left empty (loan 2's period is loan 1's).
    double inputValue(Field field) const;
    bool reached(Step step) const { return done[std::size_t(step)]; }
};

// Runs every step in order on `outcome.terms`, recording each step's figures in `outcome` and calling `stepDone`
// as soon as they are there. Stops at the first CalcError, which it records in `outcome.stop`.
void calculate(CalculationOutcome &outcome, const std::function<void(const CalculationOutcome &, Step)> &stepDone = {});

// The same from terms alone, for callers that read no text.
CalculationOutcome calculate(const CalculationTerms &terms);

} // namespace commands
