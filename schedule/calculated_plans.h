// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "repayment_schedule.h"

#include <array>
#include <optional>
#include <string>

namespace schedule {

// What one calculation tells each of the five plans.
struct CalculatedPlans {
    // By Plan; empty for a plan whose defining figures the calculation did not reach.
    std::array<std::optional<PlanTerms>, allPlans.size()> terms;
    // The calculator's own words for why it stopped, for the plans it did not reach; empty when it did not stop.
    std::string unreachedReason;

    const std::optional<PlanTerms> &of(Plan plan) const { return terms[std::size_t(plan)]; }
};

// The five schedules in plan order, the first payments in `firstPayment`; a plan the calculation did not reach
// is not listed, and says why in the plans' unreached reason.
std::array<Schedule, allPlans.size()> buildSchedules(const CalculatedPlans &plans, Month firstPayment);

} // namespace schedule
