// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "commands/form_table.h"
#include "commands/report_rows.h"
#include "fake_form.h"

#include <gtest/gtest.h>
#include <set>

namespace {

const numtext::LocaleMarks pointComma{".", ",", "$"};

// The report and the copy are built from the outcome, the fields by the window's writes: they must agree.
TEST(ReportRows, hold_every_input_and_result_once_with_the_text_its_field_shows)
{
    FakeForm form;
    const commands::CalculationOutcome outcome = commands::Command1_Click(form, pointComma);
    std::set<commands::Field> fields;
    for (const auto &group : commands::reportGroups(outcome, pointComma))
        for (const auto &row : group.rows) {
            fields.insert(row.field);
            EXPECT_EQ(row.text, form.getText(row.field)) << row.caption;
            EXPECT_EQ(row.caption, commands::form::textBox(row.field).caption) << row.text;
        }
    EXPECT_EQ(fields.size(), 31u);
    const std::string lines = commands::tabSeparatedLines(commands::reportGroups(outcome, pointComma));
    EXPECT_EQ(lines.rfind("Principal1\t355000\nAIR1 (%)\t2.99\n", 0), 0u);
    EXPECT_NE(lines.find("Amortization Period (years), Weighted Average Rate\t19.99\n"), std::string::npos);
}

TEST(ReportRows, keep_the_figures_a_stopped_calculation_reached_and_leave_the_rest_empty)
{
    FakeForm form;
    form.type(commands::Field::Text7, "0");
    const commands::CalculationOutcome outcome = commands::Command1_Click(form, pointComma);
    int shown = 0;
    for (const auto &group : commands::reportGroups(outcome, pointComma))
        for (const auto &row : group.rows) {
            EXPECT_EQ(row.text, form.getText(row.field)) << row.caption;
            shown += row.text.empty() ? 0 : 1;
        }
    EXPECT_EQ(shown, 5 + 4); // the inputs and loan 1's four figures
}

// Whatever a loan's figure is called, a screen reader hears whose it is, and no other figure names one loan alone.
TEST(FormTable, every_loan_figure_is_named_after_its_own_loan)
{
    using commands::Field;
    const std::set<Field> ofLoan1{Field::Text1, Field::Text2, Field::Text21, Field::Text4, Field::Text8, Field::Text22};
    const std::set<Field> ofLoan2{Field::Text6,  Field::Text7,  Field::Text66, Field::Text9,
                                  Field::Text10, Field::Text12, Field::Text13};
    for (const auto &spec : commands::form::textBoxes()) {
        const std::string name = commands::form::accessibleName(spec);
        const bool names1 = name.find("loan 1") != std::string::npos || name.find('1') != std::string::npos;
        const bool names2 = name.find("loan 2") != std::string::npos || name.find('2') != std::string::npos;
        EXPECT_EQ(names1 && !names2, ofLoan1.contains(spec.field)) << name;
        EXPECT_EQ(names2 && !names1, ofLoan2.contains(spec.field)) << name;
    }
}

} // namespace
