// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "field.h"

#include <string>
#include <string_view>

namespace commands {

// What the commands need of the window. Texts are UTF-8. The Qt form implements it for real; tests use a fake
// that records every call, so the commands are proven without a display.
class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    virtual std::string getText(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0; // shows once the command returns
    virtual void setFocus(Field field) = 0;
    virtual void showMessage(std::string_view text) = 0; // modal, OK only; returns when the user closes it
    virtual void beep() = 0;
    virtual void endProgram() = 0;
};

} // namespace commands
