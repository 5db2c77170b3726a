// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace window {

// The window operations that reach beyond the window: the modal message box, the alert sound, the end of the
// program and the file dialog of a save. Tests replace them with recorders, so that no dialog ever waits for a click
// that will not come.
struct DesktopServices {
    std::function<void(QWidget &parent, const QString &text)> showMessage;
    std::function<void()> beep;
    std::function<void()> endProgram;
    // The file a save goes to, asked of the user, suggesting `baseName`.`extension` in the folder last saved in;
    // `description` names the kind of file ("CSV files"). Empty when the user cancels.
    std::function<QString(QWidget &parent, const QString &title, const QString &baseName, const QString &extension,
                          const QString &description)>
        chooseSaveFile;
    // The file to open, asked of the user in the folder last used; empty when the user cancels.
    std::function<QString(QWidget &parent, const QString &title, const QString &filter)> chooseOpenFile;

    static DesktopServices system();
};

} // namespace window
