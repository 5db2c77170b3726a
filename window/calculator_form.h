#pragma once

#include "desktop_services.h"
#include "numtext/locale_marks.h"
#include "qt_window_operations.h"

#include <QWidget>
#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

namespace window {

// The calculator window, laid out from the form table at the screen's logical DPI. Every widget carries its
// table name as objectName and an accessible name a screen reader can speak.
class CalculatorForm : public QWidget {
public:
    CalculatorForm(numtext::LocaleMarks marks, DesktopServices services, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    using Check = void (*)(WindowOperations &, const numtext::LocaleMarks &);

    void addTextBoxes(double dpi);
    void addLabels(double dpi);
    void addButtons(double dpi);
    void chainTabOrder();

    Check checkFor(const QObject *textBox) const;
    bool leftForAnotherControl(Qt::FocusReason reason) const;
    void runPendingCheck();
    void runCommand(const std::function<void()> &command);

    numtext::LocaleMarks m_marks;
    std::array<QLineEdit *, fieldCount> m_textBoxes{};
    QPushButton *m_calculateButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QtWindowOperations m_operations;
    Check m_pendingCheck = nullptr; // due for the field just left, run once the focus change is complete
    bool m_checking = false; // a check is showing its message or handing the focus back
    bool m_closing = false;
};

} // namespace window
