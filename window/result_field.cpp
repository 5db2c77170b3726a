// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_field.h"

#include "form_geometry.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace window {

namespace {

// QLineEdit keeps this many pixels clear on each side of its text, inside the contents rectangle.
constexpr int lineEditTextMargin = 2;

const QString continuationMark = QStringLiteral("\u2026");

} // namespace

ResultField::ResultField(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, [this] { describeOverflow(); });
}

QRect ResultField::textArea() const
{
    return textAreaOf(*this).adjusted(lineEditTextMargin, 0, -lineEditTextMargin, 0);
}

bool ResultField::overflows() const
{
    return fontMetrics().horizontalAdvance(text()) > textArea().width();
}

void ResultField::describeOverflow()
{
    const QString whole = overflows() ? text() : QString();
    setToolTip(whole);
    //: What a screen reader says of a figure too wide for its box; %1 is the figure.
    setAccessibleDescription(whole.isEmpty() ? QString() : tr("The whole figure: %1").arg(whole));
}

// The mark is drawn while the start of the text is in view: always when the field is not being read, and while
// the caret is at the start when it is.
void ResultField::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!overflows() || (hasFocus() && cursorPosition() != 0))
        return;
    // The mark just inside the text area's edge; the characters wholly before it stay, and the one it would cut goes
    // with the rest, so that no sliver of a digit shows (at fractional scales a cut glyph leaves one).
    const QRectF area = textArea();
    const QFontMetricsF metrics{font(), this};
    const qreal markLeft = area.right() - metrics.horizontalAdvance(continuationMark) - lineEditTextMargin;
    qreal kept = 0;
    for (qsizetype length = 1; length <= text().size(); ++length) {
        const qreal advance = metrics.horizontalAdvance(text().left(length));
        if (area.left() + advance > markLeft)
            break;
        kept = advance;
    }
    QRectF cover = textAreaOf(*this);
    cover.setLeft(area.left() + kept);
    QPainter painter(this);
    painter.fillRect(cover, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(markLeft, cover.top(), cover.right() - markLeft, cover.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, continuationMark);
}

void ResultField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    describeOverflow();
}

// Tab selects the whole figure for copying, with the caret at its start, so its leading digits stay in view.
void ResultField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        setSelection(int(text().size()), -int(text().size()));
}

// Back to the leading digits once the user moves on; a context menu keeps the selection it is about to copy.
void ResultField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        setCursorPosition(0);
}

} // namespace window
