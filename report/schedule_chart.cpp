// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule_chart.h"

#include "chart_ticks.h"
#include "localtext/display_text.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPalette>
#include <QScatterSeries>
#include <algorithm>

namespace report {

using localtext::defaultFirstPayment;
using localtext::monthText;

namespace {

using schedule::Plan;
using schedule::Schedule;

// The first line joins both loans; the others are plans, named as the plans' list names them.
constexpr std::array<Plan, ScheduleChart::lineCount - 1> linePlans{Plan::BlendedLoan, Plan::CombinedAtAverageRate,
                                                                   Plan::CombinedAtWeightedRate};

QString lineName(std::size_t line)
{
    return line == 0 ? QCoreApplication::translate("ScheduleChart", "Loan 1 and loan 2")
                     : localtext::toQString(schedule::shownPlanName(linePlans[line - 1]));
}

// The lines often run close together (every plan repays the same principal over about the same time), so each
// has a dash pattern of its own as well as a colour.
constexpr std::array<Qt::PenStyle, ScheduleChart::lineCount> lineStyles{Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                                        Qt::DashDotLine};

const Schedule *find(std::span<const Schedule> schedules, Plan plan)
{
    const auto found
        = std::find_if(schedules.begin(), schedules.end(), [plan](const Schedule &s) { return s.plan == plan; });
    return found != schedules.end() && found->listed() && !found->payments.empty() ? &*found : nullptr;
}

struct Curve {
    QString name;
    QList<QPointF> points; // x: payments made, from 0; y: currency units
    std::optional<schedule::Month> payoff;
};

// One point before the first payment (x = 0) and one after each payment (x = its number).
Curve curveOf(const Schedule &schedule, ChartKind kind)
{
    Curve curve;
    curve.points.reserve(qsizetype(schedule.payments.size()) + 1);
    const schedule::Payment &first = schedule.payments.front();
    schedule::Cents interest = 0;
    curve.points.append({0, kind == ChartKind::Balance ? double(first.balance + first.principal) / 100 : 0});
    for (const schedule::Payment &payment : schedule.payments) {
        interest += payment.interest;
        const schedule::Cents value = kind == ChartKind::Balance ? payment.balance : interest;
        curve.points.append({double(payment.number), double(value) / 100});
    }
    curve.payoff = schedule.payments.back().month;
    return curve;
}

// Loans 1 and 2 share their period, so their points pair up month by month; a shorter one adds nothing more once
// it is over (its balance 0, its interest all paid), and the pair is paid off when the later one is.
Curve sumOf(const Curve &a, const Curve &b)
{
    const Curve &longer = a.points.size() >= b.points.size() ? a : b;
    const Curve &shorter = a.points.size() >= b.points.size() ? b : a;
    Curve sum = longer;
    for (qsizetype i = 0; i < sum.points.size(); ++i)
        sum.points[i].ry() += shorter.points[std::min(i, shorter.points.size() - 1)].y();
    return sum;
}

std::array<Curve, ScheduleChart::lineCount> curvesOf(std::span<const Schedule> schedules, ChartKind kind)
{
    std::array<Curve, ScheduleChart::lineCount> curves;
    const Schedule *loan1 = find(schedules, Plan::Loan1);
    const Schedule *loan2 = find(schedules, Plan::Loan2);
    // Where the calculation stopped at loan 2, loan 1 is the first line on its own.
    if (loan1 && loan2)
        curves[0] = sumOf(curveOf(*loan1, kind), curveOf(*loan2, kind));
    else if (loan1 || loan2)
        curves[0] = curveOf(loan1 ? *loan1 : *loan2, kind);
    if (loan1 && !loan2)
        curves[0].name = localtext::toQString(schedule::shownPlanName(Plan::Loan1));
    if (loan2 && !loan1)
        curves[0].name = localtext::toQString(schedule::shownPlanName(Plan::Loan2));
    for (std::size_t i = 0; i < linePlans.size(); ++i)
        if (const Schedule *plan = find(schedules, linePlans[i]))
            curves[i + 1] = curveOf(*plan, kind);
    return curves;
}

} // namespace

ScheduleChart::ScheduleChart(numtext::LocaleMarks marks, QGraphicsItem *parent)
    : QChart(parent)
    , m_marks(std::move(marks))
    , m_timeAxis(new QCategoryAxis)
    , m_moneyAxis(new QCategoryAxis)
{
    for (QCategoryAxis *axis : {m_timeAxis, m_moneyAxis})
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    addAxis(m_timeAxis, Qt::AlignBottom);
    addAxis(m_moneyAxis, Qt::AlignLeft);
    // As many years as the plot's width shows side by side: a narrow chart (a large scale) shows fewer.
    connect(this, &QChart::plotAreaChanged, this, [this](const QRectF &area) {
        if (m_lastValue > 0)
            labelTimeAxis(*m_timeAxis, m_firstPayment, m_lastValue, m_locale, area.width());
    });
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        Line &line = m_lines[i];
        line.curve = new QLineSeries;
        line.curve->setName(lineName(i));
        line.payoff = new QScatterSeries;
        //: The dot where a line of the chart ends: %1 is the line's name.
        line.payoff->setName(QCoreApplication::translate("ScheduleChart", "%1: paid off").arg(lineName(i)));
        line.payoff->setMarkerSize(9);
        for (QXYSeries *series : {static_cast<QXYSeries *>(line.curve), static_cast<QXYSeries *>(line.payoff)}) {
            addSeries(series);
            series->attachAxis(m_timeAxis);
            series->attachAxis(m_moneyAxis);
        }
    }
    legend()->hide();
    setTheme(ChartThemeLight);
    stylePens();
}

