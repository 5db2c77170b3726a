// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows on a small screen, as the platform's configuration sets it (run at 1366 x 768 at scales 1 and 1.5,
// and 1920 x 1080 at scale 2): each opens wholly on the screen, title bar included, and shows scroll bars only
// where its content is larger than the screen. The schedules window holds the widest figures it can list.
#include "modules/worker_threads.h"
#include "private_settings.h"
#include "window/calculator_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void both_windows_open_on_the_screen_with_scroll_bars_only_where_needed();
};

namespace {

QString describe(const QWidget &window)
{
    const QRect room = window.screen()->availableGeometry();
    return QString("%1 frame %2,%3 %4x%5 on %6x%7")
        .arg(window.objectName())
        .arg(window.frameGeometry().x())
        .arg(window.frameGeometry().y())
        .arg(window.frameGeometry().width())
        .arg(window.frameGeometry().height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace

void ScreenFitTest::both_windows_open_on_the_screen_with_scroll_bars_only_where_needed()
{
    window::CalculatorForm form{{".", ",", "$"}, {[](QWidget &, const QString &) {}, [] {}, [] {}, {}, {}}};
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect room = form.screen()->availableGeometry();
    QVERIFY2(room.contains(form.frameGeometry()), qPrintable(describe(form)));
    const auto *scroll = form.findChild<QScrollArea *>();
    const QSize client = scroll->widget()->size();
    QCOMPARE(scroll->horizontalScrollBar()->isVisible(), client.width() > scroll->width());
    QCOMPARE(scroll->verticalScrollBar()->isVisible(), client.height() > scroll->height());

    const std::pair<const char *, const char *> widest[]
        = {{"Text1", "10000000"}, {"Text2", "25"}, {"Text3", "50"}, {"Text6", "90000000000000"}, {"Text7", "25"}};
    for (const auto &[field, text] : widest)
        form.findChild<QLineEdit *>(field)->setText(text);
    form.findChild<QPushButton *>("Command1")->click();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keySequence(&form, QKeySequence(Qt::CTRL | Qt::Key_R));
    QWidget *schedules = nullptr;
    QTRY_VERIFY((schedules = form.findChild<QWidget *>("SchedulesWindow")) && schedules->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(schedules));
    QVERIFY2(room.contains(schedules->frameGeometry()), qPrintable(describe(*schedules)));
    QVERIFY(schedules->minimumSizeHint().width() <= room.width());
    QVERIFY(schedules->minimumSizeHint().height() <= room.height());
}

int main(int argc, char *argv[])
{
    const PrivateSettings settings;
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screen_fit_test.moc"
