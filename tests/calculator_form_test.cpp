// SPDX-License-Identifier: GPL-3.0-or-later
#include "default_run.h"
#include "modules/worker_threads.h"
#include "private_settings.h"
#include "window/calculator_form.h"
#include "window/form_geometry.h"
#include "window/result_field.h"
#include "window/save_file_dialog.h"
#include "window/scenario_document.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using window::CalculatorForm;

// Proves the real window on the offscreen platform. Message boxes, the beep and the end of the program are
// recorded instead of shown; any modal dialog that appears all the same fails the test and is closed, so none
// can ever block the run.
class CalculatorFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void a_caption_reaches_out_into_the_free_room_beside_it_data();
    void a_caption_reaches_out_into_the_free_room_beside_it();
    void starts_with_the_default_inputs_and_empty_results();
    void tab_out_of_a_principal_above_ten_million_resets_it_and_keeps_the_focus();
    void alt_c_runs_calculate();
    void alt_c_first_checks_the_field_it_is_pressed_in_data();
    void alt_c_first_checks_the_field_it_is_pressed_in();
    void a_click_on_calculate_leaving_a_rejected_rate_checks_it_and_does_not_calculate();
    void every_click_from_a_rejected_principal_checks_it_and_never_calculates();
    void a_press_by_assistive_technology_checks_first();
    void shift_tab_out_of_an_unreadable_principal_checks_it();
    void checks_due_for_several_fields_all_run_in_the_order_they_were_left();
    void alt_x_beeps_and_ends_the_program();
    void exit_clicked_with_an_unreadable_principal_ends_without_a_check();
    void close_box_with_a_rejected_principal_raises_no_check();
    void another_window_taking_the_focus_raises_no_check();
    void tab_visits_the_inputs_the_buttons_then_every_result_in_reading_order();
    void every_field_and_button_has_an_accessible_name_starting_with_its_caption();
    void every_caption_fits_its_box();
    void every_field_text_contrasts_with_its_background_in_light_and_dark_palettes();
    void a_figure_wider_than_its_box_is_marked_and_whole_in_its_tooltip();
    void typing_at_start_replaces_the_starting_principal();
    void the_window_fits_the_screen_and_scrolls_to_what_has_the_focus();
    void the_system_message_box_has_the_title_the_text_and_ok_alone();
    void menu_access_keys_leave_alt_c_and_alt_x_to_calculate_and_exit();
    void exit_in_the_menu_beeps_and_ends_like_the_button();
    void the_schedules_window_follows_every_calculate();
    void the_report_and_the_schedules_are_saved_where_the_user_chose();
    void copy_results_gives_two_columns_of_caption_and_text();
    void the_commands_work_by_their_shortcuts_from_the_schedules_window();
    void one_first_payment_month_serves_the_schedules_window_and_the_export();
    void a_context_menu_in_a_field_runs_no_check();
    void a_command_that_fails_says_so_and_the_window_goes_on();
    void the_comparison_opens_filled_and_keeps_what_is_typed_there();
    void before_any_calculate_the_comparison_fills_from_the_boxes_and_undo_takes_a_fill_back();
    void export_of_a_comparison_that_cannot_be_made_says_so_before_asking_for_a_file();
    void a_scenario_saved_and_opened_again_marks_the_title_while_it_differs();
    void a_scenario_opens_as_if_typed_with_its_comparison();
    void a_scenario_without_a_comparison_replaces_the_one_shown_and_saves_what_is_shown();
    void a_scenario_is_not_saved_with_text_that_is_not_a_number();
    void a_file_that_is_no_scenario_is_refused_and_changes_nothing();
    void a_recent_file_that_is_gone_says_so_and_leaves_the_list();
    void typing_not_saved_is_offered_back_at_the_next_start();
    void the_recovery_file_outlives_open_and_is_not_offered_from_a_running_copy();
    void a_recovery_is_offered_unless_a_running_copy_holds_its_lock_data();
    void a_recovery_is_offered_unless_a_running_copy_holds_its_lock();
    void a_restored_recovery_goes_once_the_inputs_are_the_files();
    void typing_that_never_stops_is_written_all_the_same();
    void the_command_line_gives_the_windows_texts_as_json();
    void the_save_dialog_takes_the_name_as_typed_data();
    void the_save_dialog_takes_the_name_as_typed();

private:
    QAction *menuAction(const QString &text) const;
    QLineEdit *box(const char *name) const { return m_form->findChild<QLineEdit *>(name); }
    QPushButton *button(const char *name) const { return m_form->findChild<QPushButton *>(name); }
    QWidget *pressTab(Qt::Key key = Qt::Key_Tab);
    void startForm();
    QStringList resultTexts() const;
    static QStringList recoveryFiles();
    static bool recoveryFilesSettle(int count, const QString &gone);
    static void writeRecovery(const QString &id, const QString &file, const QString &principal);

    std::unique_ptr<CalculatorForm> m_form;
    QStringList m_messages;
    QStringList m_principalWhileMessageShown;
    QList<bool> m_modifiedWhileMessageShown;
    QStringList m_log;
    QStringList m_unexpectedDialogs;
    QTimer m_dialogWatch;
    std::unique_ptr<QTemporaryDir> m_saveFolder; // a new one for every test
    bool m_expectDialog = false;
    std::function<void()> m_beforeSave; // what choosing a file does first, such as failing
    QString m_fileToOpen; // what the user picks to open
};

void CalculatorFormTest::init()
{
    m_saveFolder = std::make_unique<QTemporaryDir>();
    QDir(window::ScenarioDocument::recoveryFolder()).removeRecursively();
    QSettings().clear();
    m_messages.clear();
    m_principalWhileMessageShown.clear();
    m_modifiedWhileMessageShown.clear();
    m_log.clear();
    m_unexpectedDialogs.clear();
    m_expectDialog = false;
    m_beforeSave = {};

    startForm();

    connect(&m_dialogWatch, &QTimer::timeout, this, [this] {
        if (QWidget *dialog = QApplication::activeModalWidget(); dialog && !m_expectDialog) {
            m_unexpectedDialogs << dialog->metaObject()->className();
            dialog->close();
        }
    });
    m_dialogWatch.start(20);
}

