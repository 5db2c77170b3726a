// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_windows.h"

#include "figure_definitions.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace report {

namespace {

constexpr auto programName = "Blended Loan Calculator";

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
    dialog->setWindowTitle(QStringLiteral("How the figures are defined"));
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
    box->setWindowTitle(QStringLiteral("About %1").arg(QLatin1String(programName)));
    box->setTextFormat(Qt::RichText);
    box->setText(
        QStringLiteral("<h3>%1</h3><p>Version %2</p>").arg(QLatin1String(programName), version.toHtmlEscaped()));
    box->setInformativeText(QStringLiteral(
        "<p>What two loans cost you, what one blended loan would cost instead, and month by month how each is "
        "repaid.</p>"
        "<p>This program is free software: you can redistribute it and modify it under the terms of the GNU "
        "General Public License, version 3 or (at your option) any later version. It comes with no warranty.</p>"));
    box->setStandardButtons(QMessageBox::Close);
    box->show();
}

} // namespace report
