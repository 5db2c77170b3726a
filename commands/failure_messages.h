// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "field.h"
#include "numtext/locale_marks.h"
#include "numtext/read_error.h"

#include <string>
#include <string_view>

// The plain words the window uses when a calculation fails or an input cannot be read.
namespace commands {

// What failed, in whose figures, and why; ends by saying that the results depending on it are left empty.
std::string calculationFailureMessage(const CalculationStop &stop);

// `text` with each character that would not show, or would turn the message around it, written as \u0007 is.
std::string visibleText(std::string_view text);

// `text` is what the field holds; long texts are shortened in the message.
std::string unreadableInputMessage(numtext::ReadErrorKind kind, Field field, std::string_view text,
                                   const numtext::LocaleMarks &marks);

} // namespace commands
