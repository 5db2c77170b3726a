// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <functional>

namespace window {

// The bar above the calculator's fields that offers back the inputs an earlier session typed and never saved:
// "Restore the inputs of the last session?" with Restore and Discard. It asks nothing of anyone who goes on
// without it; its owner takes it away on either answer.
class RecoveryBar : public QFrame {
    Q_OBJECT

public:
    RecoveryBar(std::function<void()> restore, std::function<void()> discard, QWidget *parent = nullptr);
};

} // namespace window
