// SPDX-License-Identifier: GPL-3.0-or-later
#include "localtext/system_marks.h"
#include "numtext/read_number.h"
#include "reading_table.h"
#include "row_name.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

numtext::LocaleMarks marksOfLocale(const char *name)
{
    return localtext::marksOf(QLocale(QString::fromLatin1(name)));
}

class ReadingRuleTest : public testing::TestWithParam<ReadingRow> { };

TEST_P(ReadingRuleTest, reads_the_text_in_the_locale_notation_or_refuses_it)
{
    const ReadingRow &row = GetParam();
    const numtext::LocaleMarks marks = marksOfLocale(row.locale);
    if (row.value) {
        EXPECT_EQ(numtext::readNumber(row.text, marks), *row.value);
        return;
    }
    try {
        const double value = numtext::readNumber(row.text, marks);
        ADD_FAILURE() << "read as " << value;
    } catch (const numtext::ReadError &error) {
        EXPECT_EQ(error.kind(), numtext::ReadErrorKind::NotANumber);
    }
}

INSTANTIATE_TEST_SUITE_P(ReadNumber, ReadingRuleTest, testing::ValuesIn(readingTable), RowName{});

TEST(SystemMarks, carry_each_locale_notation)
{
    EXPECT_EQ(marksOfLocale("de_CH").grouping, "\u2019");
    EXPECT_EQ(marksOfLocale("fr_FR").grouping, "\u202F");
    EXPECT_EQ(marksOfLocale("de_DE").currency, "\u20AC");

    const numtext::LocaleMarks indian = marksOfLocale("hi_IN");
    EXPECT_EQ(indian.primaryGroup, 3);
    EXPECT_EQ(indian.secondaryGroup, 2);

    const numtext::LocaleMarks egyptian = marksOfLocale("ar_EG");
    EXPECT_EQ(egyptian.zeroDigit, "\u0660");
    EXPECT_EQ(egyptian.decimal, "\u066B");
    EXPECT_EQ(egyptian.grouping, "\u066C");
    EXPECT_EQ(egyptian.primaryGroup, 3);
    EXPECT_EQ(egyptian.secondaryGroup, 3);

    // C omits grouping when it writes numbers, but its "," groups in threes when read.
    const numtext::LocaleMarks c = marksOfLocale("C");
    EXPECT_EQ(c.grouping, ",");
    EXPECT_EQ(c.primaryGroup, 3);
    EXPECT_EQ(c.secondaryGroup, 3);
}

} // namespace