void CalculatorFormTest::startForm()
{
    window::DesktopServices recording{
        [this](QWidget &, const QString &text) {
            m_messages << text;
            m_principalWhileMessageShown << box("Text1")->text();
            m_modifiedWhileMessageShown << m_form->isWindowModified();
            m_log << "message";
        },
        [this] { m_log << "beep"; },
        [this] { m_log << "end"; },
        [this](QWidget &, const QString &, const QString &baseName, const QString &extension, const QString &) {
            if (m_beforeSave)
                m_beforeSave();
            return m_saveFolder->filePath(baseName + '.' + extension);
        },
        [this](QWidget &, const QString &, const QString &) { return m_fileToOpen; },
    };
    m_form = std::make_unique<CalculatorForm>(numtext::LocaleMarks{".", ",", "$"}, std::move(recording));
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void CalculatorFormTest::cleanup()
{
    m_dialogWatch.stop();
    m_dialogWatch.disconnect();
    m_form.reset();
    QCOMPARE(m_unexpectedDialogs, QStringList{});
}

QWidget *CalculatorFormTest::pressTab(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
}

QStringList CalculatorFormTest::recoveryFiles()
{
    return QDir(window::ScenarioDocument::recoveryFolder()).entryList({"*.json"}, QDir::Files, QDir::Name);
}

// Waits until the recovery folder holds `count` files and not `gone`. A restore writes the new file before the old one
// goes, so a count alone is met for a moment by the old file and then exceeded.
bool CalculatorFormTest::recoveryFilesSettle(int count, const QString &gone)
{
    return QTest::qWaitFor([&] {
        const QStringList files = recoveryFiles();
        return files.size() == count && !files.contains(gone);
    });
}

// The recovery file a copy named `id` leaves: the starting inputs with loan 1's principal replaced.
void CalculatorFormTest::writeRecovery(const QString &id, const QString &file, const QString &principal)
{
    QDir().mkpath(window::ScenarioDocument::recoveryFolder());
    QFile recovery{QDir(window::ScenarioDocument::recoveryFolder()).filePath(id + ".json")};
    QVERIFY(recovery.open(QIODevice::WriteOnly));
    recovery.write(QJsonDocument(QJsonObject{{"file", file},
                                             {"inputs", QJsonArray{principal, "2.99", "20", "140000", "4"}},
                                             {"firstMonth", "2027-01"},
                                             {"comparison", QJsonValue::Null}})
                       .toJson());
}

QAction *CalculatorFormTest::menuAction(const QString &text) const
{
    for (QAction *action : m_form->findChild<QMenuBar *>()->findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

QStringList CalculatorFormTest::resultTexts() const
{
    QStringList texts;
    for (const auto &[field, text] : defaultRunTexts)
        texts << box(std::string(field).c_str())->text();
    return texts;
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

void CalculatorFormTest::alt_c_first_checks_the_field_it_is_pressed_in_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString principal = "enter a Principal between $1 and $10000,000";
    const QString rate = "enter an Annual Interest Rate between 1% and 25%";
    const QString period = "enter an Amortization Period between 1 and 50 years";
    QTest::newRow("principal_zero") << "Text1"
                                    << "0" << principal;
    QTest::newRow("principal_above_ten_million") << "Text1"
                                                 << "99999999" << principal;
    QTest::newRow("principal_not_a_number")
        << "Text1"
        << "abc"
        << "The loan 1 principal \"abc\" is not a number. Enter a number such as 355,000.";
    QTest::newRow("rate_above_25") << "Text2"
                                   << "30" << rate;
    QTest::newRow("rate_below_1") << "Text2"
                                  << "0.5" << rate;
    QTest::newRow("period_below_1") << "Text3"
                                    << "0.5" << period;
    QTest::newRow("period_above_50") << "Text3"
                                     << "100" << period;
}

void CalculatorFormTest::alt_c_first_checks_the_field_it_is_pressed_in()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QLineEdit *input = box(field.toUtf8());
    input->setFocus();
    QTRY_VERIFY(input->hasFocus());
    input->setText(text);
    QTest::keyClick(input, Qt::Key_C, Qt::AltModifier);

    QTRY_COMPARE(m_messages, QStringList{message});
    QTest::qWait(150); // past the button's press animation, after which a click would calculate
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(resultTexts(), QStringList(26, QString()));
    QVERIFY(input->hasFocus());
}

void CalculatorFormTest::a_click_on_calculate_leaving_a_rejected_rate_checks_it_and_does_not_calculate()
{
    QLineEdit *rate = box("Text2");
    rate->setFocus();
    QTRY_VERIFY(rate->hasFocus());
    rate->setText("0");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QTRY_COMPARE(m_messages, QStringList{"enter an Annual Interest Rate between 1% and 25%"});
    QCOMPARE(rate->text(), "1");
    QTRY_VERIFY(rate->hasFocus());
    QCOMPARE(box("Text21")->text(), QString());
}

void CalculatorFormTest::every_click_from_a_rejected_principal_checks_it_and_never_calculates()
{
    for (int click = 0; click < 12; ++click) {
        QLineEdit *principal = box("Text1");
        principal->setFocus();
        QTRY_VERIFY(principal->hasFocus());
        principal->setText("0");
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QTRY_COMPARE(m_messages.size(), click + 1);
        QTest::qWait(click % 3 * 5); // vary the timing, as a person clicking would
        QCOMPARE(resultTexts(), QStringList(26, QString()));
    }
}

void CalculatorFormTest::a_press_by_assistive_technology_checks_first()
{
    box("Text1")->setText("");
    QAccessibleInterface *calculate = QAccessible::queryAccessibleInterface(button("Command1"));
    calculate->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(m_messages, QStringList{"The loan 1 principal is empty. Enter a number such as 355,000."});
    QTest::qWait(150);
    QCOMPARE(resultTexts(), QStringList(26, QString()));
}

void CalculatorFormTest::shift_tab_out_of_an_unreadable_principal_checks_it()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    box("Text1")->setText("abc");
    pressTab(Qt::Key_Backtab);
    QTRY_COMPARE(m_messages.size(), 1);
    QTRY_VERIFY(box("Text1")->hasFocus());
    QCOMPARE(box("Text1")->text(), "abc");
}

void CalculatorFormTest::checks_due_for_several_fields_all_run_in_the_order_they_were_left()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    box("Text1")->setText("0");
    box("Text2")->setText("99");
    // Three Tabs before the event loop runs a single check: Text1 -> Text6 -> Text2 -> Text7.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(m_messages,
                 (QStringList{"enter a Principal between $1 and $10000,000",
                              "enter an Annual Interest Rate between 1% and 25%"}));
    QCOMPARE(box("Text1")->text(), "1");
    QCOMPARE(box("Text2")->text(), "1");
    QTRY_VERIFY(box("Text2")->hasFocus());
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

