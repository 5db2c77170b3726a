// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace report {

void fitToScreen(QWidget &window, QSize preferred)
{
    const QSize frame{16, 48};
    window.resize(preferred.boundedTo(window.screen()->availableSize() - frame).expandedTo(window.minimumSizeHint()));
}

void keepOnScreen(QWidget &window)
{
    const QRect room = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (room.contains(frame))
        return;
    window.move(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width())),
                std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
}

} // namespace report
