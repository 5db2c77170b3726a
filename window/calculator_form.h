// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop_services.h"
#include "form_geometry.h"
#include "numtext/locale_marks.h"
#include "qt_window_operations.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QScrollArea;

namespace commands::form {
struct Twips;
}

namespace window {

class CalculatorMenus;

// The calculator window, laid out from the form table at the screen's logical DPI, its fields grown by whatever
// the style's frames take (see FormGeometry). Every widget carries its
// table name as objectName and an accessible name a screen reader can speak. Where the screen is smaller than
// the window, its content scrolls. A menu bar above the client area reaches scenario files, the schedules, the
// comparison with an offer, the report and help.
class CalculatorForm : public QWidget {
    Q_OBJECT

public:
    CalculatorForm(numtext::LocaleMarks marks, DesktopServices services, QWidget *parent = nullptr);

    // Opens a scenario file into the windows and calculates it as if its inputs were typed.
    void openScenario(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Where something the form table puts at these twips goes on this screen, under this style.
    using Placement = std::function<QRect(const commands::form::Twips &)>;

    QWidget *buildClientArea();
    void addTextBoxes(QWidget &client);
    FormGeometry fitTextBoxesToStyle(double dpi);
    void addLabels(QWidget &client, const Placement &place);
    void addButtons(QWidget &client, const Placement &place);
    // Those in the user's language before the window is first shown, the form's English ones after it is drawn.
    enum class Captions { Translated, English };
    void fitCaptions(QWidget &client, Captions which);
    void fitEnglishCaptions();
    void chainTabOrder();
    QSize contentSize() const;
    void fitToScreen(QSize content);

    std::optional<commands::Field> checkedField(const QObject *textBox) const;
    bool leftForAnotherControl(Qt::FocusReason reason) const;
    void queueCheck(commands::Field field);
    void queueUnconfirmedChecks();
    bool runDueChecks();
    bool startsCalculate(const QEvent &event) const;
    void runCommand(const std::function<void()> &command);
    void calculateAsTyped();
    void offerRecovery();

    numtext::LocaleMarks m_marks;
    std::array<QLineEdit *, commands::fieldCount> m_textBoxes{};
    QPushButton *m_calculateButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_recoveryBar = nullptr;
    DesktopServices m_services;
    QtWindowOperations m_operations;
    CalculatorMenus *m_menus = nullptr;
    std::vector<commands::Field> m_dueChecks; // the checked fields the user has left, in that order, not yet checked
    std::array<QString, commands::fieldCount>
        m_confirmedTexts; // what each checked field held when its check last passed
    bool m_checking = false; // a check is showing its message or handing the focus back
    bool m_closing = false;
    bool m_drawn = false;
};

} // namespace window
