// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace report {

// How a table's columns fall across the page: each as wide as its widest text, the spare width shared out among
// them, or, where the texts together are wider than the page, all of them in a smaller font (down to 4 points,
// which holds the widest schedule of amounts up to 2^53 cents with room to spare).
struct TableLayout {
    std::vector<double> widths; // points, padding included
    std::vector<Qt::Alignment> alignments;
    double fontPoints = 0;
};

// Of the rows a table has left, how many go on this page where `capacity` would fit: all, or as many as fit, but
// never so many that fewer than `fewest` are left for the next page. Nothing where that would leave fewer than
// `fewest` here, whether because the page has room for fewer or because the next needs some of them: the rows
// then start on the next page.
int rowsForThisPage(int rowsLeft, int capacity, int fewest = 3);

// Lays blocks out down the pages of a paged device, one under the other, and starts a new page whenever the next
// block would not fit whole: no line of text and no table row is ever split across pages. Sizes are in points
// (1/72 inch), whatever the device's resolution.
class PageFlow {
public:
    PageFlow(QPagedPaintDevice &device, QPainter &painter, QString footer);

    // Starts a new page unless `points` of height still fit on this one.
    void keepTogether(double points);
    void newPage();

    void title(const QString &text);
    void heading(const QString &text);
    void paragraph(const QString &text);
    void gap(double points);
    // A caption and its text, side by side.
    void pair(const QString &caption, const QString &text);
    // The layout that shows every cell of `rows` whole (the first row is the header, drawn bold).
    TableLayout fitTable(const std::vector<std::vector<QString>> &rows, std::vector<Qt::Alignment> alignments) const;
    // One table row, drawn whole; `header` rows are bold and underlined.
    void tableRow(const std::vector<QString> &cells, const TableLayout &layout, bool header = false);
    double tableRowHeight() const;
    // How many table rows fit on this page below `pointsAbove` more points of other blocks.
    int rowsThatFit(double pointsAbove = 0) const;
    double pairHeight() const; // of a pair whose caption fits one line
    double headingHeight() const;
    // The width a text takes in `font` on this device, in points.
    double textWidth(const QString &text, const QFont &font) const;
    // The body text's font and line height (in points), for what callers paint themselves.
    const QFont &bodyFont() const { return m_body; }
    double bodyLineHeight() const;

    // Reserves a block of `points` height across the page, on a new page if it does not fit, for the caller to
    // paint into (in device coordinates).
    QRectF reserve(double points);

    // Called after every new page this flow starts, to repeat a table's heading and header.
    void setOnNewPage(std::function<void()> repeat) { m_onNewPage = std::move(repeat); }

    // The width of the page's body, in points.
    double width() const { return m_width * 72 / m_dpi; }
    int pageCount() const { return m_page; }

private:
    double px(double points) const { return points * m_dpi / 72; }
    double lineHeight(const QFont &font) const;
    void startPage();
    void line(const QString &text, const QFont &font, double pointsAfter);

    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    QString m_footer;
    double m_dpi;
    double m_width; // device pixels
    double m_bottom; // device pixels: where the page's body ends, above the footer
    double m_y = 0; // device pixels from the top of the body
    int m_page = 0;
    QFont m_body, m_bold, m_heading, m_title, m_small;
    std::function<void()> m_onNewPage;
    bool m_repeating = false;
};

} // namespace report
