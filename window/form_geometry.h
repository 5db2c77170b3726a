// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <span>
#include <vector>

class QLineEdit;

namespace window {

// The form was laid out for fields framed as Fusion frames them, a pixel wide: a box of 81 x 19 leaves 79 x 17 for
// its text. A style with a thicker frame would leave less, and cut figures and glyphs that the form shows whole.
// So each field grows by what its frame takes beyond Fusion's, and whatever lies right of a column of fields, or
// below a row of them, moves on by that growth; captions keep their place beside their fields. Under Fusion
// nothing moves.
class FormGeometry {
public:
    // fields: where the form puts its fields, in pixels; growth: how much each of them grows.
    FormGeometry(std::span<const QRect> fields, QSize growth);

    // Where something the form puts at formRect goes: a field grows by the growth, a caption moves with its row and
    // column, and anything spanning several rows or columns grows by theirs.
    QRect place(const QRect &formRect) const;

private:
    std::vector<int> m_columns; // the distinct left edges of the fields
    std::vector<int> m_rows; // the distinct top edges of the fields
    QSize m_growth;
};

// The side a caption too narrow for its words reaches out to: away from the field it names, or the side its
// alignment leaves open.
enum class Reach { Left, Right, Both };

// `caption` widened to `width` toward `reach` (half each way for Both), as far as the room allows: it stops a gap
// short of the nearest of `others` beside it on that side, so that it covers nothing. Outside the client area there
// is room; whoever places it widens the area to match. A caption as wide as `width` already stays as it is.
QRect reachOut(const QRect &caption, int width, Reach reach, std::span<const QRect> others);

// The form's text area of a field the form makes formSize: what Fusion's frame leaves of it.
QSize formTextArea(const QLineEdit &field, QSize formSize);

// How much the field must grow for its own style's frame to hold the form's text area.
QSize fieldGrowth(const QLineEdit &field, QSize formSize);

// Sets the field's text margins so that its text area is the form's, centred in the box: a style that pads text
// further inside its frame gives that padding back, so the field shows as much of its text as under Fusion.
void keepFormTextArea(QLineEdit &field, QSize formSize);

// What QLineEdit leaves for its text at its present size: the style's contents less the text margins.
QRect textAreaOf(const QLineEdit &field);

} // namespace window