void CalculatorFormTest::tab_visits_the_inputs_the_buttons_then_every_result_in_reading_order()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    QStringList visited;
    for (int i = 0; i < 33; ++i)
        visited << pressTab()->objectName();
    QCOMPARE(visited,
             (QStringList{"Text6",  "Text2",  "Text7",  "Text3",  "Command1", "cmdExit", "Text21", "Text66", "Text4",
                          "Text10", "Text8",  "Text12", "Text22", "Text13",   "Text26",  "Text27", "Text16", "Text17",
                          "Text15", "Text19", "Text20", "Text5",  "Text14",   "Text11",  "Text23", "Text24", "Text25",
                          "Text29", "Text30", "Text31", "Text32", "Text33",   "Text1"}));
    QCOMPARE(m_messages, QStringList{});
    for (const auto &[field, text] : defaultRunTexts)
        QVERIFY(box(std::string(field).c_str())->isReadOnly());
}

void CalculatorFormTest::every_field_and_button_has_an_accessible_name_starting_with_its_caption()
{
    int named = 0;
    for (const QWidget *widget : m_form->findChildren<QWidget *>()) {
        if (!qobject_cast<const QLineEdit *>(widget) && !qobject_cast<const QPushButton *>(widget))
            continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), widget->objectName().toUtf8());
        ++named;
    }
    QCOMPARE(named, 36);
    int captioned = 0;
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        if (!label->buddy())
            continue;
        QVERIFY2(label->buddy()->accessibleName().startsWith(label->text().trimmed()),
                 qPrintable(label->buddy()->accessibleName()));
        ++captioned;
    }
    QCOMPARE(captioned, 23);
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

// WCAG 2 contrast ratio of two colours, from their relative luminance.
static double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void CalculatorFormTest::every_field_text_contrasts_with_its_background_in_light_and_dark_palettes()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    const QPalette light = QApplication::style()->standardPalette();
    const QPalette original = QApplication::palette();
    for (const QPalette &palette : {light, dark}) {
        QApplication::setPalette(palette);
        startForm();
        for (const QLineEdit *field : m_form->findChildren<QLineEdit *>()) {
            const QPalette &p = field->palette();
            QVERIFY2(contrast(p.color(QPalette::Text), p.color(QPalette::Base)) >= 4.5, field->objectName().toUtf8());
            // The selection colours are the desktop's own, except on the fields whose background is fixed.
            if (field->testAttribute(Qt::WA_SetPalette))
                QVERIFY2(contrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)) >= 4.5,
                         field->objectName().toUtf8());
        }
    }
    QApplication::setPalette(original);
}

void CalculatorFormTest::a_figure_wider_than_its_box_is_marked_and_whole_in_its_tooltip()
{
    box("Text1")->setText("10000000");
    box("Text2")->setText("25");
    box("Text3")->setText("50");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QTRY_COMPARE(box("Text22")->text(), "$2,359,965,161,072.49");
    const auto *accumulated = static_cast<window::ResultField *>(box("Text22"));
    QVERIFY(accumulated->overflows());
    QCOMPARE(accumulated->toolTip(), "$2,359,965,161,072.49");
    QVERIFY(accumulated->accessibleDescription().contains("$2,359,965,161,072.49"));
    const auto *effectiveRate = static_cast<window::ResultField *>(box("Text21"));
    QVERIFY(!effectiveRate->overflows());
    QCOMPARE(effectiveRate->toolTip(), QString());
}

void CalculatorFormTest::typing_at_start_replaces_the_starting_principal()
{
    QTRY_VERIFY(box("Text1")->hasFocus());
    QTest::keyClicks(box("Text1"), "400000");
    QCOMPARE(box("Text1")->text(), "400000");
}

void CalculatorFormTest::the_window_fits_the_screen_and_scrolls_to_what_has_the_focus()
{
    const QRect screen = m_form->screen()->availableGeometry();
    QVERIFY(m_form->height() <= screen.height() && m_form->width() <= screen.width());
    button("Command1")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!button("Command1")->visibleRegion().isEmpty());
    box("Text33")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!box("Text33")->visibleRegion().isEmpty());
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

Q_DECLARE_METATYPE(window::Reach)

// A caption of 100 x 20 at (200, 100), asked to be 160 wide; the others are what lies around it.
void CalculatorFormTest::a_caption_reaches_out_into_the_free_room_beside_it_data()
{
    using window::Reach;
    QTest::addColumn<int>("width");
    QTest::addColumn<Reach>("reach");
    QTest::addColumn<QList<QRect>>("others");
    QTest::addColumn<QRect>("placed");
    const QRect fieldRight{310, 100, 80, 20};
    QTest::newRow("wide enough already") << 90 << Reach::Left << QList<QRect>{} << QRect(200, 100, 100, 20);
    QTest::newRow("left, into free room") << 160 << Reach::Left << QList<QRect>{fieldRight} << QRect(140, 100, 160, 20);
    QTest::newRow("left, past the client's edge") << 260 << Reach::Left << QList<QRect>{} << QRect(40, 100, 260, 20);
    QTest::newRow("left, up to a gap short of a neighbour")
        << 160 << Reach::Left << QList<QRect>{fieldRight, QRect(100, 105, 60, 20)} << QRect(164, 100, 136, 20);
    QTest::newRow("left, past a neighbour in another row")
        << 160 << Reach::Left << QList<QRect>{QRect(100, 120, 60, 20)} << QRect(140, 100, 160, 20);
    QTest::newRow("right, up to a gap short of a neighbour")
        << 160 << Reach::Right << QList<QRect>{QRect(330, 90, 50, 40)} << QRect(200, 100, 126, 20);
    QTest::newRow("both, half each way") << 160 << Reach::Both << QList<QRect>{} << QRect(170, 100, 160, 20);
    QTest::newRow("both, the rest on the free side")
        << 160 << Reach::Both << QList<QRect>{QRect(100, 100, 80, 20)} << QRect(184, 100, 160, 20);
}

