// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_document.h"

#include "chart_legend.h"
#include "commands/comparison_results.h"
#include "comparison_chart.h"
#include "localtext/display_text.h"
#include "page_flow.h"
#include "plan_summary.h"
#include "saving/atomic_save.h"
#include "schedule_chart.h"
#include "schedule_model.h"
#include "shown_names.h"

#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QIODevice>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <array>

namespace report {

using localtext::monthText;
using localtext::toQString;

namespace {

// Rows of a table pulled together, so that none of them is ever left alone at the top of a page.
constexpr int fewestRowsOnAPage = 3;

std::vector<QString> headings()
{
    std::vector<QString> cells;
    for (int column = 0; column < ScheduleModel::ColumnCount; ++column)
        cells.push_back(ScheduleModel::heading(column));
    return cells;
}

// The header, then every payment's cells as the schedules window shows them.
std::vector<std::vector<QString>> scheduleCells(const schedule::Schedule &plan, const ReportContent &content,
                                                const QLocale &locale)
{
    std::vector<std::vector<QString>> rows{headings()};
    rows.reserve(plan.payments.size() + 1);
    for (const schedule::Payment &payment : plan.payments) {
        std::vector<QString> &cells = rows.emplace_back(ScheduleModel::ColumnCount);
        for (int column = 0; column < ScheduleModel::ColumnCount; ++column)
            cells[std::size_t(column)] = ScheduleModel::cellText(payment, column, content.marks, locale);
    }
    return rows;
}

void paintSummaries(PageFlow &flow, const ReportContent &content, const QLocale &locale)
{
    flow.keepTogether(3 * flow.headingHeight());
    flow.heading(QCoreApplication::translate("Report", "Repayment schedules"));
    for (const schedule::Schedule &plan : content.schedules) {
        const std::vector<SummaryRow> rows = planSummary(plan, content.marks, locale);
        // A plan's summary is short: it stays on one page.
        flow.keepTogether(flow.headingHeight() + double(std::max<std::size_t>(rows.size(), 2)) * flow.pairHeight());
        flow.heading(toQString(schedule::shownPlanName(plan.plan)));
        if (!plan.listed())
            flow.paragraph(notListedText(plan));
        for (const SummaryRow &row : rows)
            flow.pair(row.caption, row.text);
    }
    flow.gap(4);
    flow.paragraph(reconciliationNote());
}

void paintChart(PageFlow &flow, const ReportContent &content, QPainter &painter)
{
    // The chart is laid out at a screen-like size and scaled onto the page, so its fonts keep their proportions.
    const QSizeF layoutSize{760, 420};
    QGraphicsScene scene;
    auto *chart = new ScheduleChart(content.marks);
    scene.addItem(chart);
    chart->resize(layoutSize);
    chart->setSchedules(content.schedules, ChartKind::Balance);
    chart->layout()->activate();
    const std::vector<LegendEntry> legend = chart->legendEntries();

    const double chartHeight = flow.width() * layoutSize.height() / layoutSize.width();
    const double legendPoints = legendHeight(legend.size(), flow.bodyLineHeight());
    flow.keepTogether(flow.headingHeight() + chartHeight + legendPoints);
    flow.heading(QCoreApplication::translate("Report", "Remaining balance over time"));
    scene.render(&painter, flow.reserve(chartHeight), QRectF(QPointF(0, 0), layoutSize));
    painter.setFont(flow.bodyFont());
    painter.setPen(Qt::black);
    paintLegend(painter, flow.reserve(legendPoints), legend);
}

// A plan's payments, a page at a time, each page's part under the table's heading and header; no page holds
// fewer than three of its rows.
void paintSchedule(PageFlow &flow, const schedule::Schedule &plan, const ReportContent &content, const QLocale &locale)
{
    const QString name = toQString(schedule::shownPlanName(plan.plan));
    const std::vector<std::vector<QString>> rows = scheduleCells(plan, content, locale);
    std::vector<Qt::Alignment> alignments(ScheduleModel::ColumnCount, Qt::AlignRight);
    alignments[ScheduleModel::Month] = Qt::AlignLeft;
    const TableLayout layout = flow.fitTable(rows, std::move(alignments));
    const int payments = int(rows.size()) - 1;

    // Slack for the heading's spacing, so that the rows counted here do fit below it.
    const double aboveRows = flow.headingHeight() + 2 * flow.tableRowHeight();
    if (rowsForThisPage(payments, flow.rowsThatFit(aboveRows), fewestRowsOnAPage) == 0)
        flow.newPage();
    //: A heading above a plan's schedule: %1 is the plan's name.
    flow.heading(QCoreApplication::translate("Report", "Schedule: %1").arg(name));
    flow.tableRow(rows.front(), layout, true);
    flow.setOnNewPage([&] {
        //: The same heading on each following page of the schedule: %1 is the plan's name.
        flow.heading(QCoreApplication::translate("Report", "Schedule: %1 (continued)").arg(name));
        flow.tableRow(rows.front(), layout, true);
    });
    for (int done = 0, page = 0; done < payments; ++page) {
        int here = rowsForThisPage(payments - done, flow.rowsThatFit(), fewestRowsOnAPage);
        // A page too short for three rows still takes one, so that the table always comes to its end.
        if (here == 0 && page > 0)
            here = std::max(1, std::min(flow.rowsThatFit(), payments - done));
        for (int row = done; row < done + here; ++row)
            flow.tableRow(rows[std::size_t(row) + 1], layout);
        done += here;
        if (done < payments)
            flow.newPage();
    }
    flow.setOnNewPage({});
}

// The comparison with an offer as its window shows it: the inputs, both ways side by side with their difference,
// the sentence, and the chart of each way's cost so far.
void paintComparison(PageFlow &flow, const ReportContent &content, QPainter &painter, const QLocale &locale)
{
    const commands::ComparisonOutcome &outcome = *content.comparison;
    const commands::ComparisonTexts &texts = outcome.texts;
    flow.keepTogether(3 * flow.headingHeight());
    flow.heading(QCoreApplication::translate("Report", "Compare with an offer"));
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!texts[i].empty())
            flow.pair(shownInputName(compare::ComparisonField(i)), toQString(texts[i]));
    flow.pair(QCoreApplication::translate("Report", "First payment"),
              monthText(outcome.reading.inputs.firstPayment, locale));

