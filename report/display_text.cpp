// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_text.h"

#include "numtext/localized_number.h"

#include <QLocale>
#include <cstdint>
#include <string>

namespace report {

QString moneyText(schedule::Cents cents, const numtext::LocaleMarks &marks)
{
    // The magnitude as unsigned, so that the most negative amount has one too.
    const auto magnitude = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    const std::string units = std::to_string(magnitude / 100);
    std::string plain;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0 && (units.size() - i) % 3 == 0)
            plain += ',';
        plain += units[i];
    }
    const auto hundredths = magnitude % 100;
    plain += hundredths < 10 ? ".0" : ".";
    plain += std::to_string(hundredths);
    return toQString((cents < 0 ? marks.minus : std::string()) + "$" + numtext::localizedNumber(plain, marks));
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

} // namespace report
