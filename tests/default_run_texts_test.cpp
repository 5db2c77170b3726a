#include "default_loans.h"
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

struct ResultText {
    const char *field;
    std::function<double(const CalculateRun &)> figure;
    std::string_view pattern;
    const char *expected; // in the "," grouping, "." decimal notation
};

// Every text the window shows after Calculate with its starting inputs, field by field.
const ResultText defaultRunTexts[] = {
    {"Text4", [](const CalculateRun &r) { return r.loan1.payment; }, pattern::LoanMoney, "$1,967.04"},
    {"Text8", [](const CalculateRun &r) { return r.loan1.totalInterest; }, pattern::LoanMoney, "$117,090.76"},
    {"Text21", [](const CalculateRun &r) { return r.loan1.effectiveRatePercent; }, pattern::Rate, "3.0313"},
    {"Text22", [](const CalculateRun &r) { return r.loan1.accumulatedValue; }, pattern::AccumulatedMoney,
     "$645,079.79"},
    {"Text10", [](const CalculateRun &r) { return r.loan2.payment; }, pattern::LoanMoney, "$848.37"},
    {"Text12", [](const CalculateRun &r) { return r.loan2.totalInterest; }, pattern::LoanMoney, "$63,609.39"},
    {"Text66", [](const CalculateRun &r) { return r.loan2.effectiveRatePercent; }, pattern::Rate, "4.0742"},
    {"Text13", [](const CalculateRun &r) { return r.loan2.accumulatedValue; }, pattern::AccumulatedMoney,
     "$311,161.49"},
    {"Text14", [](const CalculateRun &r) { return r.blend.averageRatePercent; }, pattern::Rate, "3.495"},
    {"Text11", [](const CalculateRun &r) { return r.blend.weightedRatePercent; }, pattern::Rate, "3.2757"},
    {"Text15", [](const CalculateRun &r) { return r.blend.blendedEffectivePercent; }, pattern::Rate, "3.3471"},
    {"Text5", [](const CalculateRun &r) { return r.blend.blendedNominalPercent; }, pattern::Rate, "3.2968"},
    {"Text16", [](const CalculateRun &r) { return r.blend.totalPrincipal; }, pattern::BlendMoney, "$495,000.00"},
    {"Text17", [](const CalculateRun &r) { return r.blend.blendedNominalPercent; }, pattern::Rate, "3.2968"},
    {"Text19", [](const CalculateRun &r) { return r.blend.blendedPayment; }, pattern::BlendMoney, "$2,819.38"},
    {"Text20", [](const CalculateRun &r) { return r.blend.blendedInterest; }, pattern::BlendMoney, "$181,651.21"},
    {"Text23", [](const CalculateRun &r) { return r.blend.blendedInterest; }, pattern::BlendMoney, "$181,651.21"},
    {"Text26", [](const CalculateRun &r) { return r.blend.combinedPayment; }, pattern::BlendMoney, "$2,815.42"},
    {"Text27", [](const CalculateRun &r) { return r.blend.combinedInterest; }, pattern::LoanMoney, "$180,700.15"},
    {"Text31", [](const CalculateRun &r) { return r.blend.blendedPayment; }, pattern::BlendMoney, "$2,819.38"},
    {"Text32", [](const CalculateRun &r) { return r.blend.combinedPayment; }, pattern::BlendMoney, "$2,815.42"},
    {"Text33", [](const CalculateRun &r) { return r.blend.combinedPayment; }, pattern::BlendMoney, "$2,815.42"},
    {"Text24", [](const CalculateRun &r) { return r.blend.averagePayoffInterest; }, pattern::BlendMoney, "$199,671.42"},
    {"Text29", [](const CalculateRun &r) { return r.blend.averagePayoffYears; }, pattern::Years, "20.56"},
    {"Text25", [](const CalculateRun &r) { return r.blend.weightedPayoffInterest; }, pattern::BlendMoney,
     "$180,242.18"},
    {"Text30", [](const CalculateRun &r) { return r.blend.weightedPayoffYears; }, pattern::Years, "19.99"},
};

class DefaultRunTextsTest : public testing::TestWithParam<Notation> { };

TEST_P(DefaultRunTextsTest, every_result_field_reads_as_worked_out)
{
    const auto loan1 = outcomeOf(defaultLoan1);
    const auto loan2 = outcomeOf(defaultLoan2);
    const CalculateRun run{loan1.figures, loan2.figures, loan::computeBlend(loan1, loan2, defaultLoan1.years)};
    const auto &marks = GetParam().marks;
    for (const auto &text : defaultRunTexts)
        EXPECT_EQ(numtext::render(text.figure(run), text.pattern, marks), inNotation(text.expected, marks))
            << text.field;
}

INSTANTIATE_TEST_SUITE_P(DefaultRun, DefaultRunTextsTest, testing::ValuesIn(notations), RowName{});

} // namespace
