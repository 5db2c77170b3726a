// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_form.h"

#include "calculator_menus.h"
#include "commands/commands.h"
#include "commands/form_table.h"
#include "form_geometry.h"
#include "localtext/display_text.h"
#include "numtext/localized_number.h"
#include "recovery_bar.h"
#include "result_field.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

namespace window {

using commands::Field;
using localtext::toQString;
namespace form = commands::form;

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
    bool (*check)(commands::WindowOperations &, const numtext::LocaleMarks &);
};

constexpr LeaveCheck leaveChecks[] = {
    {Field::Text1, commands::Text1_LostFocus},
    {Field::Text2, commands::Text2_LostFocus},
    {Field::Text3, commands::Text3_LostFocus},
};

// A field with a fixed light background keeps dark text and a dark selection whatever the palette, so that a
// dark desktop theme cannot put near-white text on it.
void paintFixedBackground(QLineEdit &box, const form::Rgb &colour)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, QColor(colour.red, colour.green, colour.blue));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x1F, 0x4E, 0x99));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    box.setPalette(palette);
}

// Room for the frame and title bar the desktop adds around the client area, which Qt cannot know before the
// window is shown.
constexpr QSize windowFrameAllowance{16, 48};

} // namespace

CalculatorForm::CalculatorForm(numtext::LocaleMarks marks, DesktopServices services, QWidget *parent)
    : QWidget(parent)
    , m_marks(std::move(marks))
    , m_services(std::move(services))
    , m_operations(*this, m_textBoxes, m_services)
{
    setObjectName("CalculatorForm");
    setWindowTitle(toQString(form::shown(form::programTitle)));
    setFont(fontOf(8, QFont::Normal));

    QWidget *client = buildClientArea();
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    // Clicks on the background or on Exit must not move the focus to the scroll area: that would count as
    // leaving the field being edited.
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidget(client);
    m_menus = new CalculatorMenus(
        *this, m_operations, m_marks, m_services, [this](const std::function<void()> &command) { runCommand(command); },
        [this] { commands::cmdExit_Click(m_operations); }, [this] { calculateAsTyped(); });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0); // the recovery bar, where there is one, sits right on the fields
    layout->setMenuBar(m_menus->menuBar());
    layout->addWidget(m_scrollArea);
    // Every edit of an input is the document's to know of: for the title's mark and the recovery file.
    for (const Field input : commands::inputFields)
        connect(m_textBoxes[std::size_t(input)], &QLineEdit::textChanged, this,
                [this] { runCommand([this] { m_menus->document().edited(); }); });
    fitToScreen(contentSize());
    offerRecovery();

    // Whatever takes the focus, by Tab or by a check handing it back, is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_scrollArea->widget()->isAncestorOf(now))
            m_scrollArea->ensureWidgetVisible(now);
    });

    // Typing at start replaces the starting principal rather than adding to it.
    QLineEdit *principal = m_textBoxes[std::size_t(Field::Text1)];
    principal->setFocus();
    principal->selectAll();
}

QWidget *CalculatorForm::buildClientArea()
{
    // Made inside the window, so that its fields measure themselves in the window's font and style.
    auto *client = new QWidget(this);
    client->setObjectName("ClientArea");
    addTextBoxes(*client);
    const double dpi = logicalDpiX();
    const FormGeometry geometry = fitTextBoxesToStyle(dpi);
    const Placement place = [&geometry, dpi](const form::Twips &twips) { return geometry.place(toPixels(twips, dpi)); };
    client->setFixedSize(place({0, 0, form::clientWidth, form::clientHeight}).size());
    addLabels(*client, place);
    addButtons(*client, place);
    fitCaptions(*client, Captions::Translated);
    chainTabOrder();
    return client;
}

