// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_chart.h"

#include "chart_ticks.h"
#include "commands/comparison_results.h"
#include "localtext/display_text.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPalette>
#include <QScatterSeries>
#include <algorithm>

namespace report {

using localtext::toQString;

namespace {

QList<QPointF> pointsOf(const std::vector<compare::Cents> &values)
{
    QList<QPointF> points;
    points.reserve(qsizetype(values.size()));
    for (std::size_t k = 0; k < values.size(); ++k)
        points.append({double(k), double(values[k]) / 100});
    return points;
}

// Each way keeps its colour in the light and the dark theme and in print, whatever order a theme gives its series
// colours in: those of the light theme, which read on a dark background too.
const QColor keepColour{0x20, 0x9f, 0xdf};
// With a dash of its own each, so that the ways read apart in print and for colour blindness.
const std::array<QColor, 3> offerColours{QColor(0x99, 0xca, 0x53), QColor(0xf6, 0xa6, 0x25), QColor(0xc0, 0x6c, 0xd8)};
const std::array<Qt::PenStyle, 3> offerDashes{Qt::DashLine, Qt::DashDotLine, Qt::DashDotDotLine};
const QColor horizonColour{0x80, 0x80, 0x80}; // a grey that reads on white, on a dark window and in print

} // namespace

ComparisonChart::ComparisonChart(numtext::LocaleMarks marks, QGraphicsItem *parent)
    : QChart(parent)
    , m_marks(std::move(marks))
    , m_keep(new QLineSeries)
    , m_offers{new QLineSeries, new QLineSeries, new QLineSeries}
    , m_breakEvens{new QScatterSeries, new QScatterSeries, new QScatterSeries}
    , m_horizon(new QLineSeries)
    , m_timeAxis(new QCategoryAxis)
    , m_moneyAxis(new QCategoryAxis)
{
    m_keep->setName(QCoreApplication::translate("ComparisonChart", "Keep both loans"));
    m_offers[0]->setName(QCoreApplication::translate("ComparisonChart", "Take the offer"));
    for (QScatterSeries *breakEven : m_breakEvens) {
        breakEven->setName(QCoreApplication::translate("ComparisonChart", "Break-even month"));
        breakEven->setMarkerSize(11);
    }
    m_horizon->setName(QCoreApplication::translate("ComparisonChart", "Years you expect to keep it"));
    for (QCategoryAxis *axis : {m_timeAxis, m_moneyAxis})
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    addAxis(m_timeAxis, Qt::AlignBottom);
    addAxis(m_moneyAxis, Qt::AlignLeft);
    // As many years as the plot's width shows side by side: a narrow chart (a large scale) shows fewer.
    connect(this, &QChart::plotAreaChanged, this, [this](const QRectF &area) {
        if (m_lastValue > 0)
            labelTimeAxis(*m_timeAxis, m_firstPayment, m_lastValue, m_locale, area.width());
    });
    std::vector<QXYSeries *> all{m_keep};
    all.insert(all.end(), m_offers.begin(), m_offers.end());
    all.insert(all.end(), m_breakEvens.begin(), m_breakEvens.end());
    all.push_back(m_horizon);
    for (QXYSeries *series : all) {
        addSeries(series);
        series->attachAxis(m_timeAxis);
        series->attachAxis(m_moneyAxis);
    }
    legend()->hide();
    setTheme(ChartThemeLight);
    stylePens();
}

// Named, with the horizon's line, by legendEntries, where a legend beside or below the chart gives every name in
// full; the chart's own would cut them short. The dot of each break-even month is explained with the chart.
std::vector<LegendEntry> ComparisonChart::legendEntries() const
{
    std::vector<LegendEntry> entries{{m_keep->name(), m_keep->pen(), {}},
                                     {m_offers[0]->name(), m_offers[0]->pen(), {}}};
    for (std::size_t o = 1; o < m_offers.size(); ++o)
        if (!m_offers[o]->points().isEmpty())
            entries.push_back({m_offers[o]->name(), m_offers[o]->pen(), {}});
    if (!m_horizon->points().isEmpty())
        entries.push_back({m_horizon->name(), m_horizon->pen(), {}});
    return entries;
}

void ComparisonChart::setComparison(const compare::Comparison &comparison, schedule::Month firstPayment,
                                    ComparisonChartKind kind)
{
    const bool drawn = !comparison.refusal;
    const bool cost = kind == ComparisonChartKind::CostSoFar;
    const QList<QPointF> keep
        = drawn ? pointsOf(cost ? comparison.keep.costSoFar : comparison.keep.balanceOwed) : QList<QPointF>{};
    m_keep->setName(
        toQString(commands::shownColumnTitle(commands::ComparisonColumn::Keep, comparison.keep.schedules.size())));
    m_keep->replace(keep);
    const std::size_t offers = drawn ? comparison.offers.size() : 0;
    std::vector<QList<QPointF>> lines{keep};
    for (std::size_t o = 0; o < m_offers.size(); ++o) {
        const bool offerDrawn = o < offers && !comparison.offers[o].refusal;
        const compare::Way *way = offerDrawn ? &comparison.offers[o].way : nullptr;
        const QList<QPointF> offer = way ? pointsOf(cost ? way->costSoFar : way->balanceOwed) : QList<QPointF>{};
        if (o < offers)
            m_offers[o]->setName(offers == 1 && comparison.offers[o].name.empty()
                                     ? QCoreApplication::translate("ComparisonChart", "Take the offer")
                                     : toQString(commands::offerHeading(comparison.offers[o].name, o)));
        m_offers[o]->replace(offer);
        lines.push_back(offer);
        // On the offer's line where it is ahead for good; a curve that has ended stays at its last value.
        QList<QPointF> mark;
        const std::optional<int> breakEven = offerDrawn ? comparison.offers[o].breakEvenMonth : std::nullopt;
        if (cost && breakEven && !offer.isEmpty()) {
            const qsizetype k = std::min<qsizetype>(*breakEven, offer.size() - 1);
            mark.append({double(*breakEven), offer[k].y()});
        }
        m_breakEvens[o]->replace(mark);
    }

    m_horizon->clear();
    m_timeAxis->setVisible(drawn);
    m_moneyAxis->setVisible(drawn);
    if (!drawn)
        return;
    double lastValue = 1;
    double high = 0;
    for (const QList<QPointF> &line : lines)
        for (const QPointF &point : line) {
            lastValue = std::max(lastValue, point.x());
            high = std::max(high, point.y());
        }
    m_firstPayment = firstPayment;
    m_lastValue = int(lastValue);
    setTimeAxis(*m_timeAxis, firstPayment, int(lastValue), m_locale, plotArea().width());
    // Costs so far and balances are never below 0: interest and fees only add up.
    setMoneyAxis(*m_moneyAxis, high, m_marks);
    // The horizon across the whole height, at the month it ends.
    if (const std::optional<int> horizon = comparison.horizonMonths) {
        m_horizon->replace({{double(*horizon), m_moneyAxis->min()}, {double(*horizon), m_moneyAxis->max()}});
    }
    // A dot on an axis would be cut in half by the plot's edge: the axis starts a little before it instead.
    for (const QScatterSeries *breakEven : m_breakEvens) {
        if (breakEven->points().isEmpty())
            continue;
        constexpr double margin = 0.03; // of the axis's range: more than the dot's radius on a chart of 200 pixels
        if (breakEven->points().front().x() == 0)
            m_timeAxis->setMin(-margin * m_timeAxis->max());
        if (breakEven->points().front().y() == 0)
            m_moneyAxis->setMin(-margin * m_moneyAxis->max());
    }
}

void ComparisonChart::followPalette(const QPalette &palette)
{
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    setTheme(dark ? ChartThemeDark : ChartThemeLight);
    setBackgroundBrush(palette.brush(QPalette::Window));
    legend()->hide(); // a theme shows it again
    stylePens();
}

// Each line keeps a dash of its own besides its colour, so the two read apart in print and for colour blindness.
void ComparisonChart::stylePens()
{
    QPen keep = m_keep->pen();
    keep.setColor(keepColour);
    keep.setWidthF(2.5);
    keep.setStyle(Qt::SolidLine);
    m_keep->setPen(keep);
    for (std::size_t o = 0; o < m_offers.size(); ++o) {
        QPen offer = m_offers[o]->pen();
        offer.setColor(offerColours[o]);
        offer.setWidthF(2.5);
        offer.setStyle(offerDashes[o]);
        m_offers[o]->setPen(offer);
        m_breakEvens[o]->setColor(offerColours[o]);
        m_breakEvens[o]->setBorderColor(backgroundBrush().color());
    }
    QPen horizon = m_horizon->pen();
    horizon.setColor(horizonColour);
    horizon.setWidthF(1.5);
    horizon.setStyle(Qt::DotLine);
    m_horizon->setPen(horizon);
}

} // namespace report
