// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/comparison_outcome.h"
#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QString>
#include <vector>

namespace report {

// Saves every listed plan's payments as one CSV file (schedule::schedulesCsv, in the marks' decimal notation),
// atomically: a save that fails leaves any file already at `path` as it was and sets `error` to plain words.
bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                        const numtext::LocaleMarks &marks, QString &error);

// Both ways of a comparison as one CSV file (compare::comparisonCsv), saved the same way. A comparison that cannot
// be made is not saved, and `error` says why.
bool exportComparisonCsv(const commands::ComparisonOutcome &outcome, const QString &path,
                         const numtext::LocaleMarks &marks, QString &error);

} // namespace report
