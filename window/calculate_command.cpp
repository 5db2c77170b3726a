#include "commands.h"
#include "failure_messages.h"
#include "form_table.h"
#include "loan/blend_figures.h"
#include "numtext/display_patterns.h"
#include "numtext/lenient_reader.h"
#include "numtext/render.h"
#include "numtext/strict_reader.h"

#include <bitset>

namespace window {

namespace {

namespace pattern = numtext::pattern;

struct LoanResultFields {
    Field payment, totalInterest, effectiveRate, accumulatedValue;
};

constexpr LoanResultFields loan1Fields{Field::Text4, Field::Text8, Field::Text21, Field::Text22};
constexpr LoanResultFields loan2Fields{Field::Text10, Field::Text12, Field::Text66, Field::Text13};

// One run of Calculate: it remembers which result fields it has written, so that a failed run can empty the
// rest rather than leave figures of an earlier run beside the new ones.
class CalculateRun {
public:
    CalculateRun(WindowOperations &form, const numtext::LocaleMarks &marks)
        : m_form(form)
        , m_marks(marks)
    { }

    void compute()
    {
        m_subject = CalculationSubject::Loan1;
        const double years = readInput(Field::Text3);
        const loan::LoanOutcome loan1
            = computeLoan({readInput(Field::Text1), readInput(Field::Text2), years}, loan1Fields);

        m_subject = CalculationSubject::Loan2;
        const loan::LoanOutcome loan2
            = computeLoan({readInput(Field::Text6), readInput(Field::Text7), years}, loan2Fields);

        m_subject = CalculationSubject::Blend;
        computeBlend(loan1, loan2, years);
    }

    void emptyUnreachedResults()
    {
        for (const auto &spec : form::textBoxes())
            if (spec.role == form::Role::Result && !m_written[std::size_t(spec.field)])
                m_form.setText(spec.field, "");
    }

    CalculationSubject subject() const { return m_subject; }

private:
    // What the input checks accept is read the same way here, so "355,000" is 355000 and a locale's "2,99" is
    // 2.99; only text the strict reader refuses is read for its leading number.
    double readInput(Field field) const
    {
        const std::string text = m_form.getText(field);
        try {
            return numtext::readStrict(text, m_marks);
        } catch (const numtext::ReadError &) {
            return numtext::readLenient(text);
        }
    }

    void write(Field field, std::string_view text)
    {
        m_form.setText(field, text);
        m_written.set(std::size_t(field));
    }

    void show(Field field, double figure, std::string_view displayPattern)
    {
        write(field, numtext::render(figure, displayPattern, m_marks));
    }

    loan::LoanOutcome computeLoan(const loan::LoanTerms &terms, const LoanResultFields &fields)
    {
        loan::LoanSteps steps{terms};
        const loan::LoanFigures &figures = steps.figures();
        steps.annualRate();
        steps.paymentCount();
        steps.monthlyRate();
        steps.growth();
        steps.payment();
        show(fields.payment, figures.payment, pattern::LoanMoney);
        steps.totalInterest();
        show(fields.totalInterest, figures.totalInterest, pattern::LoanMoney);
        steps.effectiveRate();
        show(fields.effectiveRate, figures.effectiveRatePercent, pattern::Rate);
        steps.accumulatedValue();
        show(fields.accumulatedValue, figures.accumulatedValue, pattern::AccumulatedMoney);
        return {terms, figures};
    }

    void computeBlend(const loan::LoanOutcome &loan1, const loan::LoanOutcome &loan2, double years)
    {
        loan::BlendSteps blend{loan1, loan2, years};
        const loan::BlendFigures &figures = blend.figures();
        blend.averageRate();
        show(Field::Text14, figures.averageRatePercent, pattern::Rate);
        blend.weights();
        blend.weightedRate();
        show(Field::Text11, figures.weightedRatePercent, pattern::Rate);
        blend.totals();
        blend.blendedEffectiveRate();
        show(Field::Text15, figures.blendedEffectivePercent, pattern::Rate);
        blend.blendedNominalRate();
        show(Field::Text5, figures.blendedNominalPercent, pattern::Rate);
        show(Field::Text16, figures.totalPrincipal, pattern::BlendMoney);
        write(Field::Text17, m_form.getText(Field::Text5));
        blend.blendedPayment();
        show(Field::Text19, figures.blendedPayment, pattern::BlendMoney);
        blend.blendedInterest();
        show(Field::Text20, figures.blendedInterest, pattern::BlendMoney);
        show(Field::Text23, figures.blendedInterest, pattern::BlendMoney);
        blend.combinedPayment();
        show(Field::Text26, figures.combinedPayment, pattern::BlendMoney);
        blend.combinedInterest();
        show(Field::Text27, figures.combinedInterest, pattern::LoanMoney);
        show(Field::Text31, figures.blendedPayment, pattern::BlendMoney);
        show(Field::Text32, figures.combinedPayment, pattern::BlendMoney);
        show(Field::Text33, figures.combinedPayment, pattern::BlendMoney);
        blend.averagePayoff();
        show(Field::Text24, figures.averagePayoffInterest, pattern::BlendMoney);
        show(Field::Text29, figures.averagePayoffYears, pattern::Years);
        blend.weightedPayoff();
        show(Field::Text25, figures.weightedPayoffInterest, pattern::BlendMoney);
        show(Field::Text30, figures.weightedPayoffYears, pattern::Years);
    }

    WindowOperations &m_form;
    const numtext::LocaleMarks &m_marks;
    CalculationSubject m_subject = CalculationSubject::Loan1;
    std::bitset<fieldCount> m_written;
};

} // namespace

void Command1_Click(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    CalculateRun run{form, marks};
    try {
        run.compute();
    } catch (const loan::CalcError &error) {
        run.emptyUnreachedResults();
        form.showMessage(calculationFailureMessage(error, run.subject()));
    }
}

} // namespace window