    const commands::ComparisonReading &reading = outcome.reading;
    if (!reading.problems.empty()) {
        for (const commands::FieldProblem &problem : reading.problems)
            //: An input that cannot be used: %1 is its name, %2 why.
            flow.paragraph(QCoreApplication::translate("Report", "%1: %2")
                               .arg(shownInputName(problem.field), toQString(problem.message)));
        return;
    }
    const compare::Comparison &comparison = outcome.result;
    const commands::MonthNamer monthName
        = [&locale](schedule::Month month) { return monthText(month, locale).toStdString(); };
    const commands::ComparisonTable table
        = commands::comparisonTable(comparison, content.marks, monthName, commands::FigureText::Shown);
    std::vector<std::vector<QString>> rows{{QString()}};
    for (const std::string &heading : table.headings)
        rows.front().push_back(toQString(heading));
    for (const std::vector<std::string> &row : table.rows) {
        std::vector<QString> &cells = rows.emplace_back();
        for (const std::string &text : row)
            cells.push_back(toQString(text));
    }
    std::vector<Qt::Alignment> alignments(rows.front().size(), Qt::AlignRight);
    alignments.front() = Qt::AlignLeft;
    const TableLayout layout = flow.fitTable(rows, std::move(alignments));
    flow.keepTogether(double(rows.size()) * flow.tableRowHeight());
    flow.tableRow(rows.front(), layout, true);
    for (std::size_t r = 1; r < rows.size(); ++r)
        flow.tableRow(rows[r], layout);
    flow.gap(4);
    flow.paragraph(toQString(commands::comparisonSentence(comparison, reading.inputs.savingsRatePercent, content.marks,
                                                          monthName, commands::FigureText::Shown)));
    if (comparison.refusal)
        return;

    const QSizeF layoutSize{760, 380};
    QGraphicsScene scene;
    auto *chart = new ComparisonChart(content.marks);
    scene.addItem(chart);
    chart->resize(layoutSize);
    chart->setComparison(comparison, outcome.reading.inputs.firstPayment, ComparisonChartKind::CostSoFar);
    chart->layout()->activate();
    // Every way and the horizon named below the chart, a line each, as the window names them.
    const std::vector<LegendEntry> legend = chart->legendEntries();
    const double chartHeight = flow.width() * layoutSize.height() / layoutSize.width();
    const double legendPoints = legendHeight(legend.size(), flow.bodyLineHeight());
    flow.keepTogether(flow.headingHeight() + chartHeight + legendPoints);
    flow.heading(QCoreApplication::translate("Report", "Cost so far, each way"));
    scene.render(&painter, flow.reserve(chartHeight), QRectF(QPointF(0, 0), layoutSize));
    painter.setFont(flow.bodyFont());
    painter.setPen(Qt::black);
    paintLegend(painter, flow.reserve(legendPoints), legend);
}

} // namespace

QPageSize reportPageSize(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

bool paintReport(const ReportContent &content, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const QLocale locale;
    PageFlow flow{device, painter, content.title};
    flow.title(content.title);
    flow.paragraph(locale.toString(content.date, QLocale::LongFormat));
    for (const ReportSection &section : content.sections) {
        flow.keepTogether(flow.headingHeight()
                          + double(std::min<std::size_t>(section.rows.size(), 8)) * flow.pairHeight());
        flow.heading(section.title);
        for (const auto &[caption, text] : section.rows)
            flow.pair(caption, text);
    }
    if (content.comparison)
        paintComparison(flow, content, painter, locale);
    paintSummaries(flow, content, locale);
    paintChart(flow, content, painter);
    for (const schedule::Schedule &plan : content.schedules)
        if (plan.listed())
            paintSchedule(flow, plan, content, locale);
    return painter.end();
}

QPageLayout reportPageLayout(const QLocale &locale)
{
    return {reportPageSize(locale), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter};
}

bool saveReportPdf(const ReportContent &content, const QString &path, const QPageLayout &layout, QString &error)
{
    return saving::saveAtomically(
        path,
        [&content, &path, &layout](QIODevice &file, QString &writeError) {
            QPdfWriter writer{&file};
            writer.setTitle(content.title);
            writer.setCreator(programName());
            writer.setResolution(300);
            writer.setPageLayout(layout);
            if (paintReport(content, writer))
                return true;
            //: Why the PDF could not be saved, to follow "The file could not be saved:".
            writeError
                = saving::saveFailureMessage(path, QCoreApplication::translate("Report", "The PDF could not be drawn"));
            return false;
        },
        error);
}

bool printReport(const ReportContent &content, QPrinter &printer, QString &error)
{
    // Qt's PDF printer writes straight into the file it replaces, so a full disk would leave neither the old file
    // nor a whole new one.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return saveReportPdf(content, printer.outputFileName(), printer.pageLayout(), error);
    if (paintReport(content, printer)) {
        error.clear();
        return true;
    }
    error = QCoreApplication::translate("Report", "The report could not be printed: the printer could not be opened.");
    return false;
}

} // namespace report
