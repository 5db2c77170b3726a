// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculated_plans.h"

namespace schedule {

std::array<Schedule, allPlans.size()> buildSchedules(const CalculatedPlans &plans, Month firstPayment)
{
    std::array<Schedule, allPlans.size()> schedules;
    for (const Plan plan : allPlans) {
        const std::optional<PlanTerms> &terms = plans.of(plan);
        schedules[std::size_t(plan)]
            = terms ? buildSchedule(plan, *terms, firstPayment) : notListed(plan, plans.unreachedReason);
    }
    return schedules;
}

} // namespace schedule
