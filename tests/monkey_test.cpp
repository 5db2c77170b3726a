// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded monkey on the real window: random text typed or pasted into the inputs, Tab and Shift+Tab, clicks on
// fields, Calculate's access key and clicks on Calculate (also straight after typing a value its check refuses), every
// message box answered; the schedules window opened and closed, and the schedules exported. After every step the
// program is still running, no message box is open, and every input holds what was typed unless its check set it back
// to "1". Every Calculate either runs or is stopped by a check's message; when it runs, no loan 1 input holds a value
// its check would refuse, and each result field holds what the libraries say that run must write, or nothing. The
// number notation is the system locale's. MONKEY_SEED and MONKEY_STEPS choose the run; the seed is printed, and
// repeated in any failure.
#include "calculate_oracle.h"
#include "commands/commands.h"
#include "localtext/system_marks.h"
#include "localtext/translations.h"
#include "modules/worker_threads.h"
#include "numtext/localized_number.h"
#include "private_settings.h"
#include "window/calculator_form.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>

namespace {

const QStringList inputNames{"Text1", "Text2", "Text3", "Text6", "Text7"};
const QStringList checkedNames{"Text1", "Text2", "Text3"};

// Pieces random input is made of: numbers in and out of range, marks, signs, exponents, letters, other scripts.
const QStringList pieces{
    "0",      "1",      "7",       "25",     "50",     "51",     "355000", "10000000", "10000001", "2.99",
    "0.5",    "25.01",  "355,000", "1,000",  "1.000",  ",",      ".",      "-",        "+",        "$",
    "%",      "e",      "E",       "d",      "1e308",  "1e999",  "-1e999", "1e-999",   "abc",      " ",
    "\u00A0", "\u202F", "\u20AC",  "\u00E9", "\u4E2D", "\u0663", "\u00BD", "nan",      "inf",      "0x10",
    "2,99",   "'",      "\u2019",  "(",      ")",      "\uFF14", "\u06F4", "355.000",  "1,0000",   "%",
};

// Texts every input check accepts, which a person would type to put things right.
const QStringList accepted{"1", "2.99", "4", "20", "25", "50", "140000", "355000", "10000000"};

// Texts the loan 1 checks refuse: out of range or not a number at all.
const QStringList refused{"0", "abc", "99999999", "30", "0.5", "100", "-", "1e999", "\u0664x", ""};

class Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void survives_random_use();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Action {
        Type,
        Paste,
        Tab,
        BackTab,
        ClickField,
        AltC,
        ClickCalculate,
        AltCAfterRefusedText,
        PutRight,
        OpenOrCloseSchedules,
        ExportSchedules,
    };

    QLineEdit *box(const QString &name) const { return m_form->findChild<QLineEdit *>(name); }
    // Calculate's access key in the language the window speaks: Alt+C in English.
    QKeySequence calculateKey() const
    {
        return QKeySequence::mnemonic(m_form->findChild<QPushButton *>("Command1")->text());
    }
    QString randomText();
    void step(Action action);
    void checkAfterStep();
    void checkCalculateResults();
    void startCalculate(const std::function<void()> &press, const QString &how);
    bool refusedByItsCheck(const QString &name) const;
    void enter(QLineEdit *field, const QString &text, bool paste);
    QString where() const;

    std::mt19937_64 m_random;
    quint64 m_seed = 0;
    int m_steps = 2000;
    int m_step = 0;
    std::deque<QString> m_recent; // the last actions, for reproducing a failure
    numtext::LocaleMarks m_marks;
    QTemporaryDir m_saveFolder;
    std::unique_ptr<window::CalculatorForm> m_form;
    std::map<QString, QString> m_typed;
    int m_messages = 0;
    int m_calculations = 0;
    bool m_ended = false;
    QStringList m_failures;
};

void Monkey::initTestCase()
{
    m_seed = qEnvironmentVariableIsSet("MONKEY_SEED") ? qEnvironmentVariable("MONKEY_SEED").toULongLong()
                                                      : std::random_device{}();
    if (qEnvironmentVariableIsSet("MONKEY_STEPS"))
        m_steps = qEnvironmentVariableIntValue("MONKEY_STEPS");
    m_random.seed(m_seed);
    qInfo("monkey seed %llu, %d steps", m_seed, m_steps);

    // Answer every message box as soon as it shows.
    qApp->installEventFilter(this);
    window::DesktopServices services = window::DesktopServices::system();
    services.beep = [] {};
    services.endProgram = [this] { m_ended = true; };
    services.chooseSaveFile = [this](QWidget &, const QString &, const QString &baseName, const QString &extension,
                                     const QString &) { return m_saveFolder.filePath(baseName + '.' + extension); };
    m_marks = localtext::marksOf(QLocale::system());
    m_form = std::make_unique<window::CalculatorForm>(m_marks, std::move(services));
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    // Runs after the form's own slot, so it sees the window as that Calculate left it.
    connect(m_form->findChild<QPushButton *>("Command1"), &QPushButton::clicked, this, [this] {
        ++m_calculations;
        checkCalculateResults();
    });
    for (const QString &name : inputNames)
        m_typed[name] = box(name)->text();
}