void CalculatorFormTest::a_caption_reaches_out_into_the_free_room_beside_it()
{
    QFETCH(int, width);
    QFETCH(window::Reach, reach);
    QFETCH(QList<QRect>, others);
    QFETCH(QRect, placed);
    QCOMPARE(window::reachOut(QRect(200, 100, 100, 20), width, reach, others), placed);
}

void CalculatorFormTest::menu_access_keys_leave_alt_c_and_alt_x_to_calculate_and_exit()
{
    const QList<QAction *> menus = m_form->findChild<QMenuBar *>()->actions();
    QCOMPARE(menus.size(), 4);
    for (const QAction *menu : menus) {
        const QString key = QKeySequence::mnemonic(menu->text()).toString();
        QVERIFY2(key != "Alt+C" && key != "Alt+X", qPrintable(menu->text()));
    }
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(box("Text30")->text(), "19.99");
}

void CalculatorFormTest::exit_in_the_menu_beeps_and_ends_like_the_button()
{
    box("Text1")->setText("abc");
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QTRY_COMPARE(m_log, (QStringList{"beep", "end"}));
    QCOMPARE(m_messages, QStringList{});
}

void CalculatorFormTest::the_schedules_window_follows_every_calculate()
{
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QWidget *schedules = nullptr;
    QTRY_VERIFY((schedules = m_form->findChild<QWidget *>("SchedulesWindow")) && schedules->isVisible());
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(m_form->findChildren<QWidget *>("SchedulesWindow").size(), 1); // reopened, not duplicated
    const auto *table = schedules->findChild<QTableView *>("Schedule");

    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(table->model()->rowCount(), 240); // loan 1: twenty years of payments
    box("Text3")->setText("10");
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(table->model()->rowCount(), 120);
    const QModelIndex lastBalance = table->model()->index(119, table->model()->columnCount() - 1);
    QCOMPARE(table->model()->data(lastBalance).toString(), "$0.00");

    schedules->close(); // rebuilt when shown again, not while closed
    box("Text3")->setText("5");
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(box("Text30")->text(), "5.00");
    QCOMPARE(table->model()->rowCount(), 120);
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QTRY_COMPARE(table->model()->rowCount(), 60);
}

void CalculatorFormTest::the_report_and_the_schedules_are_saved_where_the_user_chose()
{
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!box("Text30")->text().isEmpty());
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QFile pdf{m_saveFolder->filePath("blended-loan-report.pdf")};
    QTRY_VERIFY(pdf.exists());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), "%PDF-");

    menuAction("&Export schedules as CSV\u2026")->trigger();
    QFile csv{m_saveFolder->filePath("blended-loan-schedules.csv")};
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("Plan,Payment,Month,Payment amount,Interest,Principal,Balance\r\nLoan 1,1,"));
    QCOMPARE(bytes.count("\r\n"), 1 + 240 + 240 + 240 + 247 + 240);
    QCOMPARE(m_messages, QStringList{});
}

void CalculatorFormTest::copy_results_gives_two_columns_of_caption_and_text()
{
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!box("Text30")->text().isEmpty());
    box("Text1")->setText("500000"); // typed since: the copy keeps the inputs the figures belong to
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 31);
    QCOMPARE(lines.first(), "Principal1\t355000");
    QCOMPARE(lines.last(), "Monthly Payment, Weighted Average Rate\t$2,815.42");
}

void CalculatorFormTest::the_commands_work_by_their_shortcuts_from_the_schedules_window()
{
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!box("Text30")->text().isEmpty());
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QWidget *schedules = nullptr;
    QTRY_VERIFY((schedules = m_form->findChild<QWidget *>("SchedulesWindow")) && schedules->isVisible());
    schedules->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(schedules));

    QGuiApplication::clipboard()->clear();
    QTest::keySequence(schedules, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Principal1\t355000\n"));
    QTest::keySequence(schedules, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QTRY_VERIFY(QFile::exists(m_saveFolder->filePath("blended-loan-report.pdf")));
    QTest::keySequence(schedules, QKeySequence::HelpContents);
    QTRY_VERIFY(m_form->findChild<QDialog *>("FigureDefinitions"));
    QCOMPARE(m_messages, QStringList{});
}

// Picked in the schedules window, the month stays the month of every schedule: after the window is closed, in
// the export of a later Calculate's figures, and when the window opens again.
void CalculatorFormTest::one_first_payment_month_serves_the_schedules_window_and_the_export()
{
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QWidget *schedules = nullptr;
    QTRY_VERIFY((schedules = m_form->findChild<QWidget *>("SchedulesWindow")) && schedules->isVisible());
    schedules->findChild<QDateEdit *>("FirstPayment")->setDate({2030, 1, 1});
    schedules->close();

    box("Text1")->setText("400000");
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(box("Text4")->text(), "$2,216.39");
    menuAction("&Export schedules as CSV\u2026")->trigger();
    QFile csv{m_saveFolder->filePath("blended-loan-schedules.csv")};
    QVERIFY(csv.open(QIODevice::ReadOnly));
    csv.readLine();
    QCOMPARE(csv.readLine(), "Loan 1,1,2030-01,2216.39,996.67,1219.72,398780.28\r\n");

    menuAction("&Repayment schedules\u2026")->trigger();
    QTRY_VERIFY(schedules->isVisible());
    QCOMPARE(schedules->findChild<QDateEdit *>("FirstPayment")->date(), QDate(2030, 1, 1));
    QCOMPARE(schedules->findChild<QTableView *>("Schedule")->model()->index(0, 2).data().toString(), "$2,216.39");
}

void CalculatorFormTest::a_context_menu_in_a_field_runs_no_check()
{
    QLineEdit *principal = box("Text1");
    QTRY_VERIFY(principal->hasFocus());
    principal->setText("0");
    QTimer::singleShot(50, this, [] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            menu->close();
    });
    const QPoint centre = principal->rect().center();
    QContextMenuEvent menuEvent{QContextMenuEvent::Keyboard, centre, principal->mapToGlobal(centre)};
    QApplication::sendEvent(principal, &menuEvent);
    QTest::qWait(100);
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(principal->text(), "0");
}

