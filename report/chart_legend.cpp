// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_legend.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace report {

namespace {

QString entryText(const LegendEntry &entry)
{
    if (entry.payoff.isEmpty())
        return entry.name;
    //: A legend's line: %1 is the line's name, %2 when it is paid off ("paid off in March 2055").
    return QCoreApplication::translate("ChartLegend", "%1, %2").arg(entry.name, entry.payoff);
}

// A short stretch of the line's pen, long enough to show its dashes.
void paintSample(QPainter &painter, const QRectF &area, QPen pen)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    const double y = area.center().y();
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.restore();
}

} // namespace

ChartLegend::ChartLegend(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QGridLayout(this))
{
    setObjectName("ChartLegend");
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setColumnStretch(1, 1);
}

// Rows are made once and then kept: after most Calculates only a payoff month changes, and a wrapped label is laid
// out afresh whenever it is set.
void ChartLegend::setEntries(const std::vector<LegendEntry> &entries)
{
    const int height = fontMetrics().height();
    const qreal ratio = devicePixelRatioF();
    for (std::size_t i = m_rows.size(); i < entries.size(); ++i) {
        Row &row = m_rows.emplace_back(Row{new QLabel(this), new QLabel(this), {}});
        row.text->setObjectName(QStringLiteral("legend_%1").arg(i));
        row.text->setTextFormat(Qt::PlainText); // an offer's name as typed, never read as markup
        row.text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        row.text->setWordWrap(true); // under a narrow chart, a long name goes on to a second line
        row.text->setFocusPolicy(Qt::StrongFocus);
        m_layout->addWidget(row.swatch, int(i), 0);
        m_layout->addWidget(row.text, int(i), 1);
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        row.swatch->setVisible(i < entries.size());
        row.text->setVisible(i < entries.size());
        if (i >= entries.size())
            continue;
        if (row.text->text() != entryText(entries[i]))
            row.text->setText(entryText(entries[i]));
        if (row.pen == entries[i].pen)
            continue;
        row.pen = entries[i].pen;
        QPixmap sample{QSize(3 * height, height) * ratio};
        sample.setDevicePixelRatio(ratio);
        sample.fill(Qt::transparent);
        QPainter painter{&sample};
        paintSample(painter, QRectF(0, 0, 3 * height, height), row.pen);
        painter.end();
        row.swatch->setPixmap(sample);
    }
}

double legendHeight(std::size_t entries, double lineHeight)
{
    return double(entries) * lineHeight * 1.4;
}

void paintLegend(QPainter &painter, const QRectF &area, const std::vector<LegendEntry> &entries)
{
    const double lineHeight = painter.fontMetrics().height();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QRectF row{area.left(), area.top() + double(i) * lineHeight * 1.4, area.width(), lineHeight * 1.4};
        const QRectF sample{row.left(), row.top(), 2.5 * lineHeight, row.height()};
        QPen pen = entries[i].pen;
        pen.setWidthF(lineHeight / 6);
        paintSample(painter, sample, pen);
        painter.drawText(row.adjusted(sample.width() + lineHeight / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         entryText(entries[i]));
    }
}

} // namespace report
