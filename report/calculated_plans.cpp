// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculated_plans.h"

namespace report {

CalculatedPlans calculatedPlans(const schedule::CalculatedPlans &calculation, std::string_view unreachedReason)
{
    CalculatedPlans plans;
    plans.terms = calculation.terms;
    for (std::size_t i = 0; i < plans.terms.size(); ++i)
        if (!plans.terms[i])
            plans.reasons[i] = unreachedReason;
    return plans;
}

std::vector<schedule::Schedule> buildSchedules(const CalculatedPlans &plans, schedule::Month firstPayment)
{
    std::vector<schedule::Schedule> schedules;
    schedules.reserve(schedule::allPlans.size());
    for (std::size_t i = 0; i < schedule::allPlans.size(); ++i) {
        const schedule::Plan plan = schedule::allPlans[i];
        // A plan with neither terms nor a reason is still not listed: notListed gives it a reason of its own.
        schedules.push_back(plans.terms[i] ? schedule::buildSchedule(plan, *plans.terms[i], firstPayment)
                                           : schedule::notListed(plan, plans.reasons[i]));
    }
    return schedules;
}

} // namespace report
