// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_names.h"

#include "commands/comparison_form.h"
#include "commands/form_table.h"
#include "localtext/display_text.h"

#include <QCoreApplication>
#include <string>

namespace report {

namespace {

QString translated(const char *context, std::string_view text)
{
    return QCoreApplication::translate(context, std::string(text).c_str());
}

} // namespace

QString programName()
{
    return localtext::toQString(commands::form::shown(commands::form::programTitle));
}

QString shownInputCaption(compare::ComparisonField field)
{
    return translated("ComparisonInputs", compare::comparisonInput(field).caption);
}

QString shownInputName(compare::ComparisonField field)
{
    return localtext::toQString(commands::comparisonFieldName(field));
}

} // namespace report
