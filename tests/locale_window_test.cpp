// SPDX-License-Identifier: GPL-3.0-or-later
// The real window under the system locale the test is started with (LC_ALL), its marks read as the program reads
// them and its words in the locale's language, from the catalogs the program installs: it starts with its inputs in
// that notation, Calculate turns them into the usual figures, written with the locale's marks, and every caption
// shows whole.
#include "default_run.h"
#include "localtext/system_marks.h"
#include "localtext/translations.h"
#include "modules/worker_threads.h"
#include "notations.h"
#include "private_settings.h"
#include "window/calculator_form.h"
#include "window/form_geometry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <map>
#include <memory>

class LocaleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void the_system_locale_uses_a_decimal_comma();
    void the_checks_accept_a_principal_grouped_in_the_locale_notation();
    void the_starting_inputs_are_in_the_locale_notation_and_give_the_usual_figures();
    void the_window_speaks_the_locale_language();
    void access_keys_are_unique_in_the_window_and_in_each_menu();
    void no_caption_button_or_menu_is_cut();

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

    // Calculate by its access key, whichever letter the language gives it.
    void pressCalculate()
    {
        const auto *calculate = m_form->findChild<QPushButton *>("Command1");
        const QKeySequence key = QKeySequence::mnemonic(calculate->text());
        QVERIFY(!key.isEmpty());
        QTest::keySequence(box("Text1"), key);
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
    pressCalculate();
    QTRY_VERIFY(!box("Text30")->text().isEmpty());
    for (const auto &[field, text] : defaultRunTexts)
        QCOMPARE(box(field)->text().toStdString(), inNotation(text, m_marks));
    QCOMPARE(box("Text4")->text().toStdString(), "$1" + m_marks.grouping + "967,04");
    QCOMPARE(m_messages, QStringList{});
}

// What the window shows in each language the tests run under: its title, the text (a menu's title) of the widget
// or menu command of each object name, and the message of the principal's check.
struct LanguageTexts {
    QString title;
    std::map<QString, QString> shown;
    QString principalCheck;
};

const std::map<QString, LanguageTexts> languageTexts{
    {"de",
     {"Rechner für zusammengefasste Darlehen",
      {{"Label1", "Darlehensbetrag 1"},
       {"Label14", "Mischzins"},
       {"Command1", "Be&rechnen"},
       {"cmdExit", "B&eenden"},
       {"FileMenu", "&Datei"},
       {"EditMenu", "&Bearbeiten"},
       {"ViewMenu", "&Ansicht"},
       {"HelpMenu", "&Hilfe"},
       {"OpenScenario", "Ö&ffnen\u2026"},
       {"ExportSchedules", "&Tilgungspläne als CSV exportieren\u2026"},
       {"ExitProgram", "&Beenden"},
       {"UndoFill", "Übernahme aus dem Rechner &rückgängig machen"},
       {"ShowComparison", "Mit einem &Angebot vergleichen\u2026"},
       {"FigureDefinitions", "Wie die Kennzahlen &definiert sind"}},
      "Geben Sie einen Darlehensbetrag zwischen $1 und $10.000.000 ein"}},
    {"fr",
     {"Calculateur de regroupement de prêts",
      {{"Label1", "Capital emprunté 1"},
       {"Label14", "Taux mixte"},
       {"Command1", "&Calculer"},
       {"cmdExit", "&Quitter"},
       {"FileMenu", "&Fichier"},
       {"EditMenu", "&Édition"},
       {"ViewMenu", "&Affichage"},
       {"HelpMenu", "Aid&e"},
       {"OpenScenario", "&Ouvrir\u2026"},
       {"ExportSchedules", "E&xporter les tableaux d'amortissement en CSV\u2026"},
       {"ExitProgram", "&Quitter"},
       {"UndoFill", "&Annuler le remplissage depuis le calculateur"},
       {"ShowComparison", "Comparer avec une &offre\u2026"},
       {"FigureDefinitions", "&Définition des chiffres"}},
      "Saisissez un capital emprunté compris entre 1\u202F$ et 10\u202F000\u202F000\u202F$"}},
};

void LocaleWindowTest::the_window_speaks_the_locale_language()
{
    const auto language = languageTexts.find(localtext::uiLanguage());
    QVERIFY2(language != languageTexts.end(), qPrintable(localtext::uiLanguage()));
    QCOMPARE(m_form->windowTitle(), language->second.title);
    for (const auto &[name, text] : language->second.shown) {
        const QObject *shown = m_form->findChild<QObject *>(name);
        QVERIFY2(shown, qPrintable(name));
        QCOMPARE(shown->property(shown->inherits("QMenu") ? "title" : "text").toString(), text);
    }
    type("Text1", "0");
    QCOMPARE(m_messages, QStringList{language->second.principalCheck});
}

void LocaleWindowTest::access_keys_are_unique_in_the_window_and_in_each_menu()
{
    const auto keyOf = [](const QString &text) { return QKeySequence::mnemonic(text).toString(); };
    QStringList windowKeys;
    for (const QPushButton *button : m_form->findChildren<QPushButton *>())
        windowKeys << keyOf(button->text());
    for (const QAction *menu : m_form->findChild<QMenuBar *>()->actions()) {
        windowKeys << keyOf(menu->text());
        QStringList menuKeys;
        for (const QAction *item : menu->menu()->actions())
            if (!item->isSeparator())
                menuKeys << keyOf(item->text());
        QCOMPARE(menuKeys.size(), QSet<QString>(menuKeys.begin(), menuKeys.end()).size());
        QVERIFY2(!menuKeys.contains(QString()), qPrintable(menu->text()));
    }
    QCOMPARE(windowKeys.size(), QSet<QString>(windowKeys.begin(), windowKeys.end()).size());
    QVERIFY(!windowKeys.contains(QString()));
}

// QLineEdit keeps this many pixels clear on each side of its text.
constexpr int textMargin = 2;

// Every caption and button shows its whole text in the place it is given, and every menu title has its place in
// the menu bar rather than behind its overflow button.
void LocaleWindowTest::no_caption_button_or_menu_is_cut()
{
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        if (label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
        else
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
        // Inside the client area, which scrolls where the screen is too small, except the banner that overhangs it.
        if (label->alignment() & Qt::AlignHCenter)
            continue;
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), qPrintable(label->text()));
    }
    // The fixed notes in fields, such as "same as loan1", show whole as well.
    for (const QLineEdit *note : m_form->findChildren<QLineEdit *>())
        if (note->isReadOnly() && note->focusPolicy() == Qt::ClickFocus)
            QVERIFY2(note->fontMetrics().horizontalAdvance(note->text()) + 2 * textMargin
                         <= window::textAreaOf(*note).width(),
                     qPrintable(note->text()));
    for (const QPushButton *button : m_form->findChildren<QPushButton *>()) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        QVERIFY2(button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + margin
                     <= button->width(),
                 qPrintable(button->text()));
    }
    const auto *menuBar = m_form->findChild<QMenuBar *>();
    for (QAction *menu : menuBar->actions()) {
        const QRect place = menuBar->actionGeometry(menu);
        QVERIFY2(!place.isEmpty() && menuBar->rect().contains(place), qPrintable(menu->text()));
    }
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) // ctest names the screen; offscreen alone otherwise
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    // The catalogs the program installs for its window.
    localtext::installQtCatalog();
    localtext::installCatalog(QStringLiteral("loanblend"));
    localtext::installCatalog(QStringLiteral("loanblend-window"));
    LocaleWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "locale_window_test.moc"
