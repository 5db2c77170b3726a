// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_rows.h"

#include "form_table.h"
#include "result_map.h"
#include "wording/wording.h"

#include <span>
#include <string_view>

namespace commands {

namespace {

constexpr Field loan1Fields[]{Field::Text1, Field::Text2, Field::Text3, Field::Text21,
                              Field::Text4, Field::Text8, Field::Text22};
constexpr Field loan2Fields[]{Field::Text6, Field::Text7, Field::Text66, Field::Text10, Field::Text12, Field::Text13};
constexpr Field bothFields[]{Field::Text26, Field::Text27};
constexpr Field blendedFields[]{Field::Text16, Field::Text17, Field::Text15, Field::Text19, Field::Text20};
constexpr Field comparisonFields[]{Field::Text5,  Field::Text14, Field::Text11, Field::Text23,
                                   Field::Text24, Field::Text25, Field::Text29, Field::Text30,
                                   Field::Text31, Field::Text32, Field::Text33};

struct Group {
    const char *title;
    std::span<const Field> fields;
};

constexpr Group groupTable[]{
    {WORDING_NOOP("ReportRows", "Loan 1"), loan1Fields},
    {WORDING_NOOP("ReportRows", "Loan 2"), loan2Fields},
    {WORDING_NOOP("ReportRows", "Loan 1 and loan 2"), bothFields},
    {WORDING_NOOP("ReportRows", "The new blended loan with the blended rate"), blendedFields},
    {WORDING_NOOP("ReportRows", "Comparison of the new blended loan"), comparisonFields},
};

} // namespace

std::vector<ReportGroup> reportGroups(const CalculationOutcome &outcome, const numtext::LocaleMarks &marks)
{
    std::vector<ReportGroup> groups;
    for (const Group &group : groupTable) {
        ReportGroup &shown = groups.emplace_back(ReportGroup{wording::translate("ReportRows", group.title), {}});
        for (const Field field : group.fields) {
            const form::TextBoxSpec &spec = form::textBox(field);
            std::string text = spec.role == form::Role::Input ? outcome.inputText(field)
                : outcome.unreadable                          ? std::string()
                                                              : resultText(outcome, field, marks);
            shown.rows.push_back({field, form::shown(spec.caption), std::move(text)});
        }
    }
    return groups;
}

std::string tabSeparatedLines(const std::vector<ReportGroup> &groups)
{
    std::string lines;
    for (const ReportGroup &group : groups)
        for (const CaptionedText &row : group.rows)
            lines += row.caption + '\t' + row.text + '\n';
    return lines;
}

} // namespace commands
