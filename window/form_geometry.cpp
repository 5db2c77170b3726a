// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_geometry.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

namespace window {

namespace {

std::vector<int> distinctSorted(std::vector<int> edges)
{
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

int countBelow(const std::vector<int> &edges, int position)
{
    return int(std::lower_bound(edges.begin(), edges.end(), position) - edges.begin());
}

// The option QLineEdit paints its frame with, for a box of the given size drawn by the given style.
QStyleOptionFrame frameOption(const QLineEdit &field, const QStyle &style, QSize size)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = QRect({0, 0}, size);
    option.lineWidth = field.hasFrame() ? style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (field.isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    return option;
}

QRect styleContents(const QLineEdit &field, const QStyle &style, QSize size)
{
    const QStyleOptionFrame option = frameOption(field, style, size);
    return style.subElementRect(QStyle::SE_LineEditContents, &option, &field);
}

// The style the form was measured with: the field's own where that is Fusion, else one made once for every field
// (making one for each cost the window's start a fraction of a millisecond), which goes with the application.
const QStyle *fusionStyle(const QLineEdit &field)
{
    if (field.style()->name() == QLatin1String("fusion"))
        return field.style();
    static QPointer<QStyle> fusion;
    if (!fusion && (fusion = QStyleFactory::create("Fusion")))
        fusion->setParent(QCoreApplication::instance());
    return fusion;
}

} // namespace

FormGeometry::FormGeometry(std::span<const QRect> fields, QSize growth)
    : m_growth(growth)
{
    std::vector<int> lefts, tops;
    for (const QRect &field : fields) {
        lefts.push_back(field.left());
        tops.push_back(field.top());
    }
    m_columns = distinctSorted(std::move(lefts));
    m_rows = distinctSorted(std::move(tops));
}

// Each edge moves by the growth of every column (or row) that starts before it: a field's far edge moves by one
// more than its near edge, a caption ending before its field's column moves with the columns before that.
QRect FormGeometry::place(const QRect &formRect) const
{
    const int left = formRect.x() + m_growth.width() * countBelow(m_columns, formRect.x());
    const int top = formRect.y() + m_growth.height() * countBelow(m_rows, formRect.y());
    const int right = formRect.x() + formRect.width();
    const int bottom = formRect.y() + formRect.height();
    return {left, top, right + m_growth.width() * countBelow(m_columns, right) - left,
            bottom + m_growth.height() * countBelow(m_rows, bottom) - top};
}

QRect reachOut(const QRect &caption, int width, Reach reach, std::span<const QRect> others)
{
    const int missing = width - caption.width();
    if (missing <= 0)
        return caption;
    // Pixels left clear between a caption and whatever it reaches towards.
    constexpr int gap = 4;
    int leftmost = std::numeric_limits<int>::min();
    int rightmost = std::numeric_limits<int>::max();
    for (const QRect &other : others) {
        if (other.bottom() < caption.top() || other.top() > caption.bottom())
            continue;
        if (other.right() < caption.left())
            leftmost = std::max(leftmost, other.right() + 1 + gap);
        else if (other.left() > caption.right())
            rightmost = std::min(rightmost, other.left() - gap);
    }
    // Qt's right() is the last pixel inside: left() + width() - 1.
    int left = caption.left();
    int right = caption.right();
    switch (reach) {
    case Reach::Left:
        left = std::max(left - missing, leftmost);
        break;
    case Reach::Right:
        right = std::min(right + missing, rightmost - 1);
        break;
    case Reach::Both:
        left = std::max(left - missing / 2, leftmost);
        right = std::min(left + width - 1, rightmost - 1);
        break;
    }
    return {QPoint(left, caption.top()), QPoint(std::max(right, caption.right()), caption.bottom())};
}

QSize formTextArea(const QLineEdit &field, QSize formSize)
{
    const QStyle *fusion = fusionStyle(field);
    return fusion ? styleContents(field, *fusion, formSize).size() : formSize;
}

QSize fieldGrowth(const QLineEdit &field, QSize formSize)
{
    const QStyleOptionFrame option = frameOption(field, *field.style(), formSize);
    const QSize framed = formTextArea(field, formSize) + 2 * QSize(option.lineWidth, option.lineWidth);
    return (framed - formSize).expandedTo({0, 0});
}

void keepFormTextArea(QLineEdit &field, QSize formSize)
{
    // Polishing is when a style sets the text margins it pads with: they are replaced here, not after.
    field.ensurePolished();
    const QSize wanted = formTextArea(field, formSize);
    const QRect area{QPoint((field.width() - wanted.width()) / 2, (field.height() - wanted.height()) / 2), wanted};
    const QRect contents = styleContents(field, *field.style(), field.size());
    field.setTextMargins(area.left() - contents.left(), area.top() - contents.top(), contents.right() - area.right(),
                         contents.bottom() - area.bottom());
}

QRect textAreaOf(const QLineEdit &field)
{
    return styleContents(field, *field.style(), field.size()).marginsRemoved(field.textMargins());
}

} // namespace window