void CalculatorFormTest::a_command_that_fails_says_so_and_the_window_goes_on()
{
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!box("Text30")->text().isEmpty());
    m_beforeSave = [] { throw std::runtime_error("the desktop's file dialog failed"); };
    QTest::keySequence(m_form.get(), QKeySequence::Save);
    QTRY_COMPARE(m_messages, QStringList{"The command could not be completed: the desktop's file dialog failed."});
    QVERIFY(m_form->isVisible());
}

// Filled when it first opens, from the starting inputs before any Calculate; a Calculate after leaves what was
// typed in it; the fill button takes the last Calculate's; its month is the schedules' month.
void CalculatorFormTest::the_comparison_opens_filled_and_keeps_what_is_typed_there()
{
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    QWidget *comparison = nullptr;
    QTRY_VERIFY((comparison = m_form->findChild<QWidget *>("ComparisonWindow")) && comparison->isVisible());
    const auto input = [comparison](const char *name) { return comparison->findChild<QLineEdit *>(name); };
    QCOMPARE(input("OfferRate")->text(), "3.2968");
    QCOMPARE(input("Loan1Years")->text(), "20");

    input("OfferRate")->setText("2.5");
    box("Text1")->setText("400000");
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(box("Text4")->text(), "$2,216.39");
    QCOMPARE(input("OfferRate")->text(), "2.5");
    QCOMPARE(input("Loan1Balance")->text(), "355000");
    QTest::mouseClick(comparison->findChild<QPushButton *>("FillFromCalculator"), Qt::LeftButton);
    QCOMPARE(input("Loan1Balance")->text(), "400000");
    QCOMPARE(input("OfferRate")->text(), box("Text5")->text());

    comparison->findChild<QDateEdit *>("ComparisonFirstPayment")->setDate({2031, 3, 1});
    menuAction("&Repayment schedules\u2026")->trigger();
    QWidget *schedules = nullptr;
    QTRY_VERIFY((schedules = m_form->findChild<QWidget *>("SchedulesWindow")) && schedules->isVisible());
    QCOMPARE(schedules->findChild<QDateEdit *>("FirstPayment")->date(), QDate(2031, 3, 1));
    schedules->findChild<QDateEdit *>("FirstPayment")->setDate({2032, 5, 1});
    QCOMPARE(comparison->findChild<QDateEdit *>("ComparisonFirstPayment")->date(), QDate(2032, 5, 1));
    QCOMPARE(m_messages, QStringList{});
}

// An empty rate is 0 % to the calculator, and so to the comparison it fills.
void CalculatorFormTest::before_any_calculate_the_comparison_fills_from_the_boxes_and_undo_takes_a_fill_back()
{
    box("Text1")->setText("400000");
    box("Text7")->clear();
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    QWidget *comparison = nullptr;
    QTRY_VERIFY((comparison = m_form->findChild<QWidget *>("ComparisonWindow")) && comparison->isVisible());
    const auto input = [comparison](const char *name) { return comparison->findChild<QLineEdit *>(name); };
    QCOMPARE(input("Loan1Balance")->text(), "400000");
    QCOMPARE(input("Loan2Rate")->text(), "0");
    QVERIFY(!comparison->findChild<QLabel *>("Loan2RateMark")->isVisible());

    const QString filled = input("OfferRate")->text();
    input("OfferRate")->setText("2.5");
    input("Loan1Balance")->setText("390000");
    auto *fill = comparison->findChild<QPushButton *>("FillFromCalculator");
    for (QWidget *focus : std::initializer_list<QWidget *>{fill, input("Extra")}) {
        QTest::mouseClick(fill, Qt::LeftButton);
        QCOMPARE(input("OfferRate")->text(), filled);
        focus->setFocus();
        QTest::keySequence(comparison, QKeySequence::Undo); // in a box that has no typing of its own to undo too
        QCOMPARE(input("OfferRate")->text(), "2.5");
        QCOMPARE(input("Loan1Balance")->text(), "390000");
        QVERIFY(!menuAction("&Undo fill from the calculator")->isEnabled()); // one Fill, one Undo
    }
    // One Fill back, and only while nothing else has changed since.
    QTest::mouseClick(fill, Qt::LeftButton);
    QTest::keyClicks(input("Extra"), "5");
    QTest::keySequence(comparison, QKeySequence::Undo);
    QCOMPARE(input("OfferRate")->text(), filled);
    QCOMPARE(m_messages, QStringList{});
}

void CalculatorFormTest::export_of_a_comparison_that_cannot_be_made_says_so_before_asking_for_a_file()
{
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    QWidget *comparison = nullptr;
    QTRY_VERIFY((comparison = m_form->findChild<QWidget *>("ComparisonWindow")) && comparison->isVisible());
    bool asked = false;
    m_beforeSave = [&asked] { asked = true; };
    for (const auto &[payment, message] :
         {std::pair{"abc", "some of its inputs are marked as unusable"}, {"1", "never covers a month's interest"}}) {
        comparison->findChild<QLineEdit *>("Loan1Payment")->setText(payment);
        m_messages.clear();
        menuAction("Export &comparison as CSV\u2026")->trigger();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.front().contains(message), qPrintable(m_messages.front()));
        QVERIFY(!asked);
    }
}

void CalculatorFormTest::a_scenario_saved_and_opened_again_marks_the_title_while_it_differs()
{
    box("Text1")->setText("400000");
    QTest::keySequence(m_form.get(), QKeySequence::Save); // no file yet: Save asks where, as Save as does
    const QString path = m_saveFolder->filePath("loan-scenario.loanblend");
    QTRY_VERIFY(QFile::exists(path));
    QCOMPARE(m_form->windowTitle(), "loan-scenario.loanblend[*] - Blended Loan Calculator");
    QVERIFY(!m_form->isWindowModified());
    QFile file{path};
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY2(saved.contains("\"Text1\": \"400000\""), saved.constData());

    box("Text2")->setText("3.5");
    QVERIFY(m_form->isWindowModified());
    box("Text2")->setText("2.99");
    QVERIFY(!m_form->isWindowModified());
    box("Text2")->setText("3.5");
    QTest::keySequence(m_form.get(), QKeySequence::Save);
    QTRY_VERIFY(!m_form->isWindowModified());
    m_fileToOpen = path;
    box("Text2")->setText("9");
    QTest::keySequence(m_form.get(), QKeySequence::Open);
    QTRY_COMPARE(box("Text2")->text(), "3.5");
    QVERIFY(!m_form->isWindowModified());
    QCOMPARE(m_messages, QStringList{});
}