bool Monkey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show)
        if (auto *message = qobject_cast<QMessageBox *>(watched)) {
            ++m_messages;
            QTimer::singleShot(0, message, &QMessageBox::accept);
        }
    return QObject::eventFilter(watched, event);
}

QString Monkey::randomText()
{
    const auto below = [this](std::size_t n) { return std::size_t(m_random() % n); };
    switch (below(12)) {
    case 0:
        return "";
    case 1:
        return QString(int(200 + below(800)), QChar('0' + int(below(10))));
    case 2:
    case 3:
    case 4:
        return accepted[qsizetype(below(std::size_t(accepted.size())))];
    default:
        break;
    }
    QString text;
    for (std::size_t i = 0, n = 1 + below(4); i < n; ++i)
        text += pieces[qsizetype(below(std::size_t(pieces.size())))];
    return text;
}

// QTest types ASCII only; other characters arrive as key events carrying just their text, as from an input method.
void typeInto(QWidget *field, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, char(c.unicode()));
            continue;
        }
        QKeyEvent press{QEvent::KeyPress, 0, Qt::NoModifier, QString(c)};
        QKeyEvent release{QEvent::KeyRelease, 0, Qt::NoModifier, QString(c)};
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

void Monkey::enter(QLineEdit *field, const QString &text, bool paste)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        typeInto(field, text);
    }
    m_typed[field->objectName()] = text;
}

