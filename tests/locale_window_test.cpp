// SPDX-License-Identifier: GPL-3.0-or-later
// The real window under the system locale the test is started with (LC_ALL), its marks read as the program reads
// them: it starts with its inputs in that notation, and Calculate turns them into the usual figures, written with
// the locale's marks.
#include "default_run.h"
#include "localtext/system_marks.h"
#include "modules/worker_threads.h"
#include "notations.h"
#include "private_settings.h"
#include "window/calculator_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <memory>

class LocaleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void the_system_locale_uses_a_decimal_comma();
    void the_checks_accept_a_principal_grouped_in_the_locale_notation();
    void the_starting_inputs_are_in_the_locale_notation_and_give_the_usual_figures();

private:
    QLineEdit *box(std::string_view name) const
    {
        return m_form->findChild<QLineEdit *>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    void type(std::string_view field, std::string_view text)
    {
        QLineEdit *input = box(field);
        input->setFocus();
        QTRY_VERIFY(input->hasFocus());
        input->setText(QString::fromStdString(inNotation(text, m_marks)));
        QTest::keyClick(input, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

    numtext::LocaleMarks m_marks;
    std::unique_ptr<window::CalculatorForm> m_form;
    QStringList m_messages;
};

void LocaleWindowTest::init()
{
    m_messages.clear();
    m_marks = localtext::marksOf(QLocale::system());
    window::DesktopServices recording{
        [this](QWidget &, const QString &text) { m_messages << text; }, [] {}, [] {}, {}, {}};
    m_form = std::make_unique<window::CalculatorForm>(m_marks, std::move(recording));
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void LocaleWindowTest::cleanup()
{
    m_form.reset();
}

void LocaleWindowTest::the_system_locale_uses_a_decimal_comma()
{
    QCOMPARE(QString::fromStdString(m_marks.decimal), ",");
    QVERIFY2(m_marks.grouping == "." || m_marks.grouping == "\u202F" || m_marks.grouping == "\u00A0",
             m_marks.grouping.c_str());
}

void LocaleWindowTest::the_checks_accept_a_principal_grouped_in_the_locale_notation()
{
    type("Text1", "355,000");
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(box("Text1")->text().toStdString(), inNotation("355,000", m_marks));
}

void LocaleWindowTest::the_starting_inputs_are_in_the_locale_notation_and_give_the_usual_figures()
{
    QCOMPARE(box("Text2")->text().toStdString(), "2" + m_marks.decimal + "99");
    QCOMPARE(box("Text1")->text(), "355000");
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!box("Text30")->text().isEmpty());
    for (const auto &[field, text] : defaultRunTexts)
        QCOMPARE(box(field)->text().toStdString(), inNotation(text, m_marks));
    QCOMPARE(box("Text4")->text().toStdString(), "$1" + m_marks.grouping + "967,04");
    QCOMPARE(m_messages, QStringList{});
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    LocaleWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "locale_window_test.moc"
