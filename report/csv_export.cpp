// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_export.h"

#include "compare/comparison_csv.h"
#include "localtext/display_text.h"
#include "saving/atomic_save.h"
#include "schedule/schedules_csv.h"

namespace report {

using localtext::toQString;

bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                        const numtext::LocaleMarks &marks, QString &error)
{
    return saving::saveBytesAtomically(path, schedule::schedulesCsv(schedules, marks.decimal), error);
}

bool exportComparisonCsv(const commands::ComparisonTexts &texts, schedule::Month firstPayment, const QString &path,
                         const numtext::LocaleMarks &marks, QString &error)
{
    const commands::ComparisonReading reading = commands::readComparison(texts, marks, firstPayment);
    if (!reading.problems.empty()) {
        error = QStringLiteral("The comparison was not saved: some of its inputs are marked as unusable.");
        return false;
    }
    const compare::Comparison comparison = compare::compareWays(reading.inputs);
    if (comparison.refusal) {
        error = QStringLiteral("The comparison was not saved: it cannot be made, since ")
            + toQString(comparison.refusal->reason) + '.';
        return false;
    }
    return saving::saveBytesAtomically(path, compare::comparisonCsv(comparison, reading.inputs, marks.decimal), error);
}

} // namespace report
