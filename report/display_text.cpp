// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_text.h"

#include "numtext/render.h"

#include <QLocale>

namespace report {

QString moneyText(schedule::Cents cents, const numtext::LocaleMarks &marks)
{
    // cents / 100 is the double nearest the decimal amount, whose shortest form the renderer rounds: the two
    // decimals come out exactly as the cents say.
    return fromUtf8(numtext::render(double(cents) / 100, "$#,##0.00", marks));
}

QString monthText(schedule::Month month, const QLocale &locale)
{
    return locale.standaloneMonthName(month.month, QLocale::LongFormat) + ' ' + QString::number(month.year);
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

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace report