void ScheduleChart::setSchedules(std::span<const Schedule> schedules, ChartKind kind)
{
    const auto curves = curvesOf(schedules, kind);
    double lastValue = 1;
    double maximum = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const QList<QPointF> &points = curves[i].points;
        m_lines[i].curve->setName(curves[i].name.isEmpty() ? lineName(i) : curves[i].name);
        m_lines[i].curve->replace(points);
        m_lines[i].payoff->replace(points.isEmpty() ? QList<QPointF>{} : QList<QPointF>{points.back()});
        m_payoffs[i] = curves[i].payoff;
        for (const QPointF &point : points) {
            lastValue = std::max(lastValue, point.x());
            maximum = std::max(maximum, point.y());
        }
    }

    // With no plan listed there is nothing to draw: the axes go, and the chart says why.
    const bool anyLine = std::any_of(curves.begin(), curves.end(), [](const Curve &c) { return !c.points.isEmpty(); });
    m_timeAxis->setVisible(anyLine);
    m_moneyAxis->setVisible(anyLine);
    setTitle(anyLine ? QString()
                     : QCoreApplication::translate("ScheduleChart",
                                                   "No plan could be listed, so there is nothing to chart."));

    const schedule::Month firstPayment = [&] {
        for (const Schedule &s : schedules)
            if (s.listed() && !s.payments.empty())
                return s.payments.front().month;
        return defaultFirstPayment();
    }();
    m_firstPayment = firstPayment;
    m_lastValue = int(lastValue);
    setTimeAxis(*m_timeAxis, firstPayment, int(lastValue), m_locale, plotArea().width());
    setMoneyAxis(*m_moneyAxis, maximum, m_marks);
}

void ScheduleChart::followPalette(const QPalette &palette)
{
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    setTheme(dark ? ChartThemeDark : ChartThemeLight);
    setBackgroundBrush(palette.brush(QPalette::Window));
    legend()->hide();
    stylePens();
}

// A theme colours every series in turn and resets its pen: each line gets its width and dashes back, and each
// payoff marker its line's colour, ringed in the background's.
void ScheduleChart::stylePens()
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        QPen pen = line.curve->pen();
        pen.setWidthF(2.5);
        pen.setStyle(lineStyles[i]);
        line.curve->setPen(pen);
        line.payoff->setColor(pen.color());
        line.payoff->setBorderColor(backgroundBrush().color());
    }
}

std::vector<LegendEntry> ScheduleChart::legendEntries() const
{
    std::vector<LegendEntry> entries;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_payoffs[i])
            entries.push_back({m_lines[i].curve->name(), m_lines[i].curve->pen(),
                               //: Beside a line's name in the legend: %1 is the month, such as "March 2055".
                               QCoreApplication::translate("ScheduleChart", "paid off in %1")
                                   .arg(monthText(*m_payoffs[i], m_locale))});
    return entries;
}

} // namespace report
