// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field.h"
#include "loan/calc_error.h"
#include "numtext/locale_marks.h"
#include "numtext/read_error.h"

#include <string>
#include <string_view>

// The plain words the window uses when a calculation fails or an input cannot be read.
namespace window {

// Whose figures a calculation was computing when it failed.
enum class CalculationSubject {
    Loan1,
    Loan2,
    Blend, // the rates, the new blended loan and the payoff comparisons
};

std::string calculationFailureMessage(const loan::CalcError &error, CalculationSubject subject);

// `text` is what the field holds; long texts are shortened in the message.
std::string unreadableInputMessage(const numtext::ReadError &error, Field field, std::string_view text,
                                   const numtext::LocaleMarks &marks);

} // namespace window
