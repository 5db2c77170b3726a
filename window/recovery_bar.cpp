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
    auto *question = new QLabel(tr("Restore the inputs of the last session?"), this);
    question->setObjectName("RecoveryQuestion");
    // No access keys: Alt+R and Alt+D might be taken by the menus one day, and the bar is reached by Tab.
    //: A button, without an access key.
    auto *restoreButton = new QPushButton(tr("Restore"), this);
    restoreButton->setObjectName("RestoreInputs");
    restoreButton->setAccessibleName(tr("Restore the inputs of the last session"));
    //: A button, without an access key.
    auto *discardButton = new QPushButton(tr("Discard"), this);
    discardButton->setObjectName("DiscardInputs");
    discardButton->setAccessibleName(tr("Discard the inputs of the last session"));
    connect(restoreButton, &QPushButton::clicked, this, std::move(restore));
    connect(discardButton, &QPushButton::clicked, this, std::move(discard));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(question, 1);
    layout->addWidget(restoreButton);
    layout->addWidget(discardButton);
}

} // namespace window
