// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"

#include <map>
#include <string>

// What one Calculate must leave in each result field for the five inputs as they stand, worked out from the
// loan and numtext libraries alone: the figure's text where the calculation reaches it, "" where a failure
// stops it first. `inputs` maps the input fields' names (Text1, Text2, Text3, Text6, Text7) to their texts.
std::map<std::string, std::string> expectedResults(const std::map<std::string, std::string> &inputs,
                                                   const numtext::LocaleMarks &marks);
