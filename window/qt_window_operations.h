// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/window_operations.h"
#include "desktop_services.h"

#include <array>

class QLineEdit;
class QWidget;

namespace window {

// The window operations on the Qt form's text boxes.
class QtWindowOperations final : public commands::WindowOperations {
public:
    QtWindowOperations(QWidget &window, const std::array<QLineEdit *, commands::fieldCount> &textBoxes,
                       const DesktopServices &services);

    std::string getText(commands::Field field) const override;
    void setText(commands::Field field, std::string_view text) override;
    void setFocus(commands::Field field) override;
    void showMessage(std::string_view text) override;
    void beep() override;
    void endProgram() override;

private:
    QWidget &m_window;
    const std::array<QLineEdit *, commands::fieldCount> &m_textBoxes;
    const DesktopServices &m_services;
};

} // namespace window
