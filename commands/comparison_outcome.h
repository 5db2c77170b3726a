// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison_form.h"

#include <vector>

// One comparison as a value: the texts it was read from, what was read, every problem or the refusal, and both
// ways. It is made once for each change of its inputs and handed whole to the window, the CSV, the report and the
// command line, so none of them compares again and none can show what another refused.
namespace commands {

struct ComparisonOutcome {
    ComparisonTexts texts; // as typed; empty for one read from a scenario's numbers
    ComparisonReading reading;
    // Both ways; refused, and never compared, while an input is marked.
    compare::Comparison result;

    // Whether it has figures: every input usable, and both ways compared.
    bool made() const { return reading.problems.empty() && !result.refusal; }

    // Every input the window marks, in the order of the fields: the problems, or the refusal beside what stops it
    // (a loan's payment, an offer's rate, or the extra every way shares), or each later offer refused alone.
    std::vector<FieldProblem> marked() const;
};

// Reads the texts as the window does (readComparison), then compares both ways where every input is usable.
ComparisonOutcome compareTexts(const ComparisonTexts &texts, const numtext::LocaleMarks &marks,
                               schedule::Month firstPayment);

// The same from a scenario's numbers, through the same reading and limits.
ComparisonOutcome compareValues(const ComparisonValues &values, schedule::Month firstPayment,
                                const OfferNames &names = {});

} // namespace commands
