// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_services.h"

#include "form_table.h"
#include "qt_text.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace window {

DesktopServices DesktopServices::system()
{
    return {
        [](QWidget &parent, const QString &text) {
            QMessageBox box{&parent};
            box.setWindowTitle(toQString(form::programTitle));
            box.setText(text);
            box.setStandardButtons(QMessageBox::Ok);
            box.exec();
        },
        [] { QApplication::beep(); },
        [] { QCoreApplication::quit(); },
        [](QWidget &parent, const QString &title, const QString &fileName, const QString &filter) {
            return QFileDialog::getSaveFileName(&parent, title, QDir::home().filePath(fileName), filter);
        },
    };
}

} // namespace window
