// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculate_oracle.h"

#include "loan/blend_figures.h"
#include "numtext/display_patterns.h"
#include "numtext/read_number.h"
#include "numtext/render.h"

#include <functional>
#include <optional>
#include <vector>

namespace {

namespace pattern = numtext::pattern;

const std::vector<std::string> resultFields = {
    "Text4",  "Text8",  "Text21", "Text22", "Text10", "Text12", "Text66", "Text13", "Text14",
    "Text11", "Text15", "Text5",  "Text16", "Text17", "Text19", "Text20", "Text23", "Text26",
    "Text27", "Text31", "Text32", "Text33", "Text24", "Text29", "Text25", "Text30",
};

// The value of an input, 0 for an empty one, none for text that is not a number.
std::optional<double> readInput(const std::string &text, const numtext::LocaleMarks &marks)
{
    try {
        return numtext::readNumber(text, marks);
    } catch (const numtext::ReadError &error) {
        if (error.kind() == numtext::ReadErrorKind::Empty)
            return 0.0;
        return std::nullopt;
    }
}

// Each step of the calculation, then the fields it fills; the run stops at the first step that throws.
struct Stage {
    std::function<void()> compute;
    std::vector<std::pair<std::string, std::function<std::string()>>> fills;
};

} // namespace

std::map<std::string, std::string> expectedResults(const std::map<std::string, std::string> &inputs,
                                                   const numtext::LocaleMarks &marks)
{
    std::map<std::string, std::string> shown;
    for (const auto &field : resultFields)
        shown[field] = "";

    // One input that is not a number and nothing is computed: every result is empty.
    for (const char *field : {"Text1", "Text2", "Text3", "Text6", "Text7"})
        if (!readInput(inputs.at(field), marks))
            return shown;
    const auto in = [&](const char *field) { return *readInput(inputs.at(field), marks); };
    const double years = in("Text3");
    const loan::LoanTerms terms1{in("Text1"), in("Text2"), years};
    const loan::LoanTerms terms2{in("Text6"), in("Text7"), years};
    loan::LoanSteps loan1{terms1};
    loan::LoanSteps loan2{terms2};
    std::optional<loan::BlendSteps> blend;
    const auto &f1 = loan1.figures();
    const auto &f2 = loan2.figures();
    const auto b = [&] { return blend->figures(); };
    const auto text
        = [&](double value, std::string_view displayPattern) { return numtext::render(value, displayPattern, marks); };
    const auto payment = [](loan::LoanSteps &steps) {
        steps.annualRate();
        steps.paymentCount();
        steps.monthlyRate();
        steps.growth();
        steps.payment();
    };

    const std::vector<Stage> stages = {
        {[&] { payment(loan1); }, {{"Text4", [&] { return text(f1.payment, pattern::LoanMoney); }}}},
        {[&] { loan1.totalInterest(); }, {{"Text8", [&] { return text(f1.totalInterest, pattern::LoanMoney); }}}},
        {[&] { loan1.effectiveRate(); }, {{"Text21", [&] { return text(f1.effectiveRatePercent, pattern::Rate); }}}},
        {[&] { loan1.accumulatedValue(); },
         {{"Text22", [&] { return text(f1.accumulatedValue, pattern::AccumulatedMoney); }}}},
        {[&] { payment(loan2); }, {{"Text10", [&] { return text(f2.payment, pattern::LoanMoney); }}}},
        {[&] { loan2.totalInterest(); }, {{"Text12", [&] { return text(f2.totalInterest, pattern::LoanMoney); }}}},
        {[&] { loan2.effectiveRate(); }, {{"Text66", [&] { return text(f2.effectiveRatePercent, pattern::Rate); }}}},
        {[&] { loan2.accumulatedValue(); },
         {{"Text13", [&] { return text(f2.accumulatedValue, pattern::AccumulatedMoney); }}}},
        {[&] {
             blend.emplace(loan::LoanOutcome{terms1, f1}, loan::LoanOutcome{terms2, f2}, years);
             blend->averageRate();
         },
         {{"Text14", [&] { return text(b().averageRatePercent, pattern::Rate); }}}},
        {[&] {
             blend->weights();
             blend->weightedRate();
         },
         {{"Text11", [&] { return text(b().weightedRatePercent, pattern::Rate); }}}},
        {[&] {
             blend->totals();
             blend->blendedEffectiveRate();
         },
         {{"Text15", [&] { return text(b().blendedEffectivePercent, pattern::Rate); }}}},
        {[&] { blend->blendedNominalRate(); },
         {{"Text5", [&] { return text(b().blendedNominalPercent, pattern::Rate); }},
          {"Text16", [&] { return text(b().totalPrincipal, pattern::BlendMoney); }},
          {"Text17", [&] { return text(b().blendedNominalPercent, pattern::Rate); }}}},
        {[&] { blend->blendedPayment(); }, {{"Text19", [&] { return text(b().blendedPayment, pattern::BlendMoney); }}}},
        {[&] { blend->blendedInterest(); },
         {{"Text20", [&] { return text(b().blendedInterest, pattern::BlendMoney); }},
          {"Text23", [&] { return text(b().blendedInterest, pattern::BlendMoney); }}}},
        {[&] { blend->combinedPayment(); },
         {{"Text26", [&] { return text(b().combinedPayment, pattern::BlendMoney); }}}},
        {[&] { blend->combinedInterest(); },
         {{"Text27", [&] { return text(b().combinedInterest, pattern::LoanMoney); }},
          {"Text31", [&] { return text(b().blendedPayment, pattern::BlendMoney); }},
          {"Text32", [&] { return text(b().combinedPayment, pattern::BlendMoney); }},
          {"Text33", [&] { return text(b().combinedPayment, pattern::BlendMoney); }}}},
        {[&] { blend->averagePayoff(); },
         {{"Text24", [&] { return text(b().averagePayoffInterest, pattern::BlendMoney); }},
          {"Text29", [&] { return text(b().averagePayoffYears, pattern::Years); }}}},
        {[&] { blend->weightedPayoff(); },
         {{"Text25", [&] { return text(b().weightedPayoffInterest, pattern::BlendMoney); }},
          {"Text30", [&] { return text(b().weightedPayoffYears, pattern::Years); }}}},
    };

    try {
        for (const auto &stage : stages) {
            stage.compute();
            for (const auto &[field, render] : stage.fills)
                shown[field] = render();
        }
    } catch (const loan::CalcError &) { }
    return shown;
}
