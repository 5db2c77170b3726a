// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_form.h"
#include "window/commands.h"
#include "window/report_rows.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(ReportRows, hold_every_input_and_result_once_with_the_text_the_window_shows)
{
    FakeForm form;
    window::Command1_Click(form, {".", ",", "$"});
    std::set<std::string> captions;
    for (const auto &group : window::reportGroups(form))
        for (const auto &row : group.rows)
            captions.insert(group.title + ": " + row.caption);
    EXPECT_EQ(captions.size(), 31u);
    const std::string lines = window::tabSeparatedLines(window::reportGroups(form));
    EXPECT_EQ(lines.rfind("Principal1\t355000\nAIR1 (%)\t2.99\n", 0), 0u);
    EXPECT_NE(lines.find("Weighted Average Rate, Amortization Period (years)\t19.99\n"), std::string::npos);
}

} // namespace