// Its inputs go into the fields as typed and Calculate runs with its checks; its comparison waits for its window.
void CalculatorFormTest::a_scenario_opens_as_if_typed_with_its_comparison()
{
    const QString path = m_saveFolder->filePath("offer.loanblend");
    QFile file{path};
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "loanblend-scenario", "version": 1, "firstMonth": "2031-02",
        "inputs": {"Text1": "200000", "Text2": "3", "Text3": "30", "Text6": "50000", "Text7": "9"},
        "comparison": {"loans": [{"balance": "200000", "rate": "3", "termMonths": "360", "payment": null}],
                       "offer": {"rate": "4.5", "termMonths": "300", "feesAtSigning": "2000", "feesAdded": null},
                       "extra": "100", "savingsRate": null}})");
    file.close();
    m_form->openScenario(path);
    QTRY_COMPARE(box("Text4")->text(), "$843.21");
    QCOMPARE(box("Text1")->text(), "200000");
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    QWidget *comparison = nullptr;
    QTRY_VERIFY((comparison = m_form->findChild<QWidget *>("ComparisonWindow")) && comparison->isVisible());
    QCOMPARE(comparison->findChild<QLineEdit *>("OfferYears")->text(), "25");
    QCOMPARE(comparison->findChild<QLineEdit *>("Extra")->text(), "100");
    QCOMPARE(comparison->findChild<QLineEdit *>("Loan2Balance")->text(), QString());
    QCOMPARE(comparison->findChild<QDateEdit *>("ComparisonFirstPayment")->date(), QDate(2031, 2, 1));

    // These loans' payments never repay both principals at their average rate of 6 %, and the window says so.
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.front().startsWith("The payoff period at the average rate could not be calculated"));
    QCOMPARE(m_modifiedWhileMessageShown, QList<bool>{false}); // the fields are the file's
    m_messages.clear();

    // A principal its check refuses is refused as if typed: reset, said, and nothing calculated.
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll().replace("\"Text1\": \"200000\"", "\"Text1\": \"0\"");
    file.resize(0);
    file.write(bytes);
    file.close();
    m_form->openScenario(path);
    QTRY_VERIFY(!m_messages.isEmpty());
    QCOMPARE(m_messages, QStringList{"enter a Principal between $1 and $10000,000"});
    QCOMPARE(box("Text1")->text(), "1");
}

// A scenario is the whole document: the comparison shown before is not kept, nor saved into the file opened.
void CalculatorFormTest::a_scenario_without_a_comparison_replaces_the_one_shown_and_saves_what_is_shown()
{
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    QWidget *comparison = nullptr;
    QTRY_VERIFY((comparison = m_form->findChild<QWidget *>("ComparisonWindow")) && comparison->isVisible());
    const auto input = [comparison](const char *name) { return comparison->findChild<QLineEdit *>(name); };
    QCOMPARE(input("Loan1Balance")->text(), "355000");

    const QString path = m_saveFolder->filePath("inputs.loanblend");
    QFile file{path};
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "loanblend-scenario", "version": 1, "firstMonth": "2027-01",
        "inputs": {"Text1": "111111", "Text2": "5", "Text3": "20", "Text6": "22222", "Text7": "6"}})");
    file.close();
    m_form->openScenario(path);
    QTRY_COMPARE(box("Text4")->text(), "$733.28");
    QCOMPARE(input("Loan1Balance")->text(), "111111");
    QCOMPARE(input("Loan2Rate")->text(), "6");
    QCOMPARE(input("OfferRate")->text(), box("Text5")->text());
    QVERIFY(!m_form->isWindowModified());

    QTest::keySequence(m_form.get(), QKeySequence::Save);
    QTRY_VERIFY(QFileInfo(path).size() > 200);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY2(saved.contains("\"balance\": \"111111\"") && !saved.contains("355000"), saved.constData());
    QCOMPARE(m_messages, QStringList{});
}

void CalculatorFormTest::a_scenario_is_not_saved_with_text_that_is_not_a_number()
{
    box("Text6")->setText("140k");
    QTest::keySequence(m_form.get(), QKeySequence::Save);
    QTRY_COMPARE(m_messages,
                 QStringList{"The scenario was not saved. The loan 2 principal \"140k\" is not a number. "
                             "Enter a number such as 140,000."});
    QVERIFY(!QFile::exists(m_saveFolder->filePath("loan-scenario.loanblend")));
}

void CalculatorFormTest::a_file_that_is_no_scenario_is_refused_and_changes_nothing()
{
    const QString path = m_saveFolder->filePath("notes.loanblend");
    QFile file{path};
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"loanblend-scenario\", \"version\": 7}");
    file.close();
    box("Text1")->setText("123456");
    m_form->openScenario(path);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(
        m_messages.front().startsWith("The scenario \u201Cnotes.loanblend\u201D could not be opened: it was written by "
                                      "a newer version of the program"));
    // A FIFO is refused by its kind: opening it would wait for a writer that never comes.
    const QString fifo = m_saveFolder->filePath("fifo.loanblend");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    m_form->openScenario(fifo);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.back(),
             "The scenario \u201Cfifo.loanblend\u201D could not be opened: it is a FIFO, not a file.");
    QCOMPARE(box("Text1")->text(), "123456");
    QCOMPARE(m_form->windowTitle(), "Blended Loan Calculator");
}

void CalculatorFormTest::a_recent_file_that_is_gone_says_so_and_leaves_the_list()
{
    QTest::keySequence(m_form.get(), QKeySequence::Save);
    const QString path = m_saveFolder->filePath("loan-scenario.loanblend");
    QTRY_VERIFY(QFile::exists(path));
    auto *recent = m_form->findChild<QMenu *>("RecentFiles");
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
    QVERIFY(QFile::remove(path));
    recent->actions().front()->trigger();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.front().contains("is no longer there"));
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
    QVERIFY(!recent->actions().front()->isEnabled()); // "No scenarios yet"
}

