// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/form_table.h"
#include "window/window_operations.h"

#include <array>
#include <string>
#include <vector>

// A window without a display: its fields start as the form table says, and every operation is logged in order,
// as "set Text4 $1,967.04", "message ...", "focus Text1", "beep" and "end".
class FakeForm final : public window::WindowOperations {
public:
    FakeForm()
    {
        for (const auto &spec : window::form::textBoxes())
            m_texts[std::size_t(spec.field)] = spec.initialText;
    }

    std::string getText(window::Field field) const override { return m_texts[std::size_t(field)]; }

    void setText(window::Field field, std::string_view text) override
    {
        m_texts[std::size_t(field)] = text;
        log.push_back("set " + name(field) + " " + std::string(text));
    }

    void setFocus(window::Field field) override { log.push_back("focus " + name(field)); }
    void showMessage(std::string_view text) override { log.push_back("message " + std::string(text)); }
    void beep() override { log.push_back("beep"); }
    void endProgram() override { log.push_back("end"); }

    // Types into a field without logging, as a user would.
    void type(window::Field field, std::string_view text) { m_texts[std::size_t(field)] = text; }

    // Puts `text` into every result field, to tell figures of this run from those of an earlier one.
    void fillResults(std::string_view text)
    {
        for (const auto &spec : window::form::textBoxes())
            if (spec.role == window::form::Role::Result)
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

    static std::string name(window::Field field) { return std::string(window::form::textBox(field).name); }

    std::vector<std::string> log;

private:
    std::array<std::string, window::fieldCount> m_texts;
};
