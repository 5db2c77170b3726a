// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

namespace compare {

// The refusal of a comparison for an input checkInputs found fault with: the loan or the offer it belongs to,
// and a sentence that names it. The extra and the savings rate, which both ways share, are put to keeping both,
// the way the user has now.
Refusal refusalFor(const InputProblem &problem);

} // namespace compare