void Monkey::step(Action action)
{
    const auto below = [this](std::size_t n) { return std::size_t(m_random() % n); };
    const auto pickInput = [&] { return box(inputNames[qsizetype(below(std::size_t(inputNames.size())))]); };
    QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : m_form.get();
    switch (action) {
    case Action::Type:
    case Action::Paste: {
        QLineEdit *field = pickInput();
        const QString text = randomText();
        m_recent.push_back(
            QString("%1 %2 \"%3\"")
                .arg(action == Action::Paste ? "paste into" : "type into", field->objectName(), text.left(40)));
        enter(field, text, action == Action::Paste);
        break;
    }
    case Action::Tab:
        m_recent.push_back("Tab");
        QTest::keyClick(focused, Qt::Key_Tab);
        break;
    case Action::BackTab:
        m_recent.push_back("Shift+Tab");
        QTest::keyClick(focused, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case Action::ClickField: {
        const auto fields = m_form->findChildren<QLineEdit *>();
        QLineEdit *field = fields[qsizetype(below(std::size_t(fields.size())))];
        m_recent.push_back("click " + field->objectName());
        QTest::mouseClick(field, Qt::LeftButton);
        break;
    }
    case Action::AltCAfterRefusedText: {
        QLineEdit *field = box(checkedNames[qsizetype(below(std::size_t(checkedNames.size())))]);
        const QString text = refused[qsizetype(below(std::size_t(refused.size())))];
        m_recent.push_back(QString("type into %1 \"%2\"").arg(field->objectName(), text));
        enter(field, text, false);
        startCalculate([this, field] { QTest::keySequence(field, calculateKey()); }, calculateKey().toString());
        break;
    }
    case Action::PutRight: // as a person who has read the messages: every refused loan 1 input retyped
        for (const QString &name : checkedNames)
            if (refusedByItsCheck(name)) {
                const QString text = accepted[qsizetype(below(std::size_t(accepted.size())))];
                m_recent.push_back(QString("type into %1 \"%2\"").arg(name, text));
                enter(box(name), text, false);
            }
        break;
    case Action::OpenOrCloseSchedules:
        if (QWidget *schedules = m_form->findChild<QWidget *>("SchedulesWindow"); schedules && schedules->isVisible()) {
            m_recent.push_back("close the schedules");
            schedules->close();
        } else {
            m_recent.push_back("Ctrl+R");
            QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
        }
        m_form->activateWindow();
        break;
    case Action::ExportSchedules:
        m_recent.push_back("export the schedules");
        m_form->findChild<QAction *>("ExportSchedules")->trigger();
        break;
    case Action::AltC:
        startCalculate([this, focused] { QTest::keySequence(focused, calculateKey()); }, calculateKey().toString());
        break;
    case Action::ClickCalculate:
        startCalculate([this] { QTest::mouseClick(m_form->findChild<QPushButton *>("Command1"), Qt::LeftButton); },
                       "click Calculate");
        break;
    }
    if (m_recent.size() > 12)
        m_recent.pop_front();
    // Let the checks that the focus changes queued run, with their message boxes.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    // A window manager gives the window back its activation when a message box closes; offscreen, nothing does.
    if (QApplication::activeWindow() != m_form.get()) {
        m_form->activateWindow();
        if (!QTest::qWaitForWindowActive(m_form.get()))
            m_failures << "the window could not be activated again" + where();
    }
}

// Calculate either runs or is stopped by the message of a check that was due; never neither.
void Monkey::startCalculate(const std::function<void()> &press, const QString &how)
{
    m_recent.push_back(how);
    const int calculations = m_calculations;
    const int messages = m_messages;
    press();
    if (!QTest::qWaitFor([&] { return m_calculations > calculations || m_messages > messages; }, 2000))
        m_failures << how + " neither calculated nor showed a check's message" + where();
}

// The checks themselves, run on a copy of the field's text, tell whether they would refuse it.
class TextOnly final : public commands::WindowOperations {
public:
    explicit TextOnly(std::string text)
        : m_text(std::move(text))
    { }
    std::string getText(commands::Field) const override { return m_text; }
    void setText(commands::Field, std::string_view) override { }
    void setFocus(commands::Field) override { }
    void showMessage(std::string_view) override { }
    void beep() override { }
    void endProgram() override { }

private:
    std::string m_text;
};

bool Monkey::refusedByItsCheck(const QString &name) const
{
    using Check = bool (*)(commands::WindowOperations &, const numtext::LocaleMarks &);
    const Check check = name == "Text1" ? commands::Text1_LostFocus
        : name == "Text2"               ? commands::Text2_LostFocus
                                        : commands::Text3_LostFocus;
    TextOnly field{box(name)->text().toStdString()};
    return !check(field, m_marks);
}

void Monkey::checkCalculateResults()
{
    for (const QString &name : checkedNames)
        if (refusedByItsCheck(name))
            m_failures << QString("Calculate ran with %1 \"%2\", which its check refuses").arg(name, box(name)->text())
                    + where();
    std::map<std::string, std::string> inputs;
    for (const QString &name : inputNames)
        inputs[name.toStdString()] = box(name)->text().toStdString();
    for (const auto &[field, expected] : expectedResults(inputs, m_marks)) {
        const QString actual = box(QString::fromStdString(field))->text();
        if (actual.toStdString() != expected)
            m_failures << QString("%1 reads \"%2\", expected \"%3\"")
                              .arg(QString::fromStdString(field), actual, QString::fromStdString(expected))
                    + where();
    }
}

void Monkey::checkAfterStep()
{
    if (m_ended)
        m_failures << "the program ended" + where();
    if (QApplication::activeModalWidget())
        m_failures << "a message box was left open" + where();
    for (const QString &name : inputNames) {
        const QString text = box(name)->text();
        if (text == m_typed[name])
            continue;
        // A check sets its field back to 1 in the user's digits.
        if (checkedNames.contains(name) && text == QString::fromStdString(numtext::localizedNumber("1", m_marks)))
            m_typed[name] = text;
        else
            m_failures
                << QString("%1 reads \"%2\" but \"%3\" was typed").arg(name, text.left(60), m_typed[name].left(60))
                    + where();
    }
}

QString Monkey::where() const
{
    QStringList recent(m_recent.begin(), m_recent.end());
    return QString(" (seed %1, step %2; last actions: %3)").arg(m_seed).arg(m_step).arg(recent.join(" | "));
}

void Monkey::survives_random_use()
{
    // Weights: mostly typing and moving about, Calculate often enough to check many runs.
    const std::vector<std::pair<Action, int>> weights{
        {Action::Type, 28},
        {Action::Paste, 10},
        {Action::Tab, 14},
        {Action::BackTab, 8},
        {Action::ClickField, 14},
        {Action::AltC, 6},
        {Action::ClickCalculate, 20},
        {Action::AltCAfterRefusedText, 4},
        {Action::PutRight, 12},
        {Action::OpenOrCloseSchedules, 3},
        {Action::ExportSchedules, 2},
    };
    int total = 0;
    for (const auto &[action, weight] : weights)
        total += weight;
    for (m_step = 1; m_step <= m_steps && m_failures.isEmpty(); ++m_step) {
        int pick = int(m_random() % unsigned(total));
        auto chosen = weights.begin();
        while (pick >= chosen->second)
            pick -= (chosen++)->second;
        step(chosen->first);
        checkAfterStep();
    }
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.mid(0, 5).join("\n")));
    QVERIFY2(m_calculations > m_steps / 20, qPrintable(QString("only %1 calculations").arg(m_calculations)));
    qInfo("%d steps, %d calculations, %d message boxes answered", m_steps, m_calculations, m_messages);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    // The window's words in the system's language, as the program shows them.
    localtext::installQtCatalog();
    localtext::installCatalog(QStringLiteral("loanblend"));
    localtext::installCatalog(QStringLiteral("loanblend-window"));
    Monkey monkey;
    return QTest::qExec(&monkey, argc, argv);
}

#include "monkey_test.moc"
