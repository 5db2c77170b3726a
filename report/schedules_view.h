// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/plan_terms.h"

#include <string>
#include <vector>

class QWidget;

namespace report {

// The schedules window as the calculator drives it, whether linked in (SchedulesWindow) or loaded with the
// report module.
class SchedulesView {
public:
    virtual ~SchedulesView() = default;

    virtual QWidget *widget() = 0;
    // Rebuilds every schedule, the summary, the table and the chart from the last Calculate's plans; those it did
    // not reach say `unreachedReason`, the calculator's own words for why it stopped.
    virtual void showPlans(const schedule::CalculatedPlans &plans, const std::string &unreachedReason) = 0;
    // The state before any Calculate: it says that Calculate comes first.
    virtual void showNoCalculation() = 0;
    // The month of every schedule's first payment, as picked in this window.
    virtual schedule::Month firstPayment() const = 0;
    // The schedules shown, in schedule::allPlans order; empty before any Calculate.
    virtual const std::vector<schedule::Schedule> &schedules() const = 0;
};

} // namespace report
