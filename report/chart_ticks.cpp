// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_ticks.h"

#include "localtext/display_text.h"
#include "numtext/render.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace report {

using localtext::toQString;
using localtext::wholeNumberText;

namespace {

constexpr int maximumTicks = 8; // as timeTicks gives by default

// The value at which the payment of `month` stands on the time axis.
int valueOf(schedule::Month month, schedule::Month firstPayment)
{
    return (month.year - firstPayment.year) * 12 + (month.month - firstPayment.month) + 1;
}

std::vector<Tick> yearTicks(schedule::Month firstPayment, int lastValue, const QLocale &locale, int most)
{
    for (const int step : {1, 2, 5, 10, 20, 25, 50, 100}) {
        std::vector<Tick> ticks;
        for (int year = firstPayment.year + 1;; ++year) {
            if (year % step != 0)
                continue;
            const int value = valueOf({year, 1}, firstPayment);
            if (value > lastValue)
                break;
            ticks.push_back({wholeNumberText(year, locale), double(value)});
        }
        if (ticks.size() <= std::size_t(most))
            return ticks;
    }
    return {};
}

std::vector<Tick> monthTicks(schedule::Month firstPayment, int lastValue, const QLocale &locale, int most)
{
    for (const int step : {1, 2, 3, 6, 12}) {
        std::vector<Tick> ticks;
        for (int value = 1; value <= lastValue; value += step) {
            const schedule::Month month = schedule::addMonths(firstPayment, value - 1);
            ticks.push_back({locale.standaloneMonthName(month.month, QLocale::ShortFormat) + ' '
                                 + wholeNumberText(month.year, locale),
                             double(value)});
        }
        if (ticks.size() <= std::size_t(most))
            return ticks;
    }
    return {};
}

} // namespace

std::vector<Tick> timeTicks(schedule::Month firstPayment, int lastValue, const QLocale &locale, int most)
{
    std::vector<Tick> ticks = yearTicks(firstPayment, lastValue, locale, most);
    if (ticks.size() >= std::min<std::size_t>(3, std::size_t(most)))
        return ticks;
    std::vector<Tick> months = monthTicks(firstPayment, lastValue, locale, most);
    return months.empty() ? ticks : months;
}

std::vector<Tick> moneyTicks(double maximum, const numtext::LocaleMarks &marks)
{
    if (!(maximum > 0) || !std::isfinite(maximum))
        maximum = 1;
    const double rough = maximum / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    step = std::max(step, 0.01); // a cent: the smallest step whose labels stay distinct
    // From ten million up, labels count in the largest of millions, billions or trillions that the step holds
    // whole at least once ("$3,000bn"), so that they stay short enough for a narrow chart.
    struct Unit {
        double size;
        const char *suffix;
    };
    Unit unit{1, ""};
    if (maximum >= 1e7)
        //: Short units after an axis's amounts ("$3,000bn"): millions, billions (10^9), trillions (10^12).
        for (const Unit larger :
             {Unit{1e6, QT_TRANSLATE_NOOP("ChartTicks", "M")}, Unit{1e9, QT_TRANSLATE_NOOP("ChartTicks", "bn")},
              Unit{1e12, QT_TRANSLATE_NOOP("ChartTicks", "T")}})
            if (step >= larger.size)
                unit = larger;
    const double shownStep = step / unit.size;
    // Steps that are not whole units (0.5, 2.5) need their fraction shown, or the labels would be rounded and
    // could repeat.
    const bool whole = shownStep == std::floor(shownStep);
    const std::string pattern = whole ? "$#,##0" : unit.size == 1 ? "$#,##0.00" : "$#,##0.0";
    std::vector<Tick> ticks;
    for (int i = 1;; ++i) {
        const double value = i * step;
        ticks.push_back({toQString(numtext::render(i * shownStep, pattern, marks))
                             + (*unit.suffix ? QCoreApplication::translate("ChartTicks", unit.suffix) : QString()),
                         value});
        if (value >= maximum)
            break;
    }
    return ticks;
}

namespace {

void setTicks(QCategoryAxis &axis, const std::vector<Tick> &ticks)
{
    // The same labels again would lay the chart out again, and its plot area's change call for them once more.
    const QStringList labels = axis.categoriesLabels();
    if (std::size_t(labels.size()) == ticks.size()
        && std::equal(ticks.begin(), ticks.end(), labels.begin(), [&axis](const Tick &tick, const QString &label) {
               return tick.label == label && axis.endValue(label) == tick.value;
           }))
        return;
    for (const QString &label : labels)
        axis.remove(label);
    for (const Tick &tick : ticks)
        axis.append(tick.label, tick.value);
}

} // namespace

void labelTimeAxis(QCategoryAxis &axis, schedule::Month firstPayment, int lastValue, const QLocale &locale,
                   double width)
{
    const QFontMetricsF metrics{axis.labelsFont()};
    constexpr double gap = 2; // the width of two digits between neighbouring labels
    std::vector<Tick> chosen;
    for (int most = maximumTicks; most >= 1; --most) {
        std::vector<Tick> ticks = timeTicks(firstPayment, lastValue, locale, most);
        if (ticks.empty())
            break; // fewer cannot be had: the fewest there were
        chosen = std::move(ticks);
        double widest = 0;
        for (const Tick &tick : chosen)
            widest = std::max(widest, metrics.horizontalAdvance(tick.label));
        if (width <= 0 || double(chosen.size()) * (widest + gap * metrics.averageCharWidth()) <= width)
            break;
    }
    setTicks(axis, chosen);
}

void setTimeAxis(QCategoryAxis &axis, schedule::Month firstPayment, int lastValue, const QLocale &locale, double width)
{
    labelTimeAxis(axis, firstPayment, lastValue, locale, width);
    axis.setStartValue(0);
    axis.setRange(0, lastValue);
}

void setMoneyAxis(QCategoryAxis &axis, double maximum, const numtext::LocaleMarks &marks)
{
    // A start a hair below 0 lets the axis label 0 itself; a category may not end where the axis starts.
    std::vector<Tick> ticks = moneyTicks(maximum, marks);
    const double top = ticks.back().value;
    ticks.insert(ticks.begin(), {toQString(numtext::render(0, "$0", marks)), 0});
    setTicks(axis, ticks);
    axis.setStartValue(-top * 1e-9);
    axis.setRange(0, top);
}

} // namespace report
