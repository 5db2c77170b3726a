// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_rows.h"

#include <string_view>

namespace window {

namespace {

struct Row {
    std::string_view group;
    Field field;
    std::string_view caption; // the window's own caption, with its column where the window sets fields in a grid
};

constexpr std::string_view loan1 = "Loan 1";
constexpr std::string_view loan2 = "Loan 2";
constexpr std::string_view both = "Loan 1 and loan 2";
constexpr std::string_view blended = "The new blended loan with the blended rate";
constexpr std::string_view comparison = "Comparison of the new blended loan";

constexpr Row rows[] = {
    {loan1, Field::Text1, "Principal1"},
    {loan1, Field::Text2, "AIR1 (%)"},
    {loan1, Field::Text3, "Amortization Period (years)"},
    {loan1, Field::Text21, "Effective annual rate 1 (%)"},
    {loan1, Field::Text4, "Monthly Payment 1"},
    {loan1, Field::Text8, "Total Interest 1"},
    {loan1, Field::Text22, "FV1"},
    {loan2, Field::Text6, "Principal2"},
    {loan2, Field::Text7, "AIR2 (%)"},
    {loan2, Field::Text66, "Effective annual rate 2 (%)"},
    {loan2, Field::Text10, "Monthly Payment 2"},
    {loan2, Field::Text12, "Total Interest 2"},
    {loan2, Field::Text13, "FV2"},
    {both, Field::Text26, "Combined monthly payment 1 and payment 2"},
    {both, Field::Text27, "Total Interest cost of loan1 and loan 2"},
    {blended, Field::Text16, "Principal"},
    {blended, Field::Text17, "AIR (%)"},
    {blended, Field::Text15, "Effective annual rate (%)"},
    {blended, Field::Text19, "Monthly Payment"},
    {blended, Field::Text20, "Total Interest"},
    {comparison, Field::Text5, "Blended Rate, AIR (%)"},
    {comparison, Field::Text14, "Average Rate, AIR (%)"},
    {comparison, Field::Text11, "Weighted Average Rate, AIR (%)"},
    {comparison, Field::Text23, "Blended Rate, Total Interest"},
    {comparison, Field::Text24, "Average Rate, Total Interest"},
    {comparison, Field::Text25, "Weighted Average Rate, Total Interest"},
    {comparison, Field::Text29, "Average Rate, Amortization Period (years)"},
    {comparison, Field::Text30, "Weighted Average Rate, Amortization Period (years)"},
    {comparison, Field::Text31, "Blended Rate, Monthly Payment"},
    {comparison, Field::Text32, "Average Rate, Monthly Payment"},
    {comparison, Field::Text33, "Weighted Average Rate, Monthly Payment"},
};

} // namespace

std::vector<ReportGroup> reportGroups(const WindowOperations &form)
{
    std::vector<ReportGroup> groups;
    for (const Row &row : rows) {
        if (groups.empty() || groups.back().title != row.group)
            groups.push_back({std::string(row.group), {}});
        groups.back().rows.push_back({std::string(row.caption), form.getText(row.field)});
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

} // namespace window
