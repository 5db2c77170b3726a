// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_flow.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace report {

namespace {

QFont fontOf(double points, bool bold)
{
    // The window's face, so the report reads like the window; any sans serif face where it is missing.
    QFont font{QStringLiteral("Liberation Sans")};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

constexpr double pairCaptionShare = 0.5; // of the width, for a caption; its text is right-aligned after it
constexpr double pairTextShare = 0.3;
constexpr double cellPadding = 4; // points, each side of a table cell
constexpr double tablePoints = 8; // a table's font, unless its texts need a smaller one to fit the page
constexpr double smallestTablePoints = 4;

} // namespace

PageFlow::PageFlow(QPagedPaintDevice &device, QPainter &painter, QString footer)
    : m_device(device)
    , m_painter(painter)
    , m_footer(std::move(footer))
    , m_dpi(device.logicalDpiY())
    , m_width(device.width())
    , m_body(fontOf(9.5, false))
    , m_bold(fontOf(9.5, true))
    , m_heading(fontOf(12, true))
    , m_title(fontOf(18, true))
    , m_small(fontOf(8, false))
{
    m_bottom = device.height() - lineHeight(m_small) - px(8);
    startPage();
}

double PageFlow::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, &m_device).height();
}

void PageFlow::startPage()
{
    ++m_page;
    m_y = 0;
    m_painter.setFont(m_small);
    m_painter.setPen(Qt::black);
    const QRectF footer{0, m_device.height() - lineHeight(m_small), m_width, lineHeight(m_small)};
    m_painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, m_footer);
    m_painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                       QCoreApplication::translate("Report", "Page %1").arg(QLocale().toString(m_page)));
    if (m_onNewPage && !m_repeating) {
        m_repeating = true;
        m_onNewPage();
        m_repeating = false;
    }
}

void PageFlow::newPage()
{
    m_device.newPage();
    startPage();
}

void PageFlow::keepTogether(double points)
{
    if (m_y > 0 && m_y + px(points) > m_bottom)
        newPage();
}

QRectF PageFlow::reserve(double points)
{
    keepTogether(points);
    const QRectF block{0, m_y, m_width, std::min(px(points), m_bottom - m_y)};
    m_y += block.height();
    return block;
}

void PageFlow::line(const QString &text, const QFont &font, double pointsAfter)
{
    const QRectF bounds = m_painter.boundingRect(QRectF(0, 0, m_width, m_bottom), Qt::TextWordWrap, text);
    const QRectF block = reserve((bounds.height() + px(pointsAfter)) * 72 / m_dpi);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(block, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void PageFlow::title(const QString &text)
{
    m_painter.setFont(m_title);
    line(text, m_title, 4);
}

double PageFlow::bodyLineHeight() const
{
    return lineHeight(m_body) * 72 / m_dpi;
}

double PageFlow::headingHeight() const
{
    return (lineHeight(m_heading) + px(10)) * 72 / m_dpi;
}

void PageFlow::heading(const QString &text)
{
    gap(6);
    m_painter.setFont(m_heading);
    line(text, m_heading, 4);
}

void PageFlow::paragraph(const QString &text)
{
    m_painter.setFont(m_body);
    line(text, m_body, 3);
}

void PageFlow::gap(double points)
{
    if (m_y > 0)
        m_y = std::min(m_y + px(points), m_bottom);
}

void PageFlow::pair(const QString &caption, const QString &text)
{
    m_painter.setFont(m_body);
    const double captionWidth = m_width * pairCaptionShare - px(cellPadding);
    const double height
        = std::max(m_painter.boundingRect(QRectF(0, 0, captionWidth, m_bottom), Qt::TextWordWrap, caption).height(),
                   lineHeight(m_body))
        + px(2);
    const QRectF block = reserve(height * 72 / m_dpi);
    m_painter.setFont(m_body); // a page break in reserve() left the footer's font
    m_painter.setPen(Qt::black);
    m_painter.drawText(QRectF(block.left(), block.top(), captionWidth, block.height()),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
    m_painter.setFont(m_bold);
    m_painter.drawText(QRectF(m_width * pairCaptionShare, block.top(), m_width * pairTextShare, block.height()),
                       Qt::AlignRight | Qt::AlignTop, text);
}

double PageFlow::pairHeight() const
{
    return (lineHeight(m_body) + px(2)) * 72 / m_dpi;
}

double PageFlow::tableRowHeight() const
{
    return lineHeight(m_small) * 1.45 * 72 / m_dpi;
}

int PageFlow::rowsThatFit(double pointsAbove) const
{
    const double room = m_bottom - m_y - px(pointsAbove);
    return room > 0 ? int(room / px(tableRowHeight())) : 0;
}

double PageFlow::textWidth(const QString &text, const QFont &font) const
{
    return QFontMetricsF(font, &m_device).horizontalAdvance(text) * 72 / m_dpi;
}

TableLayout PageFlow::fitTable(const std::vector<std::vector<QString>> &rows,
                               std::vector<Qt::Alignment> alignments) const
{
    TableLayout layout{std::vector<double>(alignments.size(), 0), std::move(alignments), tablePoints};
    QFont font = m_small;
    font.setPointSizeF(tablePoints);
    QFont bold = font;
    bold.setBold(true);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size() && c < layout.widths.size(); ++c)
            layout.widths[c] = std::max(layout.widths[c], textWidth(rows[r][c], r == 0 ? bold : font));
    double texts = 0;
    for (const double width : layout.widths)
        texts += width;
    const double padding = 2 * cellPadding * double(layout.widths.size());
    const double page = width();
    // Text widths scale with the font's size, so one factor makes them fit; the padding stays as it is. Fonts are
    // not drawn quite in proportion at every size, hence a little to spare.
    const double scale = std::min(1.0, (page - padding) / (texts * 1.02));
    layout.fontPoints = std::max(smallestTablePoints, tablePoints * scale);
    const double spare = std::max(0.0, page - padding - texts * scale * 1.02) / double(layout.widths.size());
    for (double &width : layout.widths)
        width = width * scale * 1.02 + 2 * cellPadding + spare;
    return layout;
}

void PageFlow::tableRow(const std::vector<QString> &cells, const TableLayout &layout, bool header)
{
    const QRectF row = reserve(tableRowHeight());
    QFont font = m_small;
    font.setPointSizeF(layout.fontPoints);
    font.setBold(header);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    double left = row.left();
    for (std::size_t i = 0; i < cells.size() && i < layout.widths.size(); ++i) {
        const double width = px(layout.widths[i]);
        const QRectF cell{left + px(cellPadding), row.top(), width - 2 * px(cellPadding), row.height()};
        m_painter.drawText(cell, layout.alignments[i] | Qt::AlignVCenter, cells[i]);
        left += width;
    }
    if (header) {
        m_painter.setPen(QPen(Qt::black, px(0.6)));
        m_painter.drawLine(QPointF(row.left(), row.bottom()), QPointF(row.right(), row.bottom()));
    }
}

int rowsForThisPage(int rowsLeft, int capacity, int fewest)
{
    if (rowsLeft <= capacity)
        return rowsLeft;
    if (capacity < fewest)
        return 0;
    if (rowsLeft - capacity >= fewest)
        return capacity;
    const int here = rowsLeft - fewest;
    return here >= fewest ? here : 0;
}

} // namespace report
