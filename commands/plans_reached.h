// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculation.h"
#include "schedule/calculated_plans.h"

namespace commands {

// The repayment plans one Calculate defined, from the very doubles it computed. A plan is there when every figure
// that defines it was reached, even where a later step failed: each loan by its payment, the blended loan by its
// payment, each combined plan by its rate and the combined payment. Its exact interest is there where that was
// reached too. The loans carry their rates as typed, in percent; the other plans' rates were computed. The others carry the window's own message for why the calculation stopped.
schedule::CalculatedPlans plansReached(const CalculationOutcome &outcome);

} // namespace commands
