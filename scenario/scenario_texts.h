// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/comparison_form.h"
#include "numtext/locale_marks.h"
#include "scenario.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <variant>

// A scenario and the texts of the windows, both ways: saving reads what was typed by the program's one reading
// rule; opening writes each number as a user of the locale would type it.
namespace scenario {

// The calculator's inputs in the order a scenario and a recovery keep them: by their names, Text1, Text2, Text3,
// Text6 and Text7, as every file written before keeps them.
inline constexpr std::array<commands::Field, commands::inputFields.size()> scenarioInputFields = [] {
    std::array<commands::Field, commands::inputFields.size()> fields = commands::inputFields;
    std::sort(fields.begin(), fields.end());
    return fields;
}();

struct WindowTexts {
    std::array<std::string, 5> inputs; // by scenarioInputFields
    std::optional<commands::ComparisonTexts> comparison; // none where the comparison was never opened
    schedule::Month firstMonth;

    friend bool operator==(const WindowTexts &, const WindowTexts &) = default;
};

// The scenario the texts hold, or, for the first text that is not a number, a sentence that names its input.
std::variant<Scenario, std::string> scenarioOf(const WindowTexts &texts, const numtext::LocaleMarks &marks);

// The comparison as a Calculate of these calculator inputs fills it: what a scenario without a comparison shows
// in the comparison window.
commands::ComparisonTexts comparisonFilledFrom(const std::array<std::string, 5> &inputs,
                                               const numtext::LocaleMarks &marks);

// The comparison's numbers by input, for it to be read as they are, without writing them as texts first.
commands::ComparisonValues comparisonValues(const ScenarioComparison &comparison);

// Each offer's name, which comparisonValues leaves out.
commands::OfferNames offerNames(const ScenarioComparison &comparison);

// The texts a user of these marks would type for the scenario: "2,99" where the decimal mark is a comma.
WindowTexts textsOf(const Scenario &scenario, const numtext::LocaleMarks &marks);

} // namespace scenario
