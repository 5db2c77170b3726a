// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_summary.h"

#include "localtext/display_text.h"
#include "numtext/left_to_right_figure.h"
#include "numtext/render.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace report {

using localtext::moneyText;
using localtext::monthText;
using localtext::toQString;

namespace {

// The window's figure with two more decimals than it shows, enough to see the fractions of a cent.
QString unroundedMoneyText(std::optional<double> amount, const numtext::LocaleMarks &marks)
{
    if (!amount || !std::isfinite(*amount))
        return QCoreApplication::translate("PlanSummary", "not available");
    return toQString(numtext::render(*amount, "$#,##0.00##", marks));
}

// Whole cents, as schedule::interestDifference counts them: "49 cents", "1 cent", "-3 cents".
QString differenceText(std::optional<schedule::Cents> cents, const numtext::LocaleMarks &marks)
{
    if (!cents)
        return QCoreApplication::translate("PlanSummary", "not available");
    const QString figure = toQString(
        numtext::leftToRightFigure(numtext::render(double(*cents), "#,##0", numtext::leftToRightMarks(marks))));
    // The count, at most half a cent a payment, picks the plural form; the figure keeps its sign and the user's
    // digits.
    const int count = int(std::abs(cents.value()));
    //: %1 is the number of cents with its sign, such as -3.
    return QCoreApplication::translate("PlanSummary", "%1 cents", nullptr, count).arg(figure);
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
        {"payments", QCoreApplication::translate("PlanSummary", "Number of payments"),
         toQString(numtext::render(double(schedule.payments.size()), "#,##0", marks))},
        {"finalPayment", QCoreApplication::translate("PlanSummary", "Final payment"), moneyText(*finalPayment, marks)},
        {"totalPaid", QCoreApplication::translate("PlanSummary", "Total paid"), moneyText(schedule.totalPaid, marks)},
        {"totalInterest", QCoreApplication::translate("PlanSummary", "Total interest"),
         moneyText(schedule.totalInterest, marks)},
        {"windowInterest", QCoreApplication::translate("PlanSummary", "The window's total interest, unrounded"),
         unroundedMoneyText(schedule.exactInterest, marks)},
        {"interestDifference", QCoreApplication::translate("PlanSummary", "Difference, schedule less window"),
         differenceText(schedule::interestDifference(schedule), marks)},
        {"payoffMonth", QCoreApplication::translate("PlanSummary", "Paid off in"), monthText(*payoffMonth, locale)},
    };
}

QString notListedText(const schedule::Schedule &schedule)
{
    QString reason = toQString(schedule.notListedReason);
    // The reason ends the sentence, whatever mark it ends with already.
    if (reason.endsWith('.'))
        reason.chop(1);
    //: %1 is the reason, such as "the payment does not cover the interest".
    QString text = QCoreApplication::translate("PlanSummary", "This plan cannot be listed: %1.").arg(reason);
    if (text.endsWith(QLatin1String("!.")) || text.endsWith(QLatin1String("?.")))
        text.chop(1);
    return text;
}

QString reconciliationNote()
{
    return QCoreApplication::translate("PlanSummary",
                                       "The schedule rounds each month's interest to the cent; the window's figures "
                                       "are unrounded, so their totals of interest differ by the sum of those "
                                       "roundings.");
}

} // namespace report
