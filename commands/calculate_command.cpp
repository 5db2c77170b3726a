// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "failure_messages.h"
#include "numtext/read_number.h"
#include "result_map.h"

namespace commands {

namespace {

// Every input is read before anything is computed, so that text which is not a number stops the run before it
// writes a single figure; the first such input in the window's order is the one reported. The input checks read
// by the same rule, so what a check lets pass is exactly what is computed with. An empty field is 0: a cleared
// loan 2 means no loan 2.
CalculationOutcome readInputs(const WindowOperations &form, const numtext::LocaleMarks &marks)
{
    CalculationOutcome outcome;
    std::array<double, inputFields.size()> values{};
    for (std::size_t i = 0; i < inputFields.size(); ++i) {
        outcome.inputTexts[i] = form.getText(inputFields[i]);
        try {
            values[i] = numtext::readNumber(outcome.inputTexts[i], marks);
        } catch (const numtext::ReadError &error) {
            if (error.kind() != numtext::ReadErrorKind::Empty && !outcome.unreadable)
                outcome.unreadable = UnreadableInput{inputFields[i], error.kind()};
        }
    }
    const auto value = [&](Field field) {
        return values[std::size_t(std::find(inputFields.begin(), inputFields.end(), field) - inputFields.begin())];
    };
    const double years = value(Field::Text3);
    outcome.terms
        = {{value(Field::Text1), value(Field::Text2), years}, {value(Field::Text6), value(Field::Text7), years}};
    return outcome;
}

// Writes the result fields a step has made ready, in the order the result map gives, and remembers which it wrote,
// so that a failed run can empty the rest rather than leave figures of an earlier run beside the new ones.
class ResultWriter {
public:
    ResultWriter(WindowOperations &form, const numtext::LocaleMarks &marks)
        : m_form(form)
        , m_marks(marks)
    { }

    void write(const CalculationOutcome &outcome, Step step)
    {
        for (const auto &spec : resultFields()) {
            if (spec.step != step)
                continue;
            // A repeating field shows the other's text as it stands in the window.
            m_form.setText(spec.field,
                           spec.repeats ? m_form.getText(*spec.repeats) : resultText(outcome, spec.field, m_marks));
            m_written.set(std::size_t(spec.field));
        }
    }

    void emptyUnwritten()
    {
        for (const auto &spec : resultFields())
            if (!m_written[std::size_t(spec.field)])
                m_form.setText(spec.field, "");
    }

private:
    WindowOperations &m_form;
    const numtext::LocaleMarks &m_marks;
    std::bitset<fieldCount> m_written;
};

} // namespace

CalculationOutcome Command1_Click(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    CalculationOutcome outcome = readInputs(form, marks);
    ResultWriter results{form, marks};
    if (const auto &input = outcome.unreadable) {
        results.emptyUnwritten();
        form.showMessage(unreadableInputMessage(input->kind, input->field, outcome.inputText(input->field), marks));
        form.setFocus(input->field);
        return outcome;
    }
    calculate(outcome, [&results](const CalculationOutcome &sofar, Step step) { results.write(sofar, step); });
    if (outcome.stop) {
        results.emptyUnwritten();
        form.showMessage(calculationFailureMessage(*outcome.stop));
    }
    return outcome;
}

} // namespace commands
