// SPDX-License-Identifier: GPL-3.0-or-later
#include "last_calculation.h"

#include "commands/plans_reached.h"

namespace window {

void LastCalculation::record(commands::CalculationOutcome outcome)
{
    m_outcome = std::move(outcome);
    m_plans = commands::plansReached(*m_outcome);
    m_schedules.reset();
}

void LastCalculation::setFirstPayment(schedule::Month month)
{
    if (month == m_firstPayment)
        return;
    m_firstPayment = month;
    m_schedules.reset();
}

const std::vector<schedule::Schedule> &LastCalculation::schedules()
{
    if (!m_schedules) {
        m_schedules.emplace();
        if (calculated()) {
            const auto built = schedule::buildSchedules(m_plans, m_firstPayment);
            m_schedules->assign(built.begin(), built.end());
        }
    }
    return *m_schedules;
}

} // namespace window
