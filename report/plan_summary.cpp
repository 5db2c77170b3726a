// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_summary.h"

#include "localtext/display_text.h"
#include "numtext/left_to_right_figure.h"
#include "numtext/render.h"

#include <QLocale>
#include <cmath>

namespace report {

using localtext::moneyText;
using localtext::monthText;
using localtext::toQString;

namespace {

// The window's figure with two more decimals than it shows, enough to see the fractions of a cent.
QString unroundedMoneyText(std::optional<double> amount, const numtext::LocaleMarks &marks)
{
    if (!amount || !std::isfinite(*amount))
        return QStringLiteral("not available");
    return toQString(numtext::render(*amount, "$#,##0.00##", marks));
}

// Whole cents, as schedule::interestDifference counts them: "49 cents", "1 cent", "-3 cents".
QString differenceText(std::optional<schedule::Cents> cents, const numtext::LocaleMarks &marks)
{
    if (!cents)
        return QStringLiteral("not available");
    return toQString(
               numtext::leftToRightFigure(numtext::render(double(*cents), "#,##0", numtext::leftToRightMarks(marks))))
        + (*cents == 1 || *cents == -1 ? QStringLiteral(" cent") : QStringLiteral(" cents"));
}

} // namespace

std::vector<SummaryRow> planSummary(const schedule::Schedule &schedule, const numtext::LocaleMarks &marks,
                                    const QLocale &locale)
{
    const std::optional<schedule::Cents> finalPayment = schedule::finalPayment(schedule);
    const std::optional<schedule::Month> payoffMonth = schedule::payoffMonth(schedule);
    if (!finalPayment || !payoffMonth)
        return {};
    return {
        {"payments", QStringLiteral("Number of payments"),
         toQString(numtext::render(double(schedule.payments.size()), "#,##0", marks))},
        {"finalPayment", QStringLiteral("Final payment"), moneyText(*finalPayment, marks)},
        {"totalPaid", QStringLiteral("Total paid"), moneyText(schedule.totalPaid, marks)},
        {"totalInterest", QStringLiteral("Total interest"), moneyText(schedule.totalInterest, marks)},
        {"windowInterest", QStringLiteral("The window's total interest, unrounded"),
         unroundedMoneyText(schedule.exactInterest, marks)},
        {"interestDifference", QStringLiteral("Difference, schedule less window"),
         differenceText(schedule::interestDifference(schedule), marks)},
        {"payoffMonth", QStringLiteral("Paid off in"), monthText(*payoffMonth, locale)},
    };
}

QString notListedText(const schedule::Schedule &schedule)
{
    QString text = QStringLiteral("This plan cannot be listed: ") + toQString(schedule.notListedReason);
    if (!text.endsWith('.') && !text.endsWith('!') && !text.endsWith('?'))
        text += '.';
    return text;
}

QString reconciliationNote()
{
    return QStringLiteral("The schedule rounds each month's interest to the cent; the window's figures are "
                          "unrounded, so their totals of interest differ by the sum of those roundings.");
}

} // namespace report
