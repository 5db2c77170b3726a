#include "commands.h"
#include "failure_messages.h"
#include "numtext/render.h"
#include "numtext/strict_reader.h"

namespace window {

namespace {

struct RangeCheck {
    Field field;
    bool (*rejects)(double value); // bounds are inclusive
    std::string_view message; // shown as it has always read
};

constexpr RangeCheck principalCheck{Field::Text1, [](double v) { return v == 0 || v < 1 || v > 10000000; },
                                    "enter a Principal between $1 and $10000,000"};
constexpr RangeCheck rateCheck{Field::Text2, [](double v) { return v < 1 || v > 25; },
                               "enter an Annual Interest Rate between 1% and 25%"};
constexpr RangeCheck periodCheck{Field::Text3, [](double v) { return v < 1 || v > 50; },
                                 "enter an Amortization Period between 1 and 50 years"};

void runCheck(WindowOperations &form, const numtext::LocaleMarks &marks, const RangeCheck &check)
{
    const std::string text = form.getText(check.field);
    double value = 0;
    try {
        value = numtext::readStrict(text, marks);
    } catch (const numtext::ReadError &error) {
        // The user's text stays as typed, to be corrected rather than retyped.
        form.showMessage(unreadableInputMessage(error, check.field, text, marks));
        form.setFocus(check.field);
        return;
    }
    if (!check.rejects(value))
        return;
    // The field reads "1" while the message is up, and "1" passes, so leaving it again raises nothing.
    form.setText(check.field, numtext::integerText(1));
    form.showMessage(check.message);
    form.setFocus(check.field);
}

} // namespace

void Text1_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    runCheck(form, marks, principalCheck);
}

void Text2_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    runCheck(form, marks, rateCheck);
}

void Text3_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    runCheck(form, marks, periodCheck);
}

} // namespace window
