#include "calculator_form.h"

#include "commands.h"
#include "form_table.h"
#include "qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

namespace window {

namespace {

constexpr double twipsPerInch = 1440;

QRect toPixels(const form::Twips &twips, double dpi)
{
    const auto px = [dpi](int value) { return qRound(value * dpi / twipsPerInch); };
    return {px(twips.left), px(twips.top), px(twips.width), px(twips.height)};
}

// Liberation Sans, the metric twin of the classic sans serif faces, is the closest face Debian has both to the
// window's own font and to the black face of its banner. Naming only a face that is installed keeps fontconfig
// from searching for absent ones at every start; where it is missing, any sans serif face stands in.
QFont fontOf(double points, QFont::Weight weight)
{
    QFont font{"Liberation Sans"};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

Qt::Alignment alignmentOf(form::Align align)
{
    switch (align) {
    case form::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case form::Align::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case form::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

struct LeaveCheck {
    Field field;
    void (*check)(WindowOperations &, const numtext::LocaleMarks &);
};

constexpr LeaveCheck leaveChecks[] = {
    {Field::Text1, Text1_LostFocus},
    {Field::Text2, Text2_LostFocus},
    {Field::Text3, Text3_LostFocus},
};

} // namespace

CalculatorForm::CalculatorForm(numtext::LocaleMarks marks, DesktopServices services, QWidget *parent)
    : QWidget(parent)
    , m_marks(std::move(marks))
    , m_operations(*this, m_textBoxes, std::move(services))
{
    setObjectName("CalculatorForm");
    setWindowTitle(toQString(form::programTitle));
    setFont(fontOf(8, QFont::Normal));

    const double dpi = logicalDpiX();
    setFixedSize(toPixels({0, 0, form::clientWidth, form::clientHeight}, dpi).size());
    addTextBoxes(dpi);
    addLabels(dpi);
    addButtons(dpi);
    chainTabOrder();
    m_textBoxes[std::size_t(Field::Text1)]->setFocus();
}

void CalculatorForm::addTextBoxes(double dpi)
{
    for (const auto &spec : form::textBoxes()) {
        auto *box = new QLineEdit(toQString(spec.initialText), this);
        box->setObjectName(toQString(spec.name));
        box->setAccessibleName(toQString(spec.accessibleName));
        box->setGeometry(toPixels(spec.geometry, dpi));
        if (spec.colour) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, QColor(spec.colour->red, spec.colour->green, spec.colour->blue));
            box->setPalette(palette);
        }
        if (spec.role != form::Role::Input) {
            // Selectable and copyable, but not typed into, and skipped by the Tab key.
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::ClickFocus);
        }
        box->setCursorPosition(0);
        m_textBoxes[std::size_t(spec.field)] = box;
    }
    for (const auto &leave : leaveChecks)
        m_textBoxes[std::size_t(leave.field)]->installEventFilter(this);
}

void CalculatorForm::addLabels(double dpi)
{
    for (const auto &spec : form::labels()) {
        auto *label = new QLabel(toQString(spec.caption), this);
        label->setObjectName(toQString(spec.name));
        label->setGeometry(toPixels(spec.geometry, dpi));
        label->setAlignment(alignmentOf(spec.alignment));
        switch (spec.font) {
        case form::LabelFont::Heading:
            label->setFont(fontOf(7.8, QFont::Bold));
            break;
        case form::LabelFont::Banner:
            label->setFont(fontOf(8.4, QFont::Black));
            break;
        case form::LabelFont::Window:
            break;
        }
        if (spec.geometry.height > 2 * form::textBox(Field::Text1).geometry.height) {
            // The note: a box of wrapped text.
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFrameShape(QFrame::Box);
        }
    }
}

void CalculatorForm::addButtons(double dpi)
{
    for (const auto &spec : form::buttons()) {
        auto *button = new QPushButton(toQString(spec.caption), this);
        button->setObjectName(toQString(spec.name));
        button->setAccessibleName(toQString(spec.accessibleName));
        button->setGeometry(toPixels(spec.geometry, dpi));
        (spec.name == "cmdExit" ? m_exitButton : m_calculateButton) = button;
    }
    // A click delivered all at once can reach Calculate before the check its own focus change made due; the
    // check runs first, so that it cannot change an input later, inside Calculate's message box.
    connect(m_calculateButton, &QPushButton::clicked, this, [this] {
        runPendingCheck();
        runCommand([this] { Command1_Click(m_operations, m_marks); });
    });
    connect(m_exitButton, &QPushButton::clicked, this, [this] { runCommand([this] { cmdExit_Click(m_operations); }); });
    // A click on Exit must not take the focus: that would run the check of the field being left, and Exit has
    // to work whatever the fields hold. The Tab key still reaches it.
    m_exitButton->setFocusPolicy(Qt::TabFocus);
}

void CalculatorForm::chainTabOrder()
{
    std::vector<std::pair<int, QWidget *>> visited;
    for (const auto &spec : form::textBoxes())
        if (spec.role == form::Role::Input)
            visited.emplace_back(spec.tabIndex, m_textBoxes[std::size_t(spec.field)]);
    for (const auto &spec : form::buttons())
        visited.emplace_back(spec.tabIndex, spec.name == "cmdExit" ? m_exitButton : m_calculateButton);
    std::sort(visited.begin(), visited.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < visited.size(); ++i)
        setTabOrder(visited[i - 1].second, visited[i].second);
}

CalculatorForm::Check CalculatorForm::checkFor(const QObject *textBox) const
{
    for (const auto &leave : leaveChecks)
        if (m_textBoxes[std::size_t(leave.field)] == textBox)
            return leave.check;
    return nullptr;
}

// The user moving on to another control of this window, and nothing else: not the window losing activation,
// not a popup or the message box of a check, not the focus a check hands back, and not the way out through Exit.
bool CalculatorForm::leftForAnotherControl(Qt::FocusReason reason) const
{
    if (m_checking || m_closing)
        return false;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return false;
    // Qt has already made the new widget the focus widget when the old one hears of the change.
    const QWidget *next = QApplication::focusWidget();
    return next && next != m_exitButton && isAncestorOf(next);
}

bool CalculatorForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const Check check = checkFor(watched);
        // Run once the focus change is complete, so the check's message box never interrupts the click or key
        // that moved the focus.
        if (check && leftForAnotherControl(static_cast<QFocusEvent *>(event)->reason())) {
            m_pendingCheck = check;
            QTimer::singleShot(0, this, [this] { runPendingCheck(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorForm::runPendingCheck()
{
    const Check check = std::exchange(m_pendingCheck, nullptr);
    if (!check || m_closing)
        return;
    const QScopedValueRollback checking{m_checking, true};
    runCommand([this, check] { check(m_operations, m_marks); });
}

// The last resort for a failure no command foresaw: say so and return to the window, inputs untouched.
void CalculatorForm::runCommand(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &error) {
        m_operations.showMessage(std::string("The command could not be completed: ") + error.what() + ".");
    }
}

void CalculatorForm::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    event->accept();
}

} // namespace window
