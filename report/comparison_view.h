// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/comparison_outcome.h"

class QWidget;

namespace report {

// The comparison window as the calculator drives it, whether linked in (ComparisonWindow) or loaded with the
// report module. Its inputs are the user's; the calculator fills them only when it first opens, when the user asks,
// and from a scenario opened or restored, and owns the first-payment month the comparison shares with the
// schedules.
class ComparisonView {
public:
    virtual ~ComparisonView() = default;

    virtual QWidget *widget() = 0;
    // The inputs as typed.
    virtual commands::ComparisonTexts texts() const = 0;
    // Replaces every input, and compares afresh.
    virtual void setTexts(const commands::ComparisonTexts &texts) = 0;
    virtual void setFirstPayment(schedule::Month month) = 0;
    // The comparison of the inputs as they stand, made once after each change: what the window shows, and what
    // the CSV and the report take. A change still waiting to be compared is compared first.
    virtual const commands::ComparisonOutcome &outcome() = 0;
};

} // namespace report
