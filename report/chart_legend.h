// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule_chart.h"

#include <QWidget>
#include <vector>

class QGridLayout;
class QLabel;
class QPainter;
class QRectF;

namespace report {

// The schedule chart's legend as a widget of its own: a sample of each line's pen, its name in full and its
// payoff month, as text a screen reader can read.
class ChartLegend : public QWidget {
    Q_OBJECT

public:
    explicit ChartLegend(QWidget *parent = nullptr);

    void setEntries(const std::vector<LegendEntry> &entries);

private:
    struct Row {
        QLabel *swatch;
        QLabel *text;
        QPen pen; // the one the swatch shows
    };

    QGridLayout *m_layout = nullptr;
    std::vector<Row> m_rows;
};

// The same legend painted into `area`, one line a row, for the report; the painter's font sets its size.
void paintLegend(QPainter &painter, const QRectF &area, const std::vector<LegendEntry> &entries);

// The height paintLegend needs for `entries` with a font `lineHeight` high.
double legendHeight(std::size_t entries, double lineHeight);

} // namespace report
