// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/calculation.h"
#include "commands/comparison_outcome.h"
#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace report {

// A titled group of captions and their texts, as the window groups its inputs and results.
struct ReportSection {
    QString title;
    std::vector<std::pair<QString, QString>> rows;
};

// Everything one report shows: its title and date, the window's inputs and results in sections, the schedules of
// the last Calculate (in schedule::allPlans order), whose summaries, chart and tables follow, and, where the user
// has opened it, the comparison with an offer as its window holds it.
struct ReportContent {
    QString title;
    QDate date;
    std::vector<ReportSection> sections;
    std::vector<schedule::Schedule> schedules;
    numtext::LocaleMarks marks;
    std::optional<commands::ComparisonOutcome> comparison; // as its window holds it
    schedule::Month firstPayment; // of the schedules and the comparison
};

// The report of one Calculate's outcome: the program's title, the date, the window's inputs and results grouped as
// the window groups them, the schedules, and the comparison where there is one.
ReportContent reportContentOf(const commands::CalculationOutcome &outcome, std::vector<schedule::Schedule> schedules,
                              std::optional<commands::ComparisonOutcome> comparison, schedule::Month firstPayment,
                              const numtext::LocaleMarks &marks, QDate date);

} // namespace report
