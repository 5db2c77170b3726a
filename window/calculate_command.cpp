// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "failure_messages.h"
#include "numtext/read_number.h"
#include "numtext/render.h"
#include "result_map.h"

#include <bitset>

namespace window {

namespace {

struct UnreadableInput {
    Field field;
    numtext::ReadError error;
    std::string text;
};

// One run of Calculate: it remembers which result fields it has written, so that a failed run can empty the
// rest rather than leave figures of an earlier run beside the new ones.
class CalculateRun {
public:
    CalculateRun(WindowOperations &form, const numtext::LocaleMarks &marks)
        : m_form(form)
        , m_marks(marks)
    { }

    // Every input is read before anything is computed, so that text which is not a number stops the run
    // before it writes a single figure. Read in the order the window shows the inputs, so the first one the
    // user meets is the one reported.
    CalculationTerms readInputs() const
    {
        const double principal1 = readInput(Field::Text1);
        const double principal2 = readInput(Field::Text6);
        const double rate1 = readInput(Field::Text2);
        const double rate2 = readInput(Field::Text7);
        const double years = readInput(Field::Text3);
        return {{principal1, rate1, years}, {principal2, rate2, years}};
    }

    // Each step, then the fields it makes ready, in the order the result map gives.
    void compute(const CalculationTerms &terms)
    {
        loan::LoanSteps loan1{terms.loan1};
        computeLoan(loan1, m_figures.loan1, Stage::Loan1Payment);
        loan::LoanSteps loan2{terms.loan2};
        computeLoan(loan2, m_figures.loan2, Stage::Loan2Payment);

        loan::BlendSteps blend{{terms.loan1, m_figures.loan1}, {terms.loan2, m_figures.loan2}, terms.loan1.years};
        const auto blendStep = [&](Stage stage, auto &&step) {
            m_stage = stage;
            step();
            m_figures.blend = blend.figures();
            showResultsOf(stage);
        };
        blendStep(Stage::AverageRate, [&] { blend.averageRate(); });
        blendStep(Stage::WeightedRate, [&] {
            blend.weights();
            blend.weightedRate();
        });
        blendStep(Stage::BlendedEffectiveRate, [&] {
            blend.totals();
            blend.blendedEffectiveRate();
        });
        blendStep(Stage::BlendedNominalRate, [&] { blend.blendedNominalRate(); });
        blendStep(Stage::BlendedPayment, [&] { blend.blendedPayment(); });
        blendStep(Stage::BlendedInterest, [&] { blend.blendedInterest(); });
        blendStep(Stage::CombinedPayment, [&] { blend.combinedPayment(); });
        blendStep(Stage::CombinedInterest, [&] { blend.combinedInterest(); });
        blendStep(Stage::AveragePayoff, [&] { blend.averagePayoff(); });
        blendStep(Stage::WeightedPayoff, [&] { blend.weightedPayoff(); });
    }

    void emptyUnreachedResults()
    {
        for (const auto &spec : resultFields())
            if (!m_written[std::size_t(spec.field)])
                m_form.setText(spec.field, "");
    }

    CalculationSubject subject() const
    {
        if (m_stage <= Stage::Loan1AccumulatedValue)
            return CalculationSubject::Loan1;
        return m_stage <= Stage::Loan2AccumulatedValue ? CalculationSubject::Loan2 : CalculationSubject::Blend;
    }

private:
    // The input checks read by the same rule, so what a check lets pass is exactly what is computed with. An
    // empty field is 0: a cleared loan 2 means no loan 2.
    double readInput(Field field) const
    {
        const std::string text = m_form.getText(field);
        try {
            return numtext::readNumber(text, m_marks);
        } catch (const numtext::ReadError &error) {
            if (error.kind() == numtext::ReadErrorKind::Empty)
                return 0;
            throw UnreadableInput{field, error, text};
        }
    }

    // The loan's four stages follow one another in the Stage enumeration, from `first`.
    void computeLoan(loan::LoanSteps &steps, loan::LoanFigures &figures, Stage first)
    {
        const auto loanStep = [&](int offset, auto &&step) {
            m_stage = Stage(int(first) + offset);
            step();
            figures = steps.figures();
            showResultsOf(m_stage);
        };
        loanStep(0, [&] {
            steps.annualRate();
            steps.paymentCount();
            steps.monthlyRate();
            steps.growth();
            steps.payment();
        });
        loanStep(1, [&] { steps.totalInterest(); });
        loanStep(2, [&] { steps.effectiveRate(); });
        loanStep(3, [&] { steps.accumulatedValue(); });
    }

    void showResultsOf(Stage stage)
    {
        for (const auto &spec : resultFields()) {
            if (spec.stage != stage)
                continue;
            m_form.setText(spec.field,
                           spec.repeats ? m_form.getText(*spec.repeats)
                                        : numtext::render(spec.figure(m_figures), spec.pattern, m_marks));
            m_written.set(std::size_t(spec.field));
        }
    }

    WindowOperations &m_form;
    const numtext::LocaleMarks &m_marks;
    CalculatedFigures m_figures;
    Stage m_stage = Stage::Loan1Payment;
    std::bitset<fieldCount> m_written;
};

} // namespace

std::optional<CalculationTerms> Command1_Click(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    CalculateRun run{form, marks};
    CalculationTerms terms;
    try {
        terms = run.readInputs();
    } catch (const UnreadableInput &input) {
        run.emptyUnreachedResults();
        form.showMessage(unreadableInputMessage(input.error, input.field, input.text, marks));
        form.setFocus(input.field);
        return std::nullopt;
    }
    try {
        run.compute(terms);
    } catch (const loan::CalcError &error) {
        run.emptyUnreachedResults();
        form.showMessage(calculationFailureMessage(error, run.subject()));
    }
    return terms;
}

} // namespace window
