// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_terms.h"

#include "loan/blend_figures.h"

namespace schedule {

namespace {

// Records each plan's terms as soon as the last figure it needs exists, so a later failure keeps them.
class PlanTermsRun {
public:
    CalculatedPlans run(const loan::LoanTerms &loan1, const loan::LoanTerms &loan2)
    {
        try {
            m_stage = CalculationStage::Loan1;
            const loan::LoanOutcome first = computeLoan(loan1, Plan::Loan1);
            m_stage = CalculationStage::Loan2;
            const loan::LoanOutcome second
                = computeLoan({loan2.principal, loan2.annualRatePercent, loan1.years}, Plan::Loan2);
            m_stage = CalculationStage::Blend;
            computeBlend(first, second, loan1.years);
        } catch (const loan::CalcError &error) {
            m_plans.stop.emplace(CalculationStop{error, m_stage});
        }
        return m_plans;
    }

private:
    void set(Plan plan, const PlanTerms &terms) { m_plans.terms[std::size_t(plan)] = terms; }

    loan::LoanOutcome computeLoan(const loan::LoanTerms &terms, Plan plan)
    {
        loan::LoanSteps steps{terms};
        const loan::LoanFigures &figures = steps.figures();
        steps.annualRate();
        steps.paymentCount();
        steps.monthlyRate();
        steps.growth();
        steps.payment();
        steps.totalInterest();
        set(plan, {terms.principal, figures.annualRate, figures.payment, figures.totalInterest, terms.years});
        steps.effectiveRate();
        steps.accumulatedValue();
        return {terms, figures};
    }

    void computeBlend(const loan::LoanOutcome &loan1, const loan::LoanOutcome &loan2, double years)
    {
        loan::BlendSteps blend{loan1, loan2, years};
        const loan::BlendFigures &f = blend.figures();
        blend.averageRate();
        blend.weights();
        blend.weightedRate();
        blend.totals();
        blend.blendedEffectiveRate();
        blend.blendedNominalRate();
        blend.blendedPayment();
        blend.blendedInterest();
        set(Plan::BlendedLoan, {f.totalPrincipal, f.blendedNominalRate, f.blendedPayment, f.blendedInterest, years});
        blend.combinedPayment();
        blend.combinedInterest();
        blend.averagePayoff();
        set(Plan::CombinedAtAverageRate,
            {f.totalPrincipal, f.averageRate, f.combinedPayment, f.averagePayoffInterest, std::nullopt});
        blend.weightedPayoff();
        set(Plan::CombinedAtWeightedRate,
            {f.totalPrincipal, f.weightedRate, f.combinedPayment, f.weightedPayoffInterest, std::nullopt});
    }

    CalculatedPlans m_plans;
    CalculationStage m_stage = CalculationStage::Loan1;
};

} // namespace

CalculatedPlans calculatePlanTerms(const loan::LoanTerms &loan1, const loan::LoanTerms &loan2)
{
    return PlanTermsRun{}.run(loan1, loan2);
}

std::array<Schedule, allPlans.size()> buildSchedules(const CalculatedPlans &plans, Month firstPayment,
                                                     std::string_view unreachedReason)
{
    std::array<Schedule, allPlans.size()> schedules;
    for (const Plan plan : allPlans) {
        const std::optional<PlanTerms> &terms = plans.of(plan);
        schedules[std::size_t(plan)]
            = terms ? buildSchedule(plan, *terms, firstPayment) : notListed(plan, std::string(unreachedReason));
    }
    return schedules;
}

} // namespace schedule
