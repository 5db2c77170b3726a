#include "default_run.h"
#include "window/calculator_form.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using window::CalculatorForm;

// Proves the real window on the offscreen platform. Message boxes, the beep and the end of the program are
// recorded instead of shown; any modal dialog that appears all the same fails the test and is closed, so none
// can ever block the run.
class CalculatorFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void starts_with_the_default_inputs_and_empty_results();
    void tab_out_of_a_principal_above_ten_million_resets_it_and_keeps_the_focus();
    void alt_c_runs_calculate();
    void a_click_on_calculate_leaving_a_rejected_rate_checks_it_first();
    void alt_x_beeps_and_ends_the_program();
    void exit_clicked_with_an_unreadable_principal_ends_without_a_check();
    void close_box_with_a_rejected_principal_raises_no_check();
    void another_window_taking_the_focus_raises_no_check();
    void tab_visits_the_inputs_then_calculate_and_exit();
    void results_are_read_only_and_skipped_by_tab();
    void every_field_and_button_has_an_accessible_name();
    void every_caption_fits_its_box();
    void the_system_message_box_has_the_title_the_text_and_ok_alone();

private:
    QLineEdit *box(const char *name) const { return m_form->findChild<QLineEdit *>(name); }
    QPushButton *button(const char *name) const { return m_form->findChild<QPushButton *>(name); }
    QWidget *pressTab();

    std::unique_ptr<CalculatorForm> m_form;
    QStringList m_messages;
    QStringList m_principalWhileMessageShown;
    QStringList m_log;
    QStringList m_unexpectedDialogs;
    QTimer m_dialogWatch;
    bool m_expectDialog = false;
};

void CalculatorFormTest::init()
{
    m_messages.clear();
    m_principalWhileMessageShown.clear();
    m_log.clear();
    m_unexpectedDialogs.clear();
    m_expectDialog = false;

    window::DesktopServices recording{
        [this](QWidget &, const QString &text) {
            m_messages << text;
            m_principalWhileMessageShown << box("Text1")->text();
            m_log << "message";
        },
        [this] { m_log << "beep"; },
        [this] { m_log << "end"; },
    };
    m_form = std::make_unique<CalculatorForm>(numtext::LocaleMarks{".", ",", "$"}, std::move(recording));
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    connect(&m_dialogWatch, &QTimer::timeout, this, [this] {
        if (QWidget *dialog = QApplication::activeModalWidget(); dialog && !m_expectDialog) {
            m_unexpectedDialogs << dialog->metaObject()->className();
            dialog->close();
        }
    });
    m_dialogWatch.start(20);
}

void CalculatorFormTest::cleanup()
{
    m_dialogWatch.stop();
    m_dialogWatch.disconnect();
    m_form.reset();
    QCOMPARE(m_unexpectedDialogs, QStringList{});
}

QWidget *CalculatorFormTest::pressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
}

void CalculatorFormTest::starts_with_the_default_inputs_and_empty_results()
{
    QCOMPARE(box("Text1")->text(), "355000");
    QCOMPARE(box("Text2")->text(), "2.99");
    QCOMPARE(box("Text3")->text(), "20");
    QCOMPARE(box("Text6")->text(), "140000");
    QCOMPARE(box("Text7")->text(), "4");
    for (const auto &[field, text] : defaultRunTexts)
        QCOMPARE(box(std::string(field).c_str())->text(), QString());
    QTRY_VERIFY(box("Text1")->hasFocus());
}

void CalculatorFormTest::tab_out_of_a_principal_above_ten_million_resets_it_and_keeps_the_focus()
{
    QLineEdit *principal = box("Text1");
    QTRY_VERIFY(principal->hasFocus());
    principal->setText("10000001");
    QTest::keyClick(principal, Qt::Key_Tab);

    QTRY_COMPARE(m_messages, QStringList{"enter a Principal between $1 and $10000,000"});
    QCOMPARE(m_principalWhileMessageShown, QStringList{"1"});
    QCOMPARE(principal->text(), "1");
    QTRY_VERIFY(principal->hasFocus());
    QTest::qWait(50);
    QCOMPARE(m_messages.size(), 1);
}

