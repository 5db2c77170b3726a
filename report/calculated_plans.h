// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/plan_terms.h"
#include "schedule/repayment_schedule.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// What the calculator window hands over after each Calculate: for each plan, in schedule::allPlans order, the
// terms the calculation reached, or the plain words saying why it did not reach them.
struct CalculatedPlans {
    std::array<std::optional<schedule::PlanTerms>, 5> terms;
    std::array<std::string, 5> reasons;
};

// One calculation's plans; those it did not reach carry `unreachedReason`, the calculator's words for why it
// stopped.
CalculatedPlans calculatedPlans(const schedule::CalculatedPlans &calculation, std::string_view unreachedReason);

// The five schedules, in schedule::allPlans order, their first payments in `firstPayment`.
std::vector<schedule::Schedule> buildSchedules(const CalculatedPlans &plans, schedule::Month firstPayment);

} // namespace report