// The recovery file holds what was typed and not saved, goes when the inputs are back to what they were, and the
// next start offers it back; Restore puts the texts back without calculating.
void CalculatorFormTest::typing_not_saved_is_offered_back_at_the_next_start()
{
    box("Text1")->setText("420000");
    QTRY_COMPARE_WITH_TIMEOUT(recoveryFiles().size(), 1, 1000);
    // Under its copy's lock while that copy runs, so that no other copy takes it for a gone one's.
    const QString id = QFileInfo(recoveryFiles().front()).completeBaseName();
    QVERIFY(QFileInfo::exists(QDir(window::ScenarioDocument::recoveryFolder()).filePath(id + ".lock")));
    box("Text1")->setText("355000");
    QTRY_COMPARE(recoveryFiles().size(), 0);
    box("Text1")->setText("420000");
    box("Text7")->setText("4.5");
    QTRY_COMPARE_WITH_TIMEOUT(recoveryFiles().size(), 1, 1000);
    QTest::qWait(600); // the last edit is written too
    const QString earlier = recoveryFiles().front();

    m_form.reset(); // as Exit leaves it: written, and nothing asked
    {
        // Offered as the window is made, so that it is there at the first paint, before any key can reach it.
        const CalculatorForm unshown{numtext::LocaleMarks{".", ",", "$"},
                                     {[](QWidget &, const QString &) {}, [] {}, [] {}, {}, {}}};
        QVERIFY(unshown.findChild<QWidget *>("RecoveryBar"));
    }
    startForm();
    QCOMPARE(box("Text1")->text(), "355000");
    auto *bar = m_form->findChild<QWidget *>("RecoveryBar");
    QVERIFY(bar && bar->isVisible());
    QTest::mouseClick(bar->findChild<QPushButton *>("RestoreInputs"), Qt::LeftButton);
    QCOMPARE(box("Text1")->text(), "420000");
    QCOMPARE(box("Text7")->text(), "4.5");
    QCOMPARE(box("Text4")->text(), QString()); // not calculated
    QTRY_VERIFY(!m_form->findChild<QWidget *>("RecoveryBar"));
    QVERIFY(recoveryFilesSettle(1, earlier)); // this copy's now, once its writer has written it

    m_form.reset();
    startForm();
    QTest::mouseClick(m_form->findChild<QPushButton *>("DiscardInputs"), Qt::LeftButton);
    QCOMPARE(recoveryFiles(), QStringList{});
    QCOMPARE(box("Text1")->text(), "355000");
}

// Opening asks nothing, and the recovery file keeps what the file replaced, the last keystrokes too, until the next
// edit; opening the comparison window is no edit. Typing of no file, restored while a file is open, belongs to no
// file: Save then asks where.
void CalculatorFormTest::the_recovery_file_outlives_open_and_is_not_offered_from_a_running_copy()
{
    QTest::keySequence(m_form.get(), QKeySequence::Save);
    const QString saved = m_saveFolder->filePath("loan-scenario.loanblend");
    QTRY_VERIFY(QFile::exists(saved));
    QTest::keySequence(m_form.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    QTRY_VERIFY(m_form->findChild<QWidget *>("ComparisonWindow"));
    QTest::qWait(400);
    QCOMPARE(recoveryFiles(), QStringList{});
    QVERIFY(!m_form->isWindowModified());

    box("Text1")->setText("420000");
    QTRY_COMPARE_WITH_TIMEOUT(recoveryFiles().size(), 1, 1000);
    box("Text1")->setText("430000");
    m_form->openScenario(saved); // before that keystroke is due to be written
    QTest::qWait(400);
    QCOMPARE(box("Text1")->text(), "355000");
    QCOMPARE(recoveryFiles().size(), 1);
    QFile recovery{QDir(window::ScenarioDocument::recoveryFolder()).filePath(recoveryFiles().front())};
    QVERIFY(recovery.open(QIODevice::ReadOnly));
    QVERIFY(recovery.readAll().contains("\"430000\""));

    m_form.reset();
    QDir(window::ScenarioDocument::recoveryFolder()).removeRecursively();
    writeRecovery("999999999-0", "", "7");
    startForm();
    m_form->openScenario(saved);
    QTRY_COMPARE(m_form->windowTitle(), "loan-scenario.loanblend[*] - Blended Loan Calculator");
    QTest::mouseClick(m_form->findChild<QPushButton *>("RestoreInputs"), Qt::LeftButton);
    QCOMPARE(box("Text1")->text(), "7");
    QCOMPARE(m_form->windowTitle(), "Blended Loan Calculator");
}

static QByteArray procStat(pid_t pid)
{
    QFile stat{QStringLiteral("/proc/%1/stat").arg(pid)};
    return stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
}

enum class LockHolder { None, Gone, OtherProgram, Zombie, FirstProcess, RunningCopy };

void CalculatorFormTest::a_recovery_is_offered_unless_a_running_copy_holds_its_lock_data()
{
    QTest::addColumn<LockHolder>("holder");
    QTest::addColumn<bool>("offered");
    QTest::newRow("no lock, as Exit leaves it") << LockHolder::None << true;
    QTest::newRow("a process that is gone") << LockHolder::Gone << true;
    QTest::newRow("another program at its PID") << LockHolder::OtherProgram << true;
    QTest::newRow("a zombie at its PID") << LockHolder::Zombie << true;
    QTest::newRow("PID 1, perhaps another user's") << LockHolder::FirstProcess << true;
    QTest::newRow("a copy still running") << LockHolder::RunningCopy << false;
}

// Only a live copy of the program holds its recovery back, whoever has its PID since, however old its lock; the
// first keystroke of this copy never overwrites another's recovery, and replaces one offered back, whose bar then
// goes; Discard after that keeps this session's file.
void CalculatorFormTest::a_recovery_is_offered_unless_a_running_copy_holds_its_lock()
{
    QFETCH(LockHolder, holder);
    QFETCH(bool, offered);
    m_form.reset();
    QDir folder{window::ScenarioDocument::recoveryFolder()};
    folder.removeRecursively();
    writeRecovery("earlier", "", "7");
    QFile recovery{folder.filePath("earlier.json")};
    QVERIFY(recovery.open(QIODevice::ReadOnly));
    const QByteArray earlier = recovery.readAll();
    recovery.close();

    // What QLockFile writes for this program on this host, for a lock naming another process.
    QLockFile probe{folder.filePath("probe.lock")};
    QVERIFY(probe.tryLock());
    qint64 pid = 0;
    QString host;
    QString application;
    QVERIFY(probe.getLockInfo(&pid, &host, &application));
    probe.unlock();

    QProcess sleeper;
    pid_t zombie = 0;
    std::unique_ptr<QLockFile> running;
    switch (holder) {
    case LockHolder::None:
        break;
    case LockHolder::Gone:
        sleeper.start("true");
        QVERIFY(sleeper.waitForStarted());
        pid = sleeper.processId();
        QVERIFY(sleeper.waitForFinished());
        break;
    case LockHolder::OtherProgram:
        sleeper.start("sleep", {"30"});
        QVERIFY(sleeper.waitForStarted());
        pid = sleeper.processId();
        break;
    case LockHolder::Zombie:
        zombie = fork();
        if (zombie == 0)
            _exit(0);
        pid = zombie;
        QTRY_VERIFY(procStat(zombie).contains(") Z "));
        break;
    case LockHolder::FirstProcess:
        pid = 1;
        break;
    case LockHolder::RunningCopy:
        running = std::make_unique<QLockFile>(folder.filePath("earlier.lock"));
        QVERIFY(running->tryLock());
        break;
    }
    if (holder != LockHolder::None && holder != LockHolder::RunningCopy) {
        QFile lock{folder.filePath("earlier.lock")};
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + '\n' + application.toUtf8() + '\n' + host.toUtf8() + '\n');
    }
    if (holder != LockHolder::None) { // written at that copy's start, an hour ago
        QFile lock{folder.filePath("earlier.lock")};
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }

    startForm();
    QPointer<QWidget> bar = m_form->findChild<QWidget *>("RecoveryBar");
    QCOMPARE(bool(bar), offered);
    box("Text1")->setText("420000");
    QVERIFY(recoveryFilesSettle(offered ? 1 : 2, offered ? "earlier.json" : QString()));
    QTRY_VERIFY(!bar);
    if (offered) {
        m_form->findChild<window::ScenarioDocument *>()->discardRecovery();
        QCOMPARE(recoveryFiles().size(), 1);
    } else {
        QVERIFY(recovery.open(QIODevice::ReadOnly));
        QCOMPARE(recovery.readAll(), earlier);
    }
    if (zombie > 0)
        waitpid(zombie, nullptr, 0);
    sleeper.kill();
    sleeper.waitForFinished();
}

