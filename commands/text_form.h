// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numtext/locale_marks.h"
#include "window_operations.h"

#include <array>
#include <string>
#include <vector>

namespace commands {

// The window's fields as texts alone, for running a command where no window is shown: the fields start as the
// form table has them, the inputs in the marks' notation; messages are kept, focus and sound do nothing.
class TextForm final : public WindowOperations {
public:
    explicit TextForm(const numtext::LocaleMarks &marks);

    std::string getText(Field field) const override { return m_texts[std::size_t(field)]; }
    void setText(Field field, std::string_view text) override { m_texts[std::size_t(field)] = std::string(text); }
    void setFocus(Field) override { }
    void showMessage(std::string_view text) override { m_messages.emplace_back(text); }
    void beep() override { }
    void endProgram() override { }

    const std::vector<std::string> &messages() const { return m_messages; }

private:
    std::array<std::string, fieldCount> m_texts;
    std::vector<std::string> m_messages;
};

} // namespace commands
