// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loan/calc_error.h"
#include "loan/loan_figures.h"
#include "repayment_schedule.h"

#include <array>
#include <optional>
#include <string_view>

namespace schedule {

// Whose figures the calculation was computing when it stopped, as the window words its message.
enum class CalculationStage {
    Loan1,
    Loan2,
    Blend, // the rates, the blended loan and the payoff comparisons
};

struct CalculationStop {
    loan::CalcError error;
    CalculationStage stage;
};

// What one calculation tells each of the five plans.
struct CalculatedPlans {
    // By Plan; empty for a plan whose figures the calculation did not all reach.
    std::array<std::optional<PlanTerms>, allPlans.size()> terms;
    std::optional<CalculationStop> stop; // the first CalcError; none when every figure was computed

    const std::optional<PlanTerms> &of(Plan plan) const { return terms[std::size_t(plan)]; }
};

// Loan 1, then loan 2 over loan 1's period (loan2.years is not read), then the blend, step by step in the
// window's order, so every double is the one the window shows; stops at the first CalcError as the window does.
CalculatedPlans calculatePlanTerms(const loan::LoanTerms &loan1, const loan::LoanTerms &loan2);

// The five schedules in plan order, the first payments in `firstPayment`. A plan the calculation did not reach
// is not listed, with `unreachedReason`: the window's own words for why its calculation stopped.
std::array<Schedule, allPlans.size()> buildSchedules(const CalculatedPlans &plans, Month firstPayment,
                                                     std::string_view unreachedReason);

} // namespace schedule
