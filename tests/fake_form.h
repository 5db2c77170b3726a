// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/form_table.h"
#include "commands/window_operations.h"

#include <array>
#include <string>
#include <vector>

// A window without a display: its fields start as the form table says, and every operation is logged in order,
// as "set Text4 $1,967.04", "message ...", "focus Text1", "beep" and "end".
class FakeForm final : public commands::WindowOperations {
public:
    FakeForm()
    {
        for (const auto &spec : commands::form::textBoxes())
            m_texts[std::size_t(spec.field)] = spec.initialText;
    }

    std::string getText(commands::Field field) const override { return m_texts[std::size_t(field)]; }

    void setText(commands::Field field, std::string_view text) override
    {
        m_texts[std::size_t(field)] = text;
        log.push_back("set " + name(field) + " " + std::string(text));
    }

    void setFocus(commands::Field field) override { log.push_back("focus " + name(field)); }
    void showMessage(std::string_view text) override { log.push_back("message " + std::string(text)); }
    void beep() override { log.push_back("beep"); }
    void endProgram() override { log.push_back("end"); }

    // Types into a field without logging, as a user would.
    void type(commands::Field field, std::string_view text) { m_texts[std::size_t(field)] = std::string(text); }

    // Puts `text` into every result field, to tell figures of this run from those of an earlier one.
    void fillResults(std::string_view text)
    {
        for (const auto &spec : commands::form::textBoxes())
            if (spec.role == commands::form::Role::Result)
                type(spec.field, text);
    }

    std::vector<std::string> messages() const
    {
        std::vector<std::string> found;
        for (const auto &entry : log)
            if (entry.rfind("message ", 0) == 0)
                found.push_back(entry.substr(8));
        return found;
    }

    static std::string name(commands::Field field) { return std::string(commands::form::textBox(field).name); }

    std::vector<std::string> log;

private:
    std::array<std::string, commands::fieldCount> m_texts;
};
