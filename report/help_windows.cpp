// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_windows.h"

#include "figure_definitions.h"
#include "localtext/translations.h"
#include "shown_names.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace report {

namespace {

// The window of that name already open under `parent`, raised; null when there is none.
QWidget *raiseOpen(QWidget *parent, const QString &objectName)
{
    if (!parent)
        return nullptr;
    auto *open = parent->findChild<QDialog *>(objectName, Qt::FindDirectChildrenOnly);
    if (open) {
        open->show();
        open->raise();
        open->activateWindow();
    }
    return open;
}

} // namespace

void showFigureDefinitions(QWidget *parent)
{
    if (raiseOpen(parent, "FigureDefinitions"))
        return;
    auto *dialog = new QDialog(parent);
    dialog->setObjectName("FigureDefinitions");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QCoreApplication::translate("HelpWindows", "How the figures are defined"));
    auto *text = new QTextBrowser(dialog);
    text->setObjectName("Definitions");
    text->setAccessibleName(dialog->windowTitle());
    text->setHtml(figureDefinitionsHtml());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(720, 640);
    dialog->show();
}

void showAbout(QWidget *parent, const QString &version)
{
    if (raiseOpen(parent, "About"))
        return;
    auto *box = new QMessageBox(parent);
    box->setObjectName("About");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    //: %1 is the program's name.
    box->setWindowTitle(QCoreApplication::translate("HelpWindows", "About %1").arg(programName()));
    box->setTextFormat(Qt::RichText);
    //: %1 is the program's version, %2 the name of the language its words are in, in that language.
    const QString facts = QCoreApplication::translate("HelpWindows", "<p>Version %1</p><p>Language: %2</p>")
                              .arg(version.toHtmlEscaped(), localtext::uiLanguageName().toHtmlEscaped());
    box->setText(QStringLiteral("<h3>%1</h3>").arg(programName()) + facts);
    box->setInformativeText(QCoreApplication::translate(
        "HelpWindows",
        "<p>What two loans cost you, what one blended loan would cost instead, and month by month how each is "
        "repaid.</p>"
        "<p>This program is free software: you can redistribute it and modify it under the terms of the GNU "
        "General Public License, version 3 or (at your option) any later version. It comes with no warranty.</p>"));
    box->setStandardButtons(QMessageBox::Close);
    box->show();
}

} // namespace report
