// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "field.h"
#include "numtext/locale_marks.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Which figure each result field shows, through which display pattern, and after which step Calculate writes it:
// the one place the window, the report and the copy of the results learn it from.
namespace commands {

struct ResultSpec {
    Field field;
    Step step; // written as soon as this step is done
    double (*figure)(const CalculatedFigures &figures); // none for a field that repeats another's text
    std::string_view pattern;
    std::optional<Field> repeats = std::nullopt; // the field whose text this one shows as it stands
};

// The 26 result fields, in the order Calculate writes them.
std::span<const ResultSpec> resultFields();

// The text a result field shows after `outcome`: its figure through its pattern, or the text of the field it
// repeats; empty where the calculation did not reach it. Throws std::out_of_range for a field that is no result.
std::string resultText(const CalculationOutcome &outcome, Field field, const numtext::LocaleMarks &marks);

// The figure a result field shows, the very double computed (a repeating field's is the field's it repeats); none
// where the calculation did not reach it.
std::optional<double> resultValue(const CalculationOutcome &outcome, Field field);

// The first result field written after `step`: where a calculation that stopped there shows its first gap.
Field firstFieldOf(Step step);

} // namespace commands
