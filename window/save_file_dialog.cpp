// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <unistd.h>

namespace window {

namespace {

// The longest name the folder's file system takes, in bytes; 255 on every common one.
qsizetype longestName(const QString &folder)
{
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? qsizetype(longest) : 255;
}

} // namespace

SaveTarget saveTargetFor(const QString &folder, const QString &typed, const QString &extension)
{
    // A typed path counts from the folder shown; an absolute one stands as it is.
    QString path = QDir(folder).filePath(typed);
    QString name = QFileInfo(path).fileName();
    if (typed.isEmpty() || typed.endsWith('/') || name.isEmpty() || name == "." || name == "..")
        return {{}, SaveFileDialog::tr("\u201C%1\u201D is not a file name.").arg(typed)};
    if (QFileInfo(name).suffix().isEmpty()) {
        path += '.' + extension;
        name += '.' + extension;
    }
    const QString nameFolder = QFileInfo(path).absolutePath();
    if (QFile::encodeName(name).size() > longestName(nameFolder))
        return {{},
                SaveFileDialog::tr("The name is too long: a file name here holds at most %1 bytes.")
                    .arg(longestName(nameFolder))};
    return {path, {}};
}

SaveFileDialog::SaveFileDialog(QWidget *parent, const QString &title, const QString &folder, const QString &baseName,
                               const QString &extension, const QString &description)
    : QFileDialog(parent, title, folder, QStringLiteral("%1 (*.%2)").arg(description, extension))
    , m_extension(extension)
{
    setObjectName("SaveFileDialog");
    setAcceptMode(AcceptSave);
    setFileMode(AnyFile);
    setDefaultSuffix(extension); // for a native dialog; the widgets below add it themselves
    selectFile(baseName + '.' + extension);
}

void SaveFileDialog::accept()
{
    // Qt's widgets name their file name field so; a native dialog has none and has read the name itself.
    auto *nameField = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!nameField) {
        QFileDialog::accept();
        m_chosen = selectedFiles().value(0);
        return;
    }
    const QString typed = nameField->text();
    if (typed.isEmpty())
        return;
    const QString folder = directory().absolutePath();
    if (const QFileInfo named{QDir(folder).filePath(typed)}; named.isDir()) {
        setDirectory(named.absoluteFilePath()); // a folder's name opens it, as in every save dialog
        nameField->clear();
        return;
    }
    const SaveTarget target = saveTargetFor(folder, typed, m_extension);
    if (!target.refusal.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), target.refusal);
        return;
    }
    if (QFileInfo::exists(target.path) && !confirmReplacing(target.path))
        return;
    m_chosen = target.path;
    QDialog::accept();
}

bool SaveFileDialog::confirmReplacing(const QString &path)
{
    const auto answer = QMessageBox::question(
        this, windowTitle(), tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

} // namespace window