void CalculatorFormTest::alt_c_runs_calculate()
{
    QTest::keyClick(m_form.get(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(box("Text30")->text(), "19.99");
    for (const auto &[field, text] : defaultRunTexts)
        QCOMPARE(box(std::string(field).c_str())->text(), QString::fromUtf8(text.data(), qsizetype(text.size())));
    QCOMPARE(m_messages, QStringList{});
}

void CalculatorFormTest::a_click_on_calculate_leaving_a_rejected_rate_checks_it_first()
{
    QLineEdit *rate = box("Text2");
    rate->setFocus();
    QTRY_VERIFY(rate->hasFocus());
    rate->setText("0");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    // Had Calculate run first, a rate of 0 would have failed it with a message of its own.
    QTRY_COMPARE(m_messages, QStringList{"enter an Annual Interest Rate between 1% and 25%"});
    QCOMPARE(rate->text(), "1");
    QCOMPARE(box("Text21")->text(), "1.0046");
    QTRY_VERIFY(rate->hasFocus());
}

void CalculatorFormTest::alt_x_beeps_and_ends_the_program()
{
    QTest::keyClick(m_form.get(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(m_log, (QStringList{"beep", "end"}));
}

void CalculatorFormTest::exit_clicked_with_an_unreadable_principal_ends_without_a_check()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    box("Text1")->setText("abc");
    QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
    QTRY_COMPARE(m_log, (QStringList{"beep", "end"}));
    QTest::qWait(50);
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(box("Text1")->text(), "abc");
}

void CalculatorFormTest::close_box_with_a_rejected_principal_raises_no_check()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    box("Text1")->setText("0");
    QVERIFY(m_form->close());
    QTest::qWait(50);
    QCOMPARE(m_messages, QStringList{});
}

void CalculatorFormTest::another_window_taking_the_focus_raises_no_check()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    box("Text1")->setText("0");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::qWait(50);
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(box("Text1")->text(), "0");
}

void CalculatorFormTest::tab_visits_the_inputs_then_calculate_and_exit()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    QStringList visited;
    for (int i = 0; i < 7; ++i)
        visited << pressTab()->objectName();
    QCOMPARE(visited, (QStringList{"Text6", "Text2", "Text7", "Text3", "Command1", "cmdExit", "Text1"}));
    QCOMPARE(m_messages, QStringList{});
}

void CalculatorFormTest::results_are_read_only_and_skipped_by_tab()
{
    for (const auto &[field, text] : defaultRunTexts) {
        const QLineEdit *result = box(std::string(field).c_str());
        QVERIFY2(result->isReadOnly(), result->objectName().toUtf8());
        QCOMPARE(result->focusPolicy(), Qt::ClickFocus);
    }
}

void CalculatorFormTest::every_field_and_button_has_an_accessible_name()
{
    const auto widgets = m_form->findChildren<QWidget *>();
    int named = 0;
    for (const QWidget *widget : widgets) {
        if (!qobject_cast<const QLineEdit *>(widget) && !qobject_cast<const QPushButton *>(widget))
            continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), widget->objectName().toUtf8());
        ++named;
    }
    QCOMPARE(named, 36);
    QCOMPARE(box("Text17")->accessibleName(), "Blended loan rate (%)");
}

void CalculatorFormTest::every_caption_fits_its_box()
{
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        if (label->wordWrap())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(
            needed <= label->contentsRect().width(),
            qPrintable(QString("%1 needs %2 px, has %3").arg(label->objectName()).arg(needed).arg(label->width())));
    }
}

void CalculatorFormTest::the_system_message_box_has_the_title_the_text_and_ok_alone()
{
    m_expectDialog = true;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->accept();
    });
    window::DesktopServices::system().showMessage(*m_form, "enter a Principal between $1 and $10000,000");
    QCOMPARE(title, "Blended Loan Calculator");
    QCOMPARE(text, "enter a Principal between $1 and $10000,000");
    QCOMPARE(buttons, QMessageBox::Ok);
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CalculatorFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "calculator_form_test.moc"
