// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_text.h"

#include "numtext/cents_text.h"

#include <QLocale>

namespace localtext {

QString moneyText(schedule::Cents cents, const numtext::LocaleMarks &marks)
{
    return toQString(numtext::centsText(cents, marks));
}

QString wholeNumberText(qint64 number, const QLocale &locale)
{
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return ungrouped.toString(number);
}

QString monthText(schedule::Month month, const QLocale &locale)
{
    return locale.standaloneMonthName(month.month, QLocale::LongFormat) + ' ' + wholeNumberText(month.year, locale);
}

schedule::Month monthOf(QDate date)
{
    return {date.year(), date.month()};
}

QDate firstDayOf(schedule::Month month)
{
    return {month.year, month.month, 1};
}

schedule::Month defaultFirstPayment(QDate today)
{
    return schedule::addMonths(monthOf(today), 1);
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace localtext
