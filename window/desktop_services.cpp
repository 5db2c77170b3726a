// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_services.h"

#include "commands/form_table.h"
#include "localtext/display_text.h"
#include "save_file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace window {

using localtext::toQString;

namespace {

const QString lastFolderKey = QStringLiteral("files/lastSaveFolder");

QString askForSaveFile(QWidget &parent, const QString &title, const QString &baseName, const QString &extension,
                       const QString &description)
{
    QSettings settings;
    QString folder = settings.value(lastFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    SaveFileDialog dialog{&parent, title, folder, baseName, extension, description};
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return {};
    settings.setValue(lastFolderKey, QFileInfo(dialog.chosenPath()).absolutePath());
    return dialog.chosenPath();
}

QString askForOpenFile(QWidget &parent, const QString &title, const QString &filter)
{
    QSettings settings;
    QString folder = settings.value(lastFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString path = QFileDialog::getOpenFileName(&parent, title, folder, filter);
    if (!path.isEmpty())
        settings.setValue(lastFolderKey, QFileInfo(path).absolutePath());
    return path;
}

} // namespace

DesktopServices DesktopServices::system()
{
    return {
        [](QWidget &parent, const QString &text) {
            QMessageBox box{&parent};
            box.setWindowTitle(toQString(commands::form::shown(commands::form::programTitle)));
            box.setText(text);
            box.setStandardButtons(QMessageBox::Ok);
            box.exec();
        },
        [] { QApplication::beep(); },
        [] { QCoreApplication::quit(); },
        askForSaveFile,
        askForOpenFile,
    };
}

} // namespace window