// Captions in the user's language may need more room than the English the form was drawn for: each reaches out
// into the free room beside it, away from the field it names, and the client area widens where one reaches past
// it. The note grows wider until its words fit its height. English captions fit as drawn, so nothing moves, unless
// the desktop's font settings draw them wider (the autohinter at full hinting does).
void CalculatorForm::fitCaptions(QWidget &client, Captions which)
{
    const auto measured = [which](std::string_view caption) {
        return (form::shown(caption) == caption) == (which == Captions::English);
    };
    const QList<QWidget *> children = client.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    const auto othersThan = [&children](const QWidget *widget) {
        std::vector<QRect> others;
        for (const QWidget *child : children)
            if (child != widget)
                others.push_back(child->geometry());
        return others;
    };
    const QWidget *banner = nullptr;
    for (const auto &spec : form::labels()) {
        auto *label = client.findChild<QLabel *>(toQString(spec.name), Qt::FindDirectChildrenOnly);
        if (spec.font == form::LabelFont::Banner)
            banner = label;
        if (!measured(spec.caption))
            continue;
        Reach reach = spec.alignment == form::Align::Right ? Reach::Left
            : spec.alignment == form::Align::Left          ? Reach::Right
                                                           : Reach::Both;
        if (const QWidget *field = label->buddy())
            reach = field->geometry().center().x() > label->geometry().center().x() ? Reach::Left : Reach::Right;
        int width = label->sizeHint().width();
        if (label->wordWrap())
            for (width = label->width(); label->heightForWidth(width) > label->height() && width < 4 * client.width();)
                width += 8;
        label->setGeometry(reachOut(label->geometry(), width, reach, othersThan(label)));
        // A heading that names no field may also take what room there is on its other side.
        if (!label->buddy() && reach != Reach::Both)
            label->setGeometry(reachOut(label->geometry(), width, reach == Reach::Left ? Reach::Right : Reach::Left,
                                        othersThan(label)));
    }
    for (const auto &spec : form::buttons()) {
        if (!measured(spec.caption))
            continue;
        QPushButton *button = spec.name == "cmdExit" ? m_exitButton : m_calculateButton;
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int width = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + 2 * margin;
        button->setGeometry(reachOut(button->geometry(), width, Reach::Both, othersThan(button)));
    }
    // The banner is centred over the whole form and overhangs it by design; everything else is kept inside.
    int left = 0;
    int right = client.width();
    for (const QWidget *child : children)
        if (child != banner) {
            left = std::min(left, child->geometry().left());
            right = std::max(right, child->geometry().right() + 1);
        }
    for (QWidget *child : children)
        child->move(child->pos() - QPoint(left, 0));
    client.setFixedSize(right - left, client.height());
}

// The client area under the menu bar, and under the recovery bar where there is one.
QSize CalculatorForm::contentSize() const
{
    const QWidget &client = *m_scrollArea->widget();
    // The menu bar's height at the window's width, as the layout will give it: some styles wrap it taller than
    // its size hint says.
    const int menuBarHeight
        = std::max(m_menus->menuBar()->heightForWidth(client.width()), m_menus->menuBar()->sizeHint().height());
    const int recoveryBarHeight = m_recoveryBar ? m_recoveryBar->sizeHint().height() : 0;
    return client.size() + QSize(0, menuBarHeight + recoveryBarHeight);
}

// Opens as large as the client area and the menu bar, or as the screen allows; scroll bars then take the place
// they need.
void CalculatorForm::fitToScreen(QSize content)
{
    const QSize room = screen()->availableSize() - windowFrameAllowance;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = content;
    if (size.height() > room.height())
        size.rwidth() += scrollBar;
    if (size.width() > room.width())
        size.rheight() += scrollBar;
    setMaximumSize(size);
    resize(size.boundedTo(room));
}

// Each field as large as the form makes it, or larger where the style's frame takes more room than the form
// allowed, with the form's text area inside.
FormGeometry CalculatorForm::fitTextBoxesToStyle(double dpi)
{
    std::vector<QRect> formRects;
    QSize growth;
    for (const auto &spec : form::textBoxes()) {
        formRects.push_back(toPixels(spec.geometry, dpi));
        growth = growth.expandedTo(fieldGrowth(*m_textBoxes[std::size_t(spec.field)], formRects.back().size()));
    }
    const FormGeometry geometry{formRects, growth};
    std::size_t index = 0;
    for (const auto &spec : form::textBoxes()) {
        QLineEdit &box = *m_textBoxes[std::size_t(spec.field)];
        const QRect &formRect = formRects[index++];
        box.setGeometry(geometry.place(formRect));
        keepFormTextArea(box, formRect.size());
        box.setCursorPosition(0);
    }
    return geometry;
}

void CalculatorForm::addTextBoxes(QWidget &client)
{
    for (const auto &spec : form::textBoxes()) {
        QLineEdit *box = spec.role == form::Role::Result ? new ResultField(&client) : new QLineEdit(&client);
        // Inputs start in the user's own notation: "2,99" where the decimal mark is a comma.
        box->setText(spec.role == form::Role::Input ? toQString(numtext::localizedNumber(spec.initialText, m_marks))
                                                    : toQString(form::shown(spec.initialText)));
        box->setObjectName(toQString(spec.name));
        box->setAccessibleName(toQString(form::accessibleName(spec)));
        if (spec.colour)
            paintFixedBackground(*box, *spec.colour);
        if (spec.role == form::Role::Note) {
            // A fixed text: selectable, never typed into, and not worth a stop of the Tab key.
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::ClickFocus);
        }
        m_textBoxes[std::size_t(spec.field)] = box;
    }
    for (const auto &leave : leaveChecks) {
        m_textBoxes[std::size_t(leave.field)]->installEventFilter(this);
        m_confirmedTexts[std::size_t(leave.field)] = m_textBoxes[std::size_t(leave.field)]->text();
    }
}

