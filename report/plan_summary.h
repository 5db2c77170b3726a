// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QString>
#include <vector>

class QLocale;

namespace report {

struct SummaryRow {
    const char *name; // a stable identifier, for object names and tests
    QString caption;
    QString text;
};

// What the schedules window and the report say above a listed plan's schedule: the number of payments, the
// final payment, the totals paid and of interest, the window's unrounded total interest beside the schedule's
// and their difference in cents, and the payoff month. Empty for a plan that is not listed.
std::vector<SummaryRow> planSummary(const schedule::Schedule &schedule, const numtext::LocaleMarks &marks,
                                    const QLocale &locale);

// "This plan cannot be listed: " and the schedule's reason, as one sentence.
QString notListedText(const schedule::Schedule &schedule);

// Why the schedule's total interest and the window's differ.
QString reconciliationNote();

} // namespace report
