// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/calculation.h"
#include "schedule/calculated_plans.h"

#include <optional>
#include <vector>

namespace window {

// The last Calculate's outcome, the one value every view of its figures is built from, and the one first-payment
// month every schedule starts from: the schedules window, the CSV, the report and print all take their schedules
// from here, built once for each outcome and month.
class LastCalculation {
public:
    explicit LastCalculation(schedule::Month firstPayment)
        : m_firstPayment(firstPayment)
    { }

    void record(commands::CalculationOutcome outcome);

    const std::optional<commands::CalculationOutcome> &outcome() const { return m_outcome; }
    // A Calculate that could read its inputs has run, so there are figures and plans to show.
    bool calculated() const { return m_outcome && !m_outcome->unreadable; }

    schedule::Month firstPayment() const { return m_firstPayment; }
    void setFirstPayment(schedule::Month month);

    // In schedule::allPlans order; empty before calculated().
    const std::vector<schedule::Schedule> &schedules();

private:
    std::optional<commands::CalculationOutcome> m_outcome;
    schedule::CalculatedPlans m_plans;
    schedule::Month m_firstPayment;
    std::optional<std::vector<schedule::Schedule>> m_schedules; // none until asked for after a change
};

} // namespace window
