// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/comparison.h"
#include "numtext/locale_marks.h"
#include "schedule_chart.h" // LegendEntry

#include <QChart>
#include <QLocale>
#include <array>
#include <vector>

class QCategoryAxis;
class QLineSeries;
class QPalette;
class QScatterSeries;

namespace report {

enum class ComparisonChartKind {
    CostSoFar, // what each way has cost after each month: paid and still owed, less today's balances
    BalanceOwed,
};

// Keeping both loans and taking the offer over the months, as two lines, the break-even month marked on the
// offer's line and the horizon, where there is one, as a dotted vertical line. Axis labels are in the user's
// notation.
class ComparisonChart : public QChart {
    Q_OBJECT

public:
    explicit ComparisonChart(numtext::LocaleMarks marks, QGraphicsItem *parent = nullptr);

    // A refused comparison draws nothing, and the chart says so.
    void setComparison(const compare::Comparison &comparison, schedule::Month firstPayment, ComparisonChartKind kind);

    // Light or dark to match the palette, so that lines and labels read on either.
    void followPalette(const QPalette &palette);
    // The two ways' names and pens, for a legend beside the chart where the chart's own would be cut short.
    std::vector<LegendEntry> legendEntries() const;

private:
    void stylePens();

    numtext::LocaleMarks m_marks;
    QLocale m_locale;
    schedule::Month m_firstPayment{}; // of the time axis shown, to label it again as the plot's width changes
    int m_lastValue = 0;
    QLineSeries *m_keep = nullptr;
    std::array<QLineSeries *, 3> m_offers{}; // each offer's line; empty past the offers compared
    std::array<QScatterSeries *, 3> m_breakEvens{}; // each offer's break-even month, on its line
    QLineSeries *m_horizon = nullptr; // a vertical line at the horizon, where there is one
    QCategoryAxis *m_timeAxis = nullptr;
    QCategoryAxis *m_moneyAxis = nullptr;
};

} // namespace report
