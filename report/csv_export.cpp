// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_export.h"

#include "compare/comparison_csv.h"
#include "localtext/display_text.h"
#include "saving/atomic_save.h"
#include "schedule/schedules_csv.h"

#include <QCoreApplication>

namespace report {

using localtext::toQString;

bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                        const numtext::LocaleMarks &marks, QString &error)
{
    return saving::saveBytesAtomically(path, schedule::schedulesCsv(schedules, marks.decimal), error);
}

bool exportComparisonCsv(const commands::ComparisonOutcome &outcome, const QString &path,
                         const numtext::LocaleMarks &marks, QString &error)
{
    if (!outcome.reading.problems.empty()) {
        error = QCoreApplication::translate("CsvExport",
                                            "The comparison was not saved: some of its inputs are marked as unusable.");
        return false;
    }
    const compare::Comparison &comparison = outcome.result;
    if (comparison.refusal) {
        //: %1 is why the comparison cannot be made, such as "the offer's rate is above 100 %".
        error = QCoreApplication::translate("CsvExport", "The comparison was not saved: it cannot be made, since %1.")
                    .arg(toQString(comparison.refusal->reason));
        return false;
    }
    return saving::saveBytesAtomically(path, compare::comparisonCsv(comparison, outcome.reading.inputs, marks.decimal),
                                       error);
}

} // namespace report
