// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_export.h"

#include "atomic_save.h"
#include "schedule/schedules_csv.h"

#include <QIODevice>

namespace report {

bool exportSchedulesCsv(const std::vector<schedule::Schedule> &schedules, const QString &path,
                        const numtext::LocaleMarks &marks, QString &error)
{
    const std::string csv = schedule::schedulesCsv(schedules, marks.decimal);
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

} // namespace report
