// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_export.h"

#include "atomic_save.h"
#include "compare/comparison_csv.h"
#include "display_text.h"
#include "schedule/schedules_csv.h"

#include <QIODevice>

namespace report {

namespace {

bool saveCsv(const std::string &csv, const QString &path, QString &error)
{
    return saveAtomically(
        path,
        [&csv](QIODevice &file, QString &) {
            // A short write is no failure yet: the next one reports why the disk took no more.
            for (qint64 written = 0; written < qint64(csv.size());) {
                const qint64 count = file.write(csv.data() + written, qint64(csv.size()) - written);
                if (count <= 0)
                    return false;
                written += count;
            }
            return true;
        },
        error);
}

} // namespace

bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                        const numtext::LocaleMarks &marks, QString &error)
{
    return saveCsv(schedule::schedulesCsv(schedules, marks.decimal), path, error);
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
    return saveCsv(compare::comparisonCsv(comparison, reading.inputs, marks.decimal), path, error);
}

} // namespace report