// Restored inputs that are the file's leave no recovery, of either session; restored typing is saved, and then
// it has none either.
void CalculatorFormTest::a_restored_recovery_goes_once_the_inputs_are_the_files()
{
    QTest::keySequence(m_form.get(), QKeySequence::Save);
    const QString saved = m_saveFolder->filePath("loan-scenario.loanblend");
    QTRY_VERIFY(QFile::exists(saved));
    for (const QString &principal : {QString("355000"), QString("420000")}) {
        m_form.reset();
        writeRecovery("earlier", saved, principal);
        startForm();
        QTest::mouseClick(m_form->findChild<QPushButton *>("RestoreInputs"), Qt::LeftButton);
        QCOMPARE(box("Text1")->text(), principal);
        QCOMPARE(m_form->isWindowModified(), principal != "355000");
        QVERIFY(recoveryFilesSettle(principal == "355000" ? 0 : 1, "earlier.json"));
        QTest::keySequence(m_form.get(), QKeySequence::Save);
        QTRY_COMPARE(recoveryFiles(), QStringList{});
    }
}

// An edit is written within half a second of the first keystroke, however fast the typing goes on.
void CalculatorFormTest::typing_that_never_stops_is_written_all_the_same()
{
    QLineEdit *principal = box("Text1");
    principal->setFocus();
    principal->selectAll();
    for (int key = 0; key < 12 && recoveryFiles().isEmpty(); ++key) {
        QTest::keyClick(principal, Qt::Key(Qt::Key_1 + key % 9));
        QTest::qWait(80);
    }
    QCOMPARE(recoveryFiles().size(), 1);
}

// The command line, run as a process with no display, gives the very texts the window shows for the same inputs.
void CalculatorFormTest::the_command_line_gives_the_windows_texts_as_json()
{
    QTest::keyClick(box("Text1"), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!box("Text30")->text().isEmpty());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(environment);
    process.start(LOANBLEND_PROGRAM, {"calculate", "--format", "json"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QJsonArray results = QJsonDocument::fromJson(process.readAllStandardOutput())["results"].toArray();
    QCOMPARE(results.size(), 26);
    for (const QJsonValue &result : results)
        QCOMPARE(result["text"].toString(), box(qPrintable(result["field"].toString()))->text());
}

void CalculatorFormTest::the_save_dialog_takes_the_name_as_typed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("quotes") << "say \"hi\" now.csv"
                            << "say \"hi\" now.csv";
    QTest::newRow("wildcards and symbols") << "*?<>|\u20AC .csv"
                                           << "*?<>|\u20AC .csv";
    QTest::newRow("no extension") << "budget"
                                  << "budget.csv";
    QTest::newRow("another extension kept") << "budget.txt"
                                            << "budget.txt";
    QTest::newRow("into a folder shown") << "sub/x"
                                         << "sub/x.csv";
}

void CalculatorFormTest::the_save_dialog_takes_the_name_as_typed()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("sub");
    m_expectDialog = true;
    window::SaveFileDialog dialog{m_form.get(), "Export", folder.path(), "schedules", "csv", "CSV files"};
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *name = dialog.findChild<QLineEdit *>("fileNameEdit");
    QVERIFY(name);
    name->setText(typed);
    QTest::keyClick(name, Qt::Key_Return);
    QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenPath(), folder.filePath(saved));

    for (const QString &unusable : {QString(".."), QString("sub/"), QString(300, 'x')})
        QVERIFY2(!window::saveTargetFor(folder.path(), unusable, "csv").refusal.isEmpty(), qPrintable(unusable));
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    CalculatorFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "calculator_form_test.moc"
