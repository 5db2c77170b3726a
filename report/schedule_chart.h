// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "schedule/repayment_schedule.h"

#include <QChart>
#include <QLocale>
#include <QPen>
#include <array>
#include <optional>
#include <span>
#include <vector>

class QCategoryAxis;
class QLineSeries;
class QPalette;
class QScatterSeries;

namespace report {

// One line of the chart as its legend shows it.
struct LegendEntry {
    QString name;
    QPen pen;
    QString payoff; // "paid off in December 2046"
};

enum class ChartKind {
    Balance, // what remains owed after each payment
    CumulativeInterest, // the interest paid up to and including each payment
};

// The schedules over time as four lines: loans 1 and 2 added together, the blended loan and the two
// combined-payment plans, each with its payoff month marked. Axis labels are in the user's notation.
class ScheduleChart : public QChart {
    Q_OBJECT

public:
    explicit ScheduleChart(numtext::LocaleMarks marks, QGraphicsItem *parent = nullptr);

    // `schedules` in schedule::allPlans order; a line whose plans are not listed is left out.
    void setSchedules(std::span<const schedule::Schedule> schedules, ChartKind kind);

    // Light or dark to match the palette, so that lines and labels read on either.
    void followPalette(const QPalette &palette);

    // The lines shown, with their pens and payoff months. The chart draws no legend of its own: one beside it can
    // give every name in full, however narrow the chart.
    std::vector<LegendEntry> legendEntries() const;

    static constexpr int lineCount = 4;

private:
    struct Line {
        QLineSeries *curve = nullptr;
        QScatterSeries *payoff = nullptr;
    };

    void stylePens();

    numtext::LocaleMarks m_marks;
    QLocale m_locale;
    schedule::Month m_firstPayment{}; // of the time axis shown, to label it again as the plot's width changes
    int m_lastValue = 0;
    std::array<Line, lineCount> m_lines{};
    std::array<std::optional<schedule::Month>, lineCount> m_payoffs{};
    QCategoryAxis *m_timeAxis = nullptr;
    QCategoryAxis *m_moneyAxis = nullptr;
};

} // namespace report
