// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_content.h"

#include "commands/form_table.h"
#include "commands/report_rows.h"
#include "localtext/display_text.h"

namespace report {

using localtext::toQString;

ReportContent reportContentOf(const commands::CalculationOutcome &outcome, std::vector<schedule::Schedule> schedules,
                              std::optional<commands::ComparisonOutcome> comparison, schedule::Month firstPayment,
                              const numtext::LocaleMarks &marks, QDate date)
{
    ReportContent content;
    content.title = toQString(commands::form::shown(commands::form::programTitle));
    content.date = date;
    for (const commands::ReportGroup &group : commands::reportGroups(outcome, marks)) {
        ReportSection section{toQString(group.title), {}};
        for (const commands::CaptionedText &row : group.rows)
            section.rows.emplace_back(toQString(row.caption), toQString(row.text));
        content.sections.push_back(std::move(section));
    }
    content.schedules = std::move(schedules);
    content.marks = marks;
    content.comparison = std::move(comparison);
    content.firstPayment = firstPayment;
    return content;
}

} // namespace report
