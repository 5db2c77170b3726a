// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_form.h"

#include "form_table.h"
#include "numtext/localized_number.h"

namespace commands {

TextForm::TextForm(const numtext::LocaleMarks &marks)
{
    for (const auto &spec : form::textBoxes())
        m_texts[std::size_t(spec.field)] = spec.role == form::Role::Input
            ? numtext::localizedNumber(spec.initialText, marks)
            : std::string(spec.initialText);
}

} // namespace commands
