// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QDate>
#include <QString>

class QLocale;

// How the windows, the report and the command line write amounts and months, so that all read the same.
namespace localtext {

// Whole cents as the window writes money: "$1,967.04" in the user's marks and digits. Written from the integer,
// so every cent is exact however large the amount.
QString moneyText(schedule::Cents cents, const numtext::LocaleMarks &marks);

// A count or a year in the locale's digits, without grouping: "1200", "١٢٠٠".
QString wholeNumberText(qint64 number, const QLocale &locale);

// "March 2026", "März 2026": the month's stand-alone name in the locale, then the year in its digits, ungrouped.
QString monthText(schedule::Month month, const QLocale &locale);

schedule::Month monthOf(QDate date);
QDate firstDayOf(schedule::Month month);

// The first payment month a schedule starts from until the user picks another: the month after `today`.
schedule::Month defaultFirstPayment(QDate today = QDate::currentDate());

// The UTF-8 text of the plain C++ libraries as a QString: the one way text crosses from them to Qt.
QString toQString(std::string_view text);

} // namespace localtext
