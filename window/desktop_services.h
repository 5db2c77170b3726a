#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace window {

// The window operations that reach beyond the window: the modal message box, the alert sound and the end of the
// program. Tests replace them with recorders, so that no dialog ever waits for a click that will not come.
struct DesktopServices {
    std::function<void(QWidget &parent, const QString &text)> showMessage;
    std::function<void()> beep;
    std::function<void()> endProgram;

    static DesktopServices system();
};

} // namespace window
