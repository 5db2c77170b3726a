// SPDX-License-Identifier: GPL-3.0-or-later
#include "default_run.h"
#include "notations.h"
#include "numtext/display_patterns.h"
#include "numtext/render.h"
#include "row_name.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace pattern = numtext::pattern;
using loan::BlendFigures;
using loan::LoanFigures;

struct CalculateRun {
    LoanFigures loan1;
    LoanFigures loan2;
    BlendFigures blend;
};

struct ShownFigure {
    std::function<double(const CalculateRun &)> figure;
    std::string_view pattern;
};

// The figure and pattern behind each text of defaultRunTexts, row for row.
const ShownFigure shownFigures[] = {
    {[](const CalculateRun &r) { return r.loan1.payment; }, pattern::LoanMoney},
    {[](const CalculateRun &r) { return r.loan1.totalInterest; }, pattern::LoanMoney},
    {[](const CalculateRun &r) { return r.loan1.effectiveRatePercent; }, pattern::Rate},
    {[](const CalculateRun &r) { return r.loan1.accumulatedValue; }, pattern::AccumulatedMoney},
    {[](const CalculateRun &r) { return r.loan2.payment; }, pattern::LoanMoney},
    {[](const CalculateRun &r) { return r.loan2.totalInterest; }, pattern::LoanMoney},
    {[](const CalculateRun &r) { return r.loan2.effectiveRatePercent; }, pattern::Rate},
    {[](const CalculateRun &r) { return r.loan2.accumulatedValue; }, pattern::AccumulatedMoney},
    {[](const CalculateRun &r) { return r.blend.averageRatePercent; }, pattern::Rate},
    {[](const CalculateRun &r) { return r.blend.weightedRatePercent; }, pattern::Rate},
    {[](const CalculateRun &r) { return r.blend.blendedEffectivePercent; }, pattern::Rate},
    {[](const CalculateRun &r) { return r.blend.blendedNominalPercent; }, pattern::Rate},
    {[](const CalculateRun &r) { return r.blend.totalPrincipal; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.blendedNominalPercent; }, pattern::Rate},
    {[](const CalculateRun &r) { return r.blend.blendedPayment; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.blendedInterest; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.blendedInterest; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.combinedPayment; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.combinedInterest; }, pattern::LoanMoney},
    {[](const CalculateRun &r) { return r.blend.blendedPayment; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.combinedPayment; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.combinedPayment; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.averagePayoffInterest; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.averagePayoffYears; }, pattern::Years},
    {[](const CalculateRun &r) { return r.blend.weightedPayoffInterest; }, pattern::BlendMoney},
    {[](const CalculateRun &r) { return r.blend.weightedPayoffYears; }, pattern::Years},
};
static_assert(std::size(shownFigures) == defaultRunTexts.size());

class DefaultRunTextsTest : public testing::TestWithParam<Notation> { };

TEST_P(DefaultRunTextsTest, every_result_field_reads_as_worked_out)
{
    const auto loan1 = outcomeOf(defaultLoan1);
    const auto loan2 = outcomeOf(defaultLoan2);
    const CalculateRun run{loan1.figures, loan2.figures, loan::computeBlend(loan1, loan2, defaultLoan1.years)};
    const auto &marks = GetParam().marks;
    for (std::size_t i = 0; i < defaultRunTexts.size(); ++i)
        EXPECT_EQ(numtext::render(shownFigures[i].figure(run), shownFigures[i].pattern, marks),
                  inNotation(defaultRunTexts[i].text, marks))
            << defaultRunTexts[i].field;
}

INSTANTIATE_TEST_SUITE_P(DefaultRun, DefaultRunTextsTest, testing::ValuesIn(notations), RowName{});

} // namespace
