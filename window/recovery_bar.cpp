// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace window {

RecoveryBar::RecoveryBar(std::function<void()> restore, std::function<void()> discard, QWidget *parent)
    : QFrame(parent)
{
    setObjectName("RecoveryBar");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::AlternateBase);
    auto *question = new QLabel(QStringLiteral("Restore the inputs of the last session?"), this);
    question->setObjectName("RecoveryQuestion");
    // No access keys: Alt+R and Alt+D might be taken by the menus one day, and the bar is reached by Tab.
    auto *restoreButton = new QPushButton(QStringLiteral("Restore"), this);
    restoreButton->setObjectName("RestoreInputs");
    restoreButton->setAccessibleName(QStringLiteral("Restore the inputs of the last session"));
    auto *discardButton = new QPushButton(QStringLiteral("Discard"), this);
    discardButton->setObjectName("DiscardInputs");
    discardButton->setAccessibleName(QStringLiteral("Discard the inputs of the last session"));
    connect(restoreButton, &QPushButton::clicked, this, std::move(restore));
    connect(discardButton, &QPushButton::clicked, this, std::move(discard));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(question, 1);
    layout->addWidget(restoreButton);
    layout->addWidget(discardButton);
}

} // namespace window
