// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_marks.h"

#include <QLocale>
#include <QStringList>

namespace localtext {

namespace {

// The group sizes as the locale writes a ten-digit number: "1,23,45,67,890" gives 3 nearest the decimal mark and
// 2 further left. A locale that omits grouping by default (C) is asked to group for this, since its grouping mark
// is still read; one that shows fewer than three groups keeps threes for the groups it does not show.
void readGroupSizes(const QLocale &locale, numtext::LocaleMarks &marks)
{
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString separator = grouping.groupSeparator();
    if (separator.isEmpty())
        return;
    const QStringList groups = grouping.toString(qlonglong(1234567890)).split(separator);
    // Digits are counted as code points: some locales' digits lie outside the Basic Multilingual Plane.
    const auto digitsIn = [](const QString &group) { return int(group.toUcs4().size()); };
    if (groups.size() >= 2)
        marks.primaryGroup = digitsIn(groups.last());
    marks.secondaryGroup = groups.size() >= 3 ? digitsIn(groups.at(groups.size() - 2)) : marks.primaryGroup;
}

} // namespace

numtext::LocaleMarks marksOf(const QLocale &locale)
{
    numtext::LocaleMarks marks;
    marks.decimal = locale.decimalPoint().toStdString();
    marks.grouping = locale.groupSeparator().toStdString();
    marks.currency = locale.currencySymbol(QLocale::CurrencySymbol).toStdString();
    marks.zeroDigit = locale.zeroDigit().toStdString();
    marks.percent = locale.percent().toStdString();
    marks.minus = locale.negativeSign().toStdString();
    readGroupSizes(locale, marks);
    return marks;
}

} // namespace localtext
