// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "failure_messages.h"
#include "numtext/localized_number.h"
#include "numtext/read_number.h"
#include "numtext/render.h"
#include "wording/wording.h"

namespace commands {

namespace {

struct RangeCheck {
    Field field;
    bool (*rejects)(double value); // bounds are inclusive
    const char *message; // shown as it has always read in English
};

constexpr RangeCheck principalCheck{Field::Text1, [](double v) { return v == 0 || v < 1 || v > 10000000; },
                                    WORDING_NOOP("InputChecks", "enter a Principal between $1 and $10000,000")};
constexpr RangeCheck rateCheck{Field::Text2, [](double v) { return v < 1 || v > 25; },
                               WORDING_NOOP("InputChecks", "enter an Annual Interest Rate between 1% and 25%")};
constexpr RangeCheck periodCheck{Field::Text3, [](double v) { return v < 1 || v > 50; },
                                 WORDING_NOOP("InputChecks", "enter an Amortization Period between 1 and 50 years")};

// Reads the field exactly as Calculate will, so that a value the check lets pass is the value computed with.
bool runCheck(WindowOperations &form, const numtext::LocaleMarks &marks, const RangeCheck &check)
{
    const std::string text = form.getText(check.field);
    double value = 0;
    try {
        value = numtext::readNumber(text, marks);
    } catch (const numtext::ReadError &error) {
        // The user's text stays as typed, to be corrected rather than retyped.
        form.showMessage(unreadableInputMessage(error.kind(), check.field, text, marks));
        form.setFocus(check.field);
        return false;
    }
    if (!check.rejects(value))
        return true;
    // The field reads "1" while the message is up, and "1" passes, so leaving it again raises nothing.
    form.setText(check.field, numtext::localizedNumber(numtext::integerText(1), marks));
    form.showMessage(wording::translate("InputChecks", check.message));
    form.setFocus(check.field);
    return false;
}

} // namespace

bool Text1_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    return runCheck(form, marks, principalCheck);
}

bool Text2_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    return runCheck(form, marks, rateCheck);
}

bool Text3_LostFocus(WindowOperations &form, const numtext::LocaleMarks &marks)
{
    return runCheck(form, marks, periodCheck);
}

} // namespace commands
