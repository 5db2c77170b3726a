// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/repayment_schedule.h"

#include <vector>

class QWidget;

namespace report {

// The schedules window as the calculator drives it, whether linked in (SchedulesWindow) or loaded with the
// report module. It shows schedules; the calculator builds them and owns the first-payment month they start in.
class SchedulesView {
public:
    virtual ~SchedulesView() = default;

    virtual QWidget *widget() = 0;
    // The last Calculate's schedules in schedule::allPlans order, their first payments in `firstPayment`; a plan
    // that is not listed says why.
    virtual void showSchedules(const std::vector<schedule::Schedule> &schedules, schedule::Month firstPayment) = 0;
    // The state before any Calculate: it says that Calculate comes first.
    virtual void showNoCalculation(schedule::Month firstPayment) = 0;
};

} // namespace report