void CalculatorForm::addLabels(QWidget &client, const Placement &place)
{
    for (const auto &spec : form::labels()) {
        auto *label = new QLabel(toQString(form::shown(spec.caption)), &client);
        label->setObjectName(toQString(spec.name));
        label->setGeometry(place(spec.geometry));
        label->setAlignment(alignmentOf(spec.alignment));
        if (spec.captions)
            label->setBuddy(m_textBoxes[std::size_t(*spec.captions)]);
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

void CalculatorForm::addButtons(QWidget &client, const Placement &place)
{
    for (const auto &spec : form::buttons()) {
        auto *button = new QPushButton(toQString(form::shown(spec.caption)), &client);
        button->setObjectName(toQString(spec.name));
        button->setAccessibleName(toQString(form::shown(spec.accessibleName)));
        button->setGeometry(place(spec.geometry));
        (spec.name == "cmdExit" ? m_exitButton : m_calculateButton) = button;
    }
    // Every way of starting Calculate passes through the event filter first, which runs the checks that are due.
    m_calculateButton->installEventFilter(this);
    // The click itself checks again: an assistive technology presses the button without any of those events,
    // and Alt+C clicks only after a short animation, during which the field can still be typed into.
    connect(m_calculateButton, &QPushButton::clicked, this, [this] { calculateAsTyped(); });
    connect(m_exitButton, &QPushButton::clicked, this,
            [this] { runCommand([this] { commands::cmdExit_Click(m_operations); }); });
    // A click on Exit must not take the focus: that would run the check of the field being left, and Exit has
    // to work whatever the fields hold. The Tab key still reaches it, and leaving a field that way is checked.
    m_exitButton->setFocusPolicy(Qt::TabFocus);
}

// The inputs and the two buttons in their tab order, then every figure in reading order (top to bottom, left to
// right), so that a keyboard or screen reader user can reach and copy each result.
void CalculatorForm::chainTabOrder()
{
    std::vector<std::pair<int, QWidget *>> commands;
    std::vector<std::pair<std::pair<int, int>, QWidget *>> figures;
    for (const auto &spec : form::textBoxes()) {
        QWidget *box = m_textBoxes[std::size_t(spec.field)];
        if (spec.role == form::Role::Input)
            commands.emplace_back(spec.tabIndex, box);
        else if (spec.role == form::Role::Result)
            figures.emplace_back(std::pair{spec.geometry.top, spec.geometry.left}, box);
    }
    for (const auto &spec : form::buttons())
        commands.emplace_back(spec.tabIndex, spec.name == "cmdExit" ? m_exitButton : m_calculateButton);
    std::sort(commands.begin(), commands.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::sort(figures.begin(), figures.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

    std::vector<QWidget *> chain;
    for (const auto &[index, widget] : commands)
        chain.push_back(widget);
    for (const auto &[position, widget] : figures)
        chain.push_back(widget);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

std::optional<Field> CalculatorForm::checkedField(const QObject *textBox) const
{
    for (const auto &leave : leaveChecks)
        if (m_textBoxes[std::size_t(leave.field)] == textBox)
            return leave.field;
    return std::nullopt;
}

// The user moving on to another control of this window, and nothing else: not the window losing activation,
// not a menu, popup or the message box of a check, and not the focus a check hands back. Activating Exit by
// click, access key or close box moves no focus, so it ends the program without a check.
bool CalculatorForm::leftForAnotherControl(Qt::FocusReason reason) const
{
    if (m_checking || m_closing)
        return false;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return false;
    // Qt has already made the new widget the focus widget when the old one hears of the change.
    const QWidget *next = QApplication::focusWidget();
    return next && isAncestorOf(next);
}

void CalculatorForm::queueCheck(Field field)
{
    if (std::find(m_dueChecks.begin(), m_dueChecks.end(), field) == m_dueChecks.end())
        m_dueChecks.push_back(field);
}

// Before Calculate, every checked field whose text has changed since its check last passed is checked: the one
// the access key is pressed in, and one a check took the focus from before the user could leave it.
void CalculatorForm::queueUnconfirmedChecks()
{
    for (const auto &leave : leaveChecks)
        if (m_textBoxes[std::size_t(leave.field)]->text() != m_confirmedTexts[std::size_t(leave.field)])
            queueCheck(leave.field);
}

// Runs every due check, in the order the fields were left; true when all of them passed. Each check that fails
// hands the focus back to its own field, so the last one to fail keeps it.
bool CalculatorForm::runDueChecks()
{
    if (m_checking) // a check's message box is up; its own run goes on through the rest
        return false;
    bool allPassed = true;
    while (!m_dueChecks.empty() && !m_closing) {
        const Field field = m_dueChecks.front();
        m_dueChecks.erase(m_dueChecks.begin());
        const auto leave = std::find_if(std::begin(leaveChecks), std::end(leaveChecks),
                                        [field](const LeaveCheck &check) { return check.field == field; });
        const QScopedValueRollback checking{m_checking, true};
        bool passed = false;
        runCommand([this, leave, &passed] { passed = leave->check(m_operations, m_marks); });
        if (passed)
            m_confirmedTexts[std::size_t(field)] = m_textBoxes[std::size_t(field)]->text();
        allPassed = allPassed && passed;
    }
    return allPassed;
}

// A press of the mouse, Space, or the access key Alt+C: the moments at which Calculate is set going.
bool CalculatorForm::startsCalculate(const QEvent &event) const
{
    switch (event.type()) {
    case QEvent::Shortcut:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return static_cast<const QMouseEvent &>(event).button() == Qt::LeftButton;
    case QEvent::KeyPress:
        return static_cast<const QKeyEvent &>(event).key() == Qt::Key_Space;
    default:
        return false;
    }
}

// Measuring every English caption would hold up the window's first appearance by more than a millisecond, for
// captions that nearly always fit as drawn: they are measured once the window is first drawn.
void CalculatorForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_drawn && windowHandle())
        windowHandle()->installEventFilter(this);
}

void CalculatorForm::fitEnglishCaptions()
{
    QWidget &client = *m_scrollArea->widget();
    const QSize before = client.size();
    fitCaptions(client, Captions::English);
    if (client.size() != before)
        fitToScreen(contentSize());
}

bool CalculatorForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed() && !m_drawn) {
        m_drawn = true;
        windowHandle()->removeEventFilter(this);
        // Queued behind the drawing this exposure starts.
        QMetaObject::invokeMethod(this, &CalculatorForm::fitEnglishCaptions, Qt::QueuedConnection);
    } else if (watched == m_calculateButton && startsCalculate(*event)) {
        // When a check fails, the press never reaches the button, so Calculate does not run, whatever the timing
        // of the events.
        queueUnconfirmedChecks();
        if (!runDueChecks())
            return true;
    } else if (event->type() == QEvent::FocusOut) {
        const std::optional<Field> field = checkedField(watched);
        // Run once the focus change is complete, so the check's message box never interrupts the click or key
        // that moved the focus.
        if (field && leftForAnotherControl(static_cast<QFocusEvent *>(event)->reason())) {
            queueCheck(*field);
            QTimer::singleShot(0, this, [this] { runDueChecks(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorForm::calculateAsTyped()
{
    queueUnconfirmedChecks();
    if (runDueChecks())
        runCommand([this] { m_menus->calculated(commands::Command1_Click(m_operations, m_marks)); });
}

void CalculatorForm::openScenario(const QString &path)
{
    runCommand([this, &path] { m_menus->document().open(path); });
}

// Where an earlier session left inputs it never saved, a bar above the fields offers them back; the window is as
// it always was otherwise, and as it always starts when there is nothing to offer.
void CalculatorForm::offerRecovery()
{
    ScenarioDocument &document = m_menus->document();
    if (!document.hasRecovery())
        return;
    // The window grows by the bar while it is there, so the fields keep their room, and gives it back after.
    const auto dismiss = [this] {
        if (!m_recoveryBar)
            return;
        const int room = m_recoveryBar->sizeHint().height();
        m_recoveryBar->deleteLater();
        m_recoveryBar = nullptr;
        setMaximumHeight(maximumHeight() - room);
    };
    m_recoveryBar = new RecoveryBar(
        [this, dismiss] {
            runCommand([this] { m_menus->document().restore(); });
            dismiss();
        },
        [this, dismiss] {
            runCommand([this] { m_menus->document().discardRecovery(); });
            dismiss();
        },
        this);
    static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_recoveryBar);
    const int room = m_recoveryBar->sizeHint().height();
    setMaximumHeight(maximumHeight() + room);
    resize(width(), std::min(height() + room, screen()->availableSize().height() - windowFrameAllowance.height()));
    document.recoveryTaken = dismiss;
}

// The last resort for a failure no command foresaw: say so and return to the window, inputs untouched.
void CalculatorForm::runCommand(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &error) {
        //: %1 is the failure as the system words it, often in English.
        m_operations.showMessage(
            tr("The command could not be completed: %1.").arg(QString::fromUtf8(error.what())).toStdString());
    }
}

void CalculatorForm::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    event->accept();
}

} // namespace window
