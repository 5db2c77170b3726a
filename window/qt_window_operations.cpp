// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_window_operations.h"

#include "localtext/display_text.h"

#include <QLineEdit>

namespace window {

using commands::Field;
using localtext::toQString;

QtWindowOperations::QtWindowOperations(QWidget &window, const std::array<QLineEdit *, commands::fieldCount> &textBoxes,
                                       const DesktopServices &services)
    : m_window(window)
    , m_textBoxes(textBoxes)
    , m_services(services)
{ }

std::string QtWindowOperations::getText(Field field) const
{
    return m_textBoxes[std::size_t(field)]->text().toStdString();
}

void QtWindowOperations::setText(Field field, std::string_view text)
{
    QLineEdit *box = m_textBoxes[std::size_t(field)];
    box->setText(toQString(text));
    // A figure wider than its box shows its leading digits, not its tail; an input keeps the caret at the end,
    // ready for typing.
    if (box->isReadOnly())
        box->setCursorPosition(0);
}

void QtWindowOperations::setFocus(Field field)
{
    m_textBoxes[std::size_t(field)]->setFocus(Qt::OtherFocusReason);
}

void QtWindowOperations::showMessage(std::string_view text)
{
    m_services.showMessage(m_window, toQString(text));
}

void QtWindowOperations::beep()
{
    m_services.beep();
}

void QtWindowOperations::endProgram()
{
    m_services.endProgram();
}

} // namespace window
