// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "commands/text_form.h"
#include "default_run.h"
#include "localtext/display_text.h"
#include "modules/worker_threads.h"
#include "report/chart_ticks.h"
#include "report/comparison_window.h"
#include "report/csv_export.h"
#include "report/help_windows.h"
#include "report/page_flow.h"
#include "report/plan_summary.h"
#include "report/readable_colour.h"
#include "report/report_document.h"
#include "report/report_module.h"
#include "report/schedule_model.h"
#include "report/schedules_window.h"
#include "saving/atomic_save.h"
#include "schedule/calculated_plans.h"
#include "schedule/schedules_csv.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChartView>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using report::SchedulesWindow;
using schedule::Month;

namespace {

const numtext::LocaleMarks usMarks{".", ",", "$"};
const schedule::CalculatedPlans startingPlans = plansOf(defaultLoan1, defaultLoan2);
constexpr Month january2030{2030, 1};

QByteArray contents(const QString &path)
{
    QFile file{path};
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
}

// Writes beyond `bytes` fail with EFBIG for as long as it lives, as on a full disk; root included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

// The schedules window, the report and the CSV on the offscreen platform. Any modal dialog that appears fails the
// test and is closed, so none can block the run.
class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shows_each_plan_as_the_builder_builds_it_data();
    void shows_each_plan_as_the_builder_builds_it();
    void the_first_rows_of_loan_1_read_as_worked_by_hand();
    void follows_a_new_calculate_while_open();
    void a_new_first_payment_month_rebuilds_the_schedules();
    void a_plan_not_listed_shows_the_reason();
    void before_any_calculate_says_calculate_comes_first();
    void the_chart_legend_gives_each_line_its_payoff_month();
    void every_control_has_an_accessible_name();
    void each_summary_figure_is_read_with_its_caption();
    void the_chart_starts_each_line_at_its_principal();
    void arabic_locales_write_every_figure_in_arabic_digits_data();
    void arabic_locales_write_every_figure_in_arabic_digits();
    void a_summary_difference_keeps_its_minus_sign_in_front_in_arabic();
    void pdf_tables_show_the_widest_figures_whole();
    void a_table_never_leaves_fewer_than_three_rows_on_a_page_data();
    void a_table_never_leaves_fewer_than_three_rows_on_a_page();
    void the_keyboard_reaches_every_control_and_the_access_keys_work();
    void the_chart_turns_dark_with_the_palette();
    void saves_the_report_as_pdf_and_the_schedules_as_csv_data();
    void saves_the_report_as_pdf_and_the_schedules_as_csv();
    void a_failed_save_keeps_the_existing_file_and_says_why_data();
    void a_failed_save_keeps_the_existing_file_and_says_why();
    void page_size_follows_the_locale_data();
    void page_size_follows_the_locale();
    void help_windows_open_once_and_close();
    void the_report_module_loads_once_and_makes_a_schedules_window();
    void a_module_of_another_build_is_refused_in_plain_words();
    void comparison_follows_typing_and_marks_what_cannot_be_used();
    void comparison_gives_the_true_rate_of_keeping_both();
    void figures_keep_right_whatever_their_direction();
    void comparison_is_reached_and_read_by_keyboard_and_screen_reader();
    void comparison_reads_in_a_dark_palette();
    void comparison_takes_up_to_three_offers_and_removes_any_but_the_first();
    void comparison_shows_an_offers_name_as_typed_not_as_markup();
    void comparison_boxes_hold_what_is_typed_under_every_style_data();
    void comparison_boxes_hold_what_is_typed_under_every_style();
    void comparison_greys_the_implied_payment_fainter_yet_readable_data();
    void comparison_greys_the_implied_payment_fainter_yet_readable();
    void comparison_implies_a_payment_only_from_inputs_that_read_data();
    void comparison_implies_a_payment_only_from_inputs_that_read();
    void comparison_fill_is_not_alt_f();
    void comparison_chart_and_titles_follow_what_they_show();
    void comparison_goes_into_the_report_and_its_own_csv();
    void comparison_is_made_once_per_change_and_the_csv_takes_what_was_made();
    void chart_ticks_stay_few_and_distinct_data();
    void chart_ticks_stay_few_and_distinct();

private:
    template<class T> T *child(const char *name) const { return m_window->findChild<T *>(name); }
    QString text(const char *name) const { return child<QLabel>(name)->text(); }
    QString cell(int row, int column) const
    {
        return child<QTableView>("Schedule")->model()->index(row, column).data().toString();
    }
    void choosePlan(int row) { child<QListWidget>("Plans")->setCurrentRow(row); }
    // As the calculator does: the schedules of `plans` from the month it owns.
    void show(const schedule::CalculatedPlans &plans)
    {
        m_plans = plans;
        const auto built = schedule::buildSchedules(m_plans, m_firstPayment);
        m_window->showSchedules({built.begin(), built.end()}, m_firstPayment);
    }
    report::ReportContent reportContent() const;

    schedule::CalculatedPlans m_plans;
    Month m_firstPayment = january2030;

    std::unique_ptr<SchedulesWindow> m_window;
    QStringList m_unexpectedDialogs;
    QTimer m_dialogWatch;
};

void ReportTest::init()
{
    m_unexpectedDialogs.clear();
    m_firstPayment = january2030;
    m_window = std::make_unique<SchedulesWindow>(usMarks, [this](Month picked) {
        m_firstPayment = picked;
        show(m_plans);
    });
    show(startingPlans);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    connect(&m_dialogWatch, &QTimer::timeout, this, [this] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            m_unexpectedDialogs << dialog->metaObject()->className();
            dialog->close();
        }
    });
    m_dialogWatch.start(20);
}

void ReportTest::cleanup()
{
    m_dialogWatch.stop();
    m_dialogWatch.disconnect();
    m_window.reset();
    QCOMPARE(m_unexpectedDialogs, QStringList{});
}

report::ReportContent ReportTest::reportContent() const
{
    return {"Blended Loan Calculator",
            QDate(2026, 12, 8),
            {{"Loan 1", {{"Principal1", "355000"}}}},
            m_window->schedules(),
            usMarks,
            std::nullopt,
            january2030};
}

void ReportTest::shows_each_plan_as_the_builder_builds_it_data()
{
    QTest::addColumn<int>("plan");
    for (std::size_t i = 0; i < schedule::allPlans.size(); ++i)
        QTest::newRow(std::string(schedule::planName(schedule::allPlans[i])).c_str()) << int(i);
}

void ReportTest::shows_each_plan_as_the_builder_builds_it()
{
    QFETCH(int, plan);
    const schedule::Schedule expected = schedule::buildSchedule(schedule::allPlans[std::size_t(plan)],
                                                                *startingPlans.terms[std::size_t(plan)], january2030);
    QVERIFY(expected.listed());
    choosePlan(plan);

    const auto *table = child<QTableView>("Schedule");
    QVERIFY(table->isVisible());
    QCOMPARE(table->model()->rowCount(), int(expected.payments.size()));
    for (const std::size_t row : {std::size_t(0), expected.payments.size() / 2, expected.payments.size() - 1})
        for (int column = 0; column < report::ScheduleModel::ColumnCount; ++column)
            QCOMPARE(cell(int(row), column),
                     report::ScheduleModel::cellText(expected.payments[row], column, usMarks, QLocale()));
    QCOMPARE(text("summary_payments"), QString::number(expected.payments.size()));
    QCOMPARE(text("summary_finalPayment"), localtext::moneyText(expected.payments.back().amount, usMarks));
    QCOMPARE(text("summary_totalPaid"), localtext::moneyText(expected.totalPaid, usMarks));
    QCOMPARE(text("summary_totalInterest"), localtext::moneyText(expected.totalInterest, usMarks));
    QCOMPARE(text("summary_payoffMonth"), localtext::monthText(expected.payments.back().month, QLocale()));
    QVERIFY(text("summary_interestDifference").startsWith(QString::number(*schedule::interestDifference(expected))));
}

void ReportTest::the_first_rows_of_loan_1_read_as_worked_by_hand()
{
    // 355,000.00 at 2.99 % / 12 a month: 884.5416... of interest, 1,967.04 paid, 1,082.50 repaid.
    const QStringList first{"1", "January 2030", "$1,967.04", "$884.54", "$1,082.50", "$353,917.50"};
    for (int column = 0; column < first.size(); ++column)
        QCOMPARE(cell(0, column), first[column]);
    QCOMPARE(cell(239, report::ScheduleModel::Balance), "$0.00");
    QCOMPARE(text("summary_payoffMonth"), "December 2049");
    QCOMPARE(text("summary_windowInterest"), "$117,090.7593");
    QCOMPARE(text("summary_interestDifference"), "49 cents"); // 117,091.25 less 117,090.76
}

void ReportTest::follows_a_new_calculate_while_open()
{
    show(plansOf({355000, 2.99, 10.5}, {140000, 4, 10.5}));
    QCOMPARE(child<QTableView>("Schedule")->model()->rowCount(), 126);
    QCOMPARE(text("summary_payoffMonth"), "June 2040");
    QCOMPARE(m_window->schedules().size(), std::size_t(5));
}

void ReportTest::a_new_first_payment_month_rebuilds_the_schedules()
{
    child<QDateEdit>("FirstPayment")->setDate({2031, 7, 1});
    QCOMPARE(cell(0, report::ScheduleModel::Month), "July 2031");
    QCOMPARE(m_window->firstPayment(), (Month{2031, 7}));
    for (const schedule::Schedule &shown : m_window->schedules())
        QCOMPARE(shown.payments.front().month, (Month{2031, 7}));
}

void ReportTest::a_plan_not_listed_shows_the_reason()
{
    schedule::CalculatedPlans plans = startingPlans;
    plans.terms[1].reset();
    const std::string reason = "Loan 2's payment cannot be calculated: a rate of 0% cannot be calculated.";
    plans.unreachedReason = reason;
    show(plans);
    choosePlan(1);
    QVERIFY(child<QLabel>("NotListed")->isVisible());
    QVERIFY(text("NotListed").contains(QString::fromStdString(reason)));
    QVERIFY(!child<QTableView>("Schedule")->isVisible());
    choosePlan(0);
    QVERIFY(child<QTableView>("Schedule")->isVisible());
}

void ReportTest::before_any_calculate_says_calculate_comes_first()
{
    m_window->showNoCalculation(january2030);
    QVERIFY(child<QLabel>("NoCalculation")->isVisible());
    QVERIFY(text("NoCalculation").contains("press Calculate"));
    QVERIFY(m_window->schedules().empty());
    show(startingPlans);
    QVERIFY(!child<QLabel>("NoCalculation")->isVisible());
}

void ReportTest::the_chart_legend_gives_each_line_its_payoff_month()
{
    const QStringList expected{
        "Loan 1 and loan 2, paid off in December 2049",
        "Blended loan, paid off in December 2049",
        "Combined payment at the average rate, paid off in July 2050",
        "Combined payment at the weighted rate, paid off in December 2049",
    };
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(text(qPrintable(QString("legend_%1").arg(i))), expected[i]);
}

void ReportTest::every_control_has_an_accessible_name()
{
    int named = 0;
    for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
        if (!qobject_cast<const QAbstractButton *>(widget) && !qobject_cast<const QAbstractItemView *>(widget)
            && !qobject_cast<const QDateEdit *>(widget) && !qobject_cast<const QChartView *>(widget))
            continue;
        if (widget->focusPolicy() == Qt::NoFocus) // a table's headers, its corner button
            continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
        ++named;
    }
    QCOMPARE(named, 6); // the month, the plans, the table, the two chart choices and the chart
}

void ReportTest::the_keyboard_reaches_every_control_and_the_access_keys_work()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), child<QDateEdit>("FirstPayment"));
    QStringList visited;
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // Tab first moves from the month to the year, as in every date field; the summary's figures come before the
    // table, the legend after the chart.
    QCOMPARE(
        visited,
        (QStringList{"FirstPayment", "Plans", "summary_payments", "summary_finalPayment", "summary_totalPaid",
                     "summary_totalInterest", "summary_windowInterest", "summary_interestDifference",
                     "summary_payoffMonth", "ReconciliationNote", "Schedule", "ChartBalance", "Chart", "legend_0"}));

    QTest::keyClick(m_window.get(), Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(child<QRadioButton>("ChartInterest")->isChecked());
    QTest::keyClick(m_window.get(), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), child<QListWidget>("Plans"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(text("PlanTitle"), "Loan 2");
}

void ReportTest::each_summary_figure_is_read_with_its_caption()
{
    QCOMPARE(child<QLabel>("summary_finalPayment")->accessibleName(), "Final payment, $1,968.69");
    QCOMPARE(child<QLabel>("summary_payoffMonth")->accessibleName(), "Paid off in, December 2049");
}

void ReportTest::the_chart_starts_each_line_at_its_principal()
{
    const QList<QAbstractSeries *> series = child<QChartView>("Chart")->chart()->series();
    QCOMPARE(static_cast<QLineSeries *>(series.at(0))->at(0), QPointF(0, 495000)); // loans 1 and 2 together
    QCOMPARE(static_cast<QLineSeries *>(series.at(2))->at(0), QPointF(0, 495000)); // the blended loan
    QCOMPARE(static_cast<QLineSeries *>(series.at(2))->at(1).y(), 493540.54); // after its first payment
}

void ReportTest::arabic_locales_write_every_figure_in_arabic_digits_data()
{
    QTest::addColumn<int>("column");
    for (int column = 0; column < report::ScheduleModel::ColumnCount; ++column)
        QTest::newRow(qPrintable(report::ScheduleModel::heading(column))) << column;
}

void ReportTest::arabic_locales_write_every_figure_in_arabic_digits()
{
    QFETCH(int, column);
    const QLocale egypt{"ar_EG"};
    const numtext::LocaleMarks marks{"\u066B", "\u066C", "ج.م.\u200F", "\u0660"};
    const schedule::Payment payment{1200, {2049, 12}, 196869, 489, 196380, 0};
    const QString text = report::ScheduleModel::cellText(payment, column, marks, egypt);
    QVERIFY2(!text.contains(QRegularExpression("[0-9]")) && text.contains(QRegularExpression("[\u0660-\u0669]")),
             qPrintable(text));
    for (const report::Tick &tick : report::timeTicks(january2030, 1200, egypt))
        QVERIFY2(!tick.label.contains(QRegularExpression("[0-9]")), qPrintable(tick.label));
}

// Whole cents composed with words: in a right-to-left locale the figure is one left-to-right unit, or "-3 cents"
// would show as "cents ٣-".
void ReportTest::a_summary_difference_keeps_its_minus_sign_in_front_in_arabic()
{
    schedule::Schedule plan;
    plan.payments = {{1, january2030, 10000, 100, 9900, 0}};
    plan.totalPaid = 10000;
    plan.totalInterest = 100;
    plan.exactInterest = 1.03;
    const numtext::LocaleMarks egypt{"\u066B", "\u066C", "$", "\u0660", "\u066A\u061C", 3, 3, "\u061C-"};
    for (const report::SummaryRow &row : report::planSummary(plan, egypt, QLocale("ar_EG")))
        if (row.name == std::string_view("interestDifference"))
            QCOMPARE(row.text, QString::fromUtf8("\u2068-\u0663\u2069 cents"));
    for (const report::SummaryRow &row : report::planSummary(plan, usMarks, QLocale::c()))
        if (row.name == std::string_view("interestDifference"))
            QCOMPARE(row.text, "-3 cents");
}

// The widest amounts a schedule can hold (2^53 cents, as a balance or a last payment) under German marks.
void ReportTest::pdf_tables_show_the_widest_figures_whole()
{
    const numtext::LocaleMarks german{",", ".", "\u20AC"};
    constexpr schedule::Cents widest = schedule::Cents(1) << 53;
    const QLocale germany{"de_DE"};
    std::vector<std::vector<QString>> rows(1);
    for (int column = 0; column < report::ScheduleModel::ColumnCount; ++column)
        rows[0].push_back(report::ScheduleModel::heading(column));
    for (const schedule::Month month : {Month{2030, 9}, Month{2077, 11}}) {
        const schedule::Payment payment{1200, month, widest, widest - 1, widest, widest};
        std::vector<QString> &cells = rows.emplace_back();
        for (int column = 0; column < report::ScheduleModel::ColumnCount; ++column)
            cells.push_back(report::ScheduleModel::cellText(payment, column, german, germany));
    }
    for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        QPdfWriter writer{&file};
        writer.setResolution(300);
        writer.setPageLayout(
            {QPageSize(size), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter});
        QPainter painter{&writer};
        report::PageFlow flow{writer, painter, "footer"};
        const report::TableLayout layout
            = flow.fitTable(rows, std::vector<Qt::Alignment>(report::ScheduleModel::ColumnCount, Qt::AlignRight));
        QFont font{"Liberation Sans"};
        font.setPointSizeF(layout.fontPoints);
        font.setBold(true);
        double total = 0;
        for (std::size_t column = 0; column < layout.widths.size(); ++column) {
            total += layout.widths[column];
            for (const auto &cells : rows)
                QVERIFY2(flow.textWidth(cells[column], font) + 8 <= layout.widths[column], qPrintable(cells[column]));
        }
        QVERIFY(total <= flow.width() + 0.01);
    }
}

void ReportTest::a_table_never_leaves_fewer_than_three_rows_on_a_page_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("here");
    QTest::newRow("all fit") << 40 << 40 << 40;
    QTest::newRow("a full page, three or more left") << 43 << 40 << 40;
    QTest::newRow("one would be left alone") << 41 << 40 << 38;
    QTest::newRow("two would be left") << 42 << 40 << 39;
    QTest::newRow("too little room for three here") << 4 << 2 << 0;
    QTest::newRow("a short table that does not fit") << 2 << 1 << 0;
    QTest::newRow("room for two at the foot of a page") << 100 << 2 << 0;
    QTest::newRow("room for one at the foot of a page") << 100 << 1 << 0;
}

void ReportTest::a_table_never_leaves_fewer_than_three_rows_on_a_page()
{
    QFETCH(int, left);
    QFETCH(int, capacity);
    QFETCH(int, here);
    QCOMPARE(report::rowsForThisPage(left, capacity), here);
}

void ReportTest::the_chart_turns_dark_with_the_palette()
{
    const auto *chart = child<QChartView>("Chart")->chart();
    QCOMPARE(chart->theme(), QChart::ChartThemeLight);
    QPalette dark = m_window->palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, Qt::white);
    m_window->setPalette(dark);
    QCOMPARE(chart->theme(), QChart::ChartThemeDark);
}

void ReportTest::saves_the_report_as_pdf_and_the_schedules_as_csv_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("grouping");
    QTest::newRow("decimal point") << "."
                                   << ",";
    QTest::newRow("decimal comma") << ","
                                   << ".";
}

void ReportTest::saves_the_report_as_pdf_and_the_schedules_as_csv()
{
    QFETCH(QString, decimal);
    QFETCH(QString, grouping);
    const numtext::LocaleMarks marks{decimal.toStdString(), grouping.toStdString(), "$"};
    QTemporaryDir folder;
    QString error;
    QVERIFY(report::saveReportPdf(reportContent(), folder.filePath("report.pdf"), report::reportPageLayout(QLocale()),
                                  error));
    QVERIFY(contents(folder.filePath("report.pdf")).startsWith("%PDF"));

    QVERIFY(report::exportSchedulesCsv(m_window->schedules(), folder.filePath("schedules.csv"), marks, error));
    const std::string csv = schedule::schedulesCsv(m_window->schedules(), marks.decimal);
    QCOMPARE(contents(folder.filePath("schedules.csv")), QByteArray::fromStdString(csv));
    QCOMPARE(error, QString());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
}

void ReportTest::a_failed_save_keeps_the_existing_file_and_says_why_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    // Printing to a PDF file writes a file too, by the same rule; a scenario is small enough to lie in the file's
    // buffer until the end.
    for (const char *kind : {"csv", "pdf", "print", "scenario"}) {
        QTest::addRow("%s: read-only folder", kind) << "read-only" << kind << "the folder is read-only.";
        QTest::addRow("%s: missing folder", kind) << "missing" << kind << "the folder does not exist.";
        QTest::addRow("%s: disk full part-way", kind) << "full" << kind << "file too large.";
    }
}

void ReportTest::a_failed_save_keeps_the_existing_file_and_says_why()
{
    QFETCH(QString, failure);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (failure == "read-only" && geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir folder;
    const QString path = failure == "missing" ? folder.filePath("gone/out") : folder.filePath("out");
    const QByteArray before = "what was there before\n";
    if (failure != "missing") {
        QFile existing{path};
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(before);
    }
    if (failure == "read-only")
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    QString error;
    bool saved = false;
    {
        const std::unique_ptr<FileSizeLimit> limit{failure == "full" ? new FileSizeLimit(1024) : nullptr};
        if (kind == "print") {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            saved = report::printReport(reportContent(), printer, error);
        } else if (kind == "scenario") {
            saved = saving::saveBytesAtomically(path, QByteArray(2000, 'x'), error);
        } else {
            saved = kind == "pdf"
                ? report::saveReportPdf(reportContent(), path, report::reportPageLayout(QLocale()), error)
                : report::exportSchedulesCsv(m_window->schedules(), path, usMarks, error);
        }
    }
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(error, "The file could not be saved: " + reason);
    if (failure != "missing") {
        QCOMPARE(contents(path), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
    }
}

void ReportTest::page_size_follows_the_locale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("size");
    QTest::newRow("United States") << "en_US" << int(QPageSize::Letter);
    QTest::newRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
    QTest::newRow("Germany") << "de_DE" << int(QPageSize::A4);
}

void ReportTest::page_size_follows_the_locale()
{
    QFETCH(QString, locale);
    QFETCH(int, size);
    QCOMPARE(int(report::reportPageSize(QLocale(locale)).id()), size);
}

void ReportTest::help_windows_open_once_and_close()
{
    report::showFigureDefinitions(m_window.get());
    report::showFigureDefinitions(m_window.get());
    const auto definitions = m_window->findChildren<QDialog *>("FigureDefinitions");
    QCOMPARE(definitions.size(), 1);
    QVERIFY(definitions.front()->isVisible());
    QVERIFY(definitions.front()->close());

    report::showAbout(m_window.get(), "1.2.3");
    auto *about = m_window->findChild<QMessageBox *>("About");
    QVERIFY(about && about->isVisible());
    const QString words = about->text() + about->informativeText();
    for (const char *part : {"Blended Loan Calculator", "1.2.3", "GNU General Public License", "version 3 or"})
        QVERIFY2(words.contains(part), part);
    QVERIFY(about->close());
}

void ReportTest::the_report_module_loads_once_and_makes_a_schedules_window()
{
    QString error;
    report::ReportModule *module = report::loadReportModule(error);
    QVERIFY2(module, qPrintable(error));
    QCOMPARE(report::loadReportModule(error), module);
    Month picked;
    report::SchedulesView *view
        = module->createSchedulesWindow(usMarks, m_window.get(), [&picked](Month month) { picked = month; });
    QVERIFY(view->widget()->isWindow());
    const auto built = schedule::buildSchedules(startingPlans, january2030);
    view->showSchedules({built.begin(), built.end()}, january2030);
    auto *schedule = view->widget()->findChild<QTableView *>("Schedule");
    QCOMPARE(schedule->model()->rowCount(), 240);
    view->widget()->findChild<QDateEdit *>("FirstPayment")->setDate({2031, 7, 1});
    QCOMPARE(picked, (Month{2031, 7}));
}

void ReportTest::a_module_of_another_build_is_refused_in_plain_words()
{
    QString error;
    QVERIFY(!report::loadReportModuleFrom({STALE_MODULE}, error));
    QVERIFY2(error.contains(STALE_MODULE ".so belongs to another build of the program (0.9.0+"), qPrintable(error));
    // Found first, it is passed over for the module of this build.
    QVERIFY2(report::loadReportModuleFrom({STALE_MODULE, BUILT_MODULE}, error), qPrintable(error));
}

namespace {

// A comparison window filled as the calculator fills it from the starting inputs.
std::unique_ptr<report::ComparisonWindow> startingComparison(QWidget *parent = nullptr)
{
    auto window = std::make_unique<report::ComparisonWindow>(usMarks, nullptr, nullptr, parent);
    commands::TextForm starting{usMarks};
    window->setTexts(commands::comparisonTextsFrom(commands::Command1_Click(starting, usMarks), usMarks));
    window->show();
    return window;
}

QString shown(const QWidget &window, const char *name)
{
    return window.findChild<QLabel *>(name)->text();
}

} // namespace

void ReportTest::comparison_follows_typing_and_marks_what_cannot_be_used()
{
    const auto window = startingComparison();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(shown(*window, "firstPayment_keep"), "$2,815.41"); // $1,967.04 and $848.37, each to the cent
    auto *rate = window->findChild<QLineEdit *>("Loan1Rate");
    auto *mark = window->findChild<QLabel *>("Loan1RateMark");
    QVERIFY(!mark->isVisible());

    rate->selectAll();
    QTest::keyClicks(rate, "abc");
    QTRY_VERIFY(mark->isVisible());
    QVERIFY(mark->text().contains("Not a number."));
    QCOMPARE(rate->accessibleDescription(), "Not a number.");
    QCOMPARE(shown(*window, "firstPayment_keep"), QString::fromUtf8("\u2014"));
    QVERIFY(window->comparison().refusal);

    // A rate far beyond the limits is only marked: no payment is worked out from it, even for the greyed hint.
    rate->selectAll();
    QTest::keyClicks(rate, "1e16");
    QTRY_COMPARE(mark->text(), QString::fromUtf8("\u26A0 Must be between 0 % and 100 %."));
    QCOMPARE(window->findChild<QLineEdit *>("Loan1Payment")->placeholderText(), QString());

    rate->selectAll();
    QTest::keyClicks(rate, "3.5");
    QTRY_VERIFY(!mark->isVisible());
    QCOMPARE(rate->accessibleDescription(), QString());
    QCOMPARE(shown(*window, "firstPayment_keep"), "$2,907.23"); // $2,058.86 at 3.5 %, with $848.37

    // A typed payment sets the term, which then shows what follows from it.
    auto *payment = window->findChild<QLineEdit *>("Loan2Payment");
    QCOMPARE(payment->placeholderText(), "$848.37");
    auto *years = window->findChild<QLineEdit *>("Loan2Years");
    const QColor editable = years->palette().color(QPalette::Base);
    QTest::keyClicks(payment, "1500");
    QTRY_COMPARE(years->text(), "9"); // 112 payments
    // It cannot be typed into, looks it, and says so.
    QVERIFY(years->isReadOnly());
    years->setFocus();
    QTest::keyClicks(years, "10");
    QCOMPARE(years->text(), "9");
    QCOMPARE(years->palette().color(QPalette::Base), window->palette().color(QPalette::Window));
    QVERIFY(years->palette().color(QPalette::Base) != editable);
    QVERIFY(QAccessible::queryAccessibleInterface(years)->state().readOnly);
    QCOMPARE(years->accessibleDescription(), "Read-only: follows from the monthly payment.");
    payment->clear();
    QTRY_COMPARE(years->text(), "20");
    QVERIFY(!years->isReadOnly());
    QCOMPARE(years->palette().color(QPalette::Base), editable);
    QCOMPARE(years->accessibleDescription(), QString());
}

// 200,000 at 3 % and 50,000 at 9 % over 30 years: the window's blended rate reads 5.32 %, while the two loans'
// payments together cost 4.36 % a year.
void ReportTest::comparison_gives_the_true_rate_of_keeping_both()
{
    commands::TextForm form{usMarks};
    for (const auto &[field, text] : {std::pair{commands::Field::Text1, "200000"},
                                      {commands::Field::Text2, "3"},
                                      {commands::Field::Text3, "30"},
                                      {commands::Field::Text6, "50000"},
                                      {commands::Field::Text7, "9"}})
        form.setText(field, text);
    const commands::CalculationOutcome outcome = commands::Command1_Click(form, usMarks);
    QCOMPARE(QString::fromStdString(form.getText(commands::Field::Text5)), "5.3171");
    report::ComparisonWindow window{usMarks, nullptr, nullptr};
    window.setTexts(commands::comparisonTextsFrom(outcome, usMarks));
    QCOMPARE(shown(window, "apr_keep"), "4.36 %");
    QCOMPARE(shown(window, "apr_offer"), "5.32 %");
}

// A figure whose text runs right to left (an Arabic month name) keeps to the right of its column, as the others do:
// in the comparison's table and in a schedule's summary.
void ReportTest::figures_keep_right_whatever_their_direction()
{
    const auto window = startingComparison();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (QLabel *cell : {window->findChild<QLabel *>("payoffMonth_offer"), child<QLabel>("summary_payoffMonth")}) {
        cell->setFixedWidth(400);
        for (const char *text : {"December 2049", "\u062F\u064A\u0633\u0645\u0628\u0631 \u0662\u0660\u0664\u0669"}) {
            cell->setText(QString::fromUtf8(text));
            const QImage image = cell->grab().toImage();
            const QRgb paper = image.pixel(0, 0);
            int leftmostInk = image.width();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < leftmostInk; ++x)
                    if (image.pixel(x, y) != paper)
                        leftmostInk = x;
            QVERIFY2(leftmostInk > image.width() / 2, qPrintable(cell->objectName() + ": " + text));
        }
    }
}

void ReportTest::comparison_is_reached_and_read_by_keyboard_and_screen_reader()
{
    const auto window = startingComparison();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // A group's access key takes the focus to its first box, wherever the focus was in it before.
    const std::pair<Qt::Key, const char *> accessKeys[]
        = {{Qt::Key_L, "Loan1Balance"}, {Qt::Key_O, "OfferName"}, {Qt::Key_B, "Extra"}};
    for (const char *before : {"Loan2Years", "FeesAdded", "ComparisonFirstPayment"})
        for (const auto &[key, first] : accessKeys) {
            window->findChild<QWidget *>(before)->setFocus();
            window->findChild<QWidget *>("ChartBalanceOwed")->setFocus();
            QTest::keyClick(window.get(), key, Qt::AltModifier);
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), first);
        }
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), "Loan1Balance");
    // In the order they are seen, and only at what there is to read.
    QStringList visited;
    while (visited.size() < 90 && visited.value(visited.size() - 1) != "Sentence") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *focus = QApplication::focusWidget();
        visited << focus->objectName();
        if (const auto *figure = qobject_cast<const QLabel *>(focus))
            QVERIFY2(!figure->text().isEmpty(), qPrintable(figure->objectName()));
    }
    QCOMPARE(visited.mid(0, 27),
             (QStringList{"Loan1Rate",
                          "Loan1Years",
                          "Loan1Months",
                          "Loan1Payment",
                          "Loan1Charge",
                          "Loan2Balance",
                          "Loan2Rate",
                          "Loan2Years",
                          "Loan2Months",
                          "Loan2Payment",
                          "Loan2Charge",
                          "OfferName",
                          "OfferRate",
                          "OfferYears",
                          "OfferMonths",
                          "OfferPoints",
                          "FeesAtSigning",
                          "FeesAdded",
                          "OfferAmount",
                          "AddOffer",
                          "Extra",
                          "SavingsRate",
                          "ComparisonFirstPayment",
                          "ComparisonFirstPayment",
                          "HorizonYears",
                          "HorizonMonths",
                          "firstPayment_keep"}));
    QCOMPARE(visited.back(), "Sentence");

    // Every box is named after the caption above it, every figure after its row and column.
    for (const QLabel *caption : window->findChildren<QLabel *>())
        if (caption->buddy())
            QVERIFY2(caption->buddy()->accessibleName().startsWith(caption->text()),
                     qPrintable(caption->buddy()->accessibleName()));
    QCOMPARE(window->findChild<QLabel *>("breakEven_difference")->accessibleName(),
             "Break-even month, The difference: never");
    QVERIFY(window->findChild<QLabel *>("totalInterest_offer")
                ->accessibleName()
                .startsWith("Total interest, Take the offer: $"));
}

void ReportTest::comparison_takes_up_to_three_offers_and_removes_any_but_the_first()
{
    const auto window = startingComparison();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const auto box = [&window](const char *name) { return window->findChild<QLineEdit *>(name); };
    auto *add = window->findChild<QPushButton *>("AddOffer");
    QVERIFY(!box("Offer2Rate")->isVisible());
    QVERIFY(!shown(*window, "firstPayment_offer2").size());
    add->click();
    QVERIFY(box("Offer2Name")->isVisible() && box("Offer2Name")->hasFocus());
    add->click();
    QVERIFY(!add->isEnabled()); // three at most
    const std::pair<const char *, const char *> typed[] = {{"Offer2Name", "Harbour Bank"},
                                                           {"Offer2Rate", "2"},
                                                           {"Offer2Years", "30"},
                                                           {"Offer3Rate", "2.5"},
                                                           {"Offer3Years", "30"}};
    QTest::keyClicks(box("Offer2Name"), "Harbour");
    // The other ways are compared while an offer is being typed.
    QTRY_VERIFY(window->findChild<QLabel *>("Offer2RateMark")->isVisible());
    QVERIFY(shown(*window, "firstPayment_offer").startsWith('$'));
    box("Offer2Name")->clear();
    for (const auto &[name, text] : typed)
        QTest::keyClicks(box(name), text);
    QTRY_COMPARE(window->comparison().offers.size(), 3U);
    QTRY_VERIFY(!window->comparison().offers[2].refusal);
    QVERIFY(shown(*window, "firstPayment_offer2").contains('\n')); // the figure, its difference below it
    QVERIFY(!window->findChild<QLabel *>("firstPayment_difference")->isVisible());
    QVERIFY(window->comparison().cheapestOffer == 1U);
    auto *cell = window->findChild<QLabel *>("totalPaid_offer2");
    QVERIFY2(cell->accessibleName().startsWith("Harbour Bank (costs least): Total paid"),
             qPrintable(cell->accessibleName()));
    QVERIFY(window->findChild<QLabel *>("Sentence")->text().startsWith("In all, Harbour Bank costs least: "));

    // Removing the second moves the third up into its row.
    window->findChild<QPushButton *>("RemoveOffer2")->click();
    QTRY_COMPARE(window->comparison().offers.size(), 2U);
    QCOMPARE(box("Offer2Rate")->text(), "2.5");
    QCOMPARE(box("Offer2Name")->text(), "");
    QVERIFY(!box("Offer3Rate")->isVisible() && box("Offer3Rate")->text().isEmpty());
    QVERIFY(add->isEnabled());
    window->findChild<QPushButton *>("RemoveOffer2")->click();
    QTRY_COMPARE(window->comparison().offers.size(), 1U);
    QVERIFY(window->findChild<QLabel *>("firstPayment_difference")->isVisible());
    QCOMPARE(window->texts(), [] {
        commands::TextForm starting{usMarks};
        return commands::comparisonTextsFrom(commands::Command1_Click(starting, usMarks), usMarks);
    }());
}

void ReportTest::comparison_shows_an_offers_name_as_typed_not_as_markup()
{
    const auto window = startingComparison();
    window->findChild<QPushButton *>("AddOffer")->click();
    const QString name = QStringLiteral("<b>Harbour</b> <img src=\"x.png\">");
    window->findChild<QLineEdit *>("Offer2Name")->setText(name);
    window->findChild<QLineEdit *>("Offer2Rate")->setText("2");
    window->findChild<QLineEdit *>("Offer2Years")->setText("30");
    QTRY_COMPARE(window->comparison().offers.size(), 2U);
    // Its column's heading, the sentences and the chart's legend all show it.
    int showing = 0;
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->text().contains(name)) {
            ++showing;
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->text()));
        }
    QCOMPARE(showing, 3);
}

void ReportTest::comparison_reads_in_a_dark_palette()
{
    const auto window = startingComparison();
    window->findChild<QLineEdit *>("OfferRate")->setText("abc");
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    window->setPalette(dark);
    QTRY_VERIFY(window->findChild<QLabel *>("OfferRateMark")->isVisible());
    const auto lightness = [](const QColor &c) { return c.lightnessF(); };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QPalette &p = label->palette();
        QVERIFY2(std::abs(lightness(p.color(QPalette::WindowText)) - lightness(p.color(QPalette::Window))) > 0.6,
                 qPrintable(label->objectName()));
    }
    QCOMPARE(window->findChild<QChartView *>("ComparisonChart")->chart()->theme(), QChart::ChartThemeDark);
}

void ReportTest::comparison_boxes_hold_what_is_typed_under_every_style_data()
{
    QTest::addColumn<QString>("style");
    for (const QString &style : QStyleFactory::keys())
        QTest::newRow(qPrintable(style)) << style;
}

// A rate's ten characters, a term's seven and an amount's eighteen fit inside the frame and padding of the style.
void ReportTest::comparison_boxes_hold_what_is_typed_under_every_style()
{
    QFETCH(QString, style);
    const QString previous = qApp->style()->name();
    QApplication::setStyle(QStyleFactory::create(style));
    const auto restore = qScopeGuard([&previous] { QApplication::setStyle(QStyleFactory::create(previous)); });
    const auto window = startingComparison();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (const auto &[name, characters] :
         {std::pair{"OfferRate", 10}, std::pair{"OfferYears", 7}, std::pair{"Loan1Balance", 18}}) {
        const auto *box = window->findChild<QLineEdit *>(name);
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const int textWidth = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width()
            - box->textMargins().left() - box->textMargins().right() - 2 * 2;
        QVERIFY2(textWidth >= box->fontMetrics().averageCharWidth() * characters,
                 qPrintable(QString("%1: %2 px for %3 characters").arg(name).arg(textWidth).arg(characters)));
    }
}

void ReportTest::comparison_greys_the_implied_payment_fainter_yet_readable_data()
{
    QTest::addColumn<QPalette>("palette");
    std::unique_ptr<QStyle> fusion{QStyleFactory::create("Fusion")};
    QTest::newRow("light, its placeholder a faint half of the text") << fusion->standardPalette();
    // As some dark styles give it: the placeholder in the very colour of typed text.
    QPalette dark = fusion->standardPalette();
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, QColor(0xed, 0xed, 0xed));
    dark.setColor(QPalette::PlaceholderText, QColor(0xed, 0xed, 0xed));
    QTest::newRow("dark, its placeholder as bright as the text") << dark;
}

// Greyed, so that it is not taken for a payment typed in, and still read at 4.5:1 at least.
void ReportTest::comparison_greys_the_implied_payment_fainter_yet_readable()
{
    QFETCH(QPalette, palette);
    const auto window = startingComparison();
    window->setPalette(palette);
    const QLineEdit *payment = window->findChild<QLineEdit *>("Loan1Payment");
    QCOMPARE(payment->placeholderText(), "$1,967.04");
    const QPalette &shownIn = payment->palette();
    const QColor base = shownIn.color(QPalette::Base);
    QCOMPARE(shownIn.color(QPalette::PlaceholderText).alpha(), 255);
    const double greyed = report::contrastRatio(shownIn.color(QPalette::PlaceholderText), base);
    const double typed = report::contrastRatio(shownIn.color(QPalette::Text), base);
    QVERIFY2(greyed >= 4.5, qPrintable(QString::number(greyed)));
    QVERIFY2(typed >= 1.5 * greyed, qPrintable(QStringLiteral("%1 against %2").arg(typed).arg(greyed)));
}

void ReportTest::comparison_implies_a_payment_only_from_inputs_that_read_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("payment");
    QTest::newRow("a rate that is no number") << "Loan1Rate"
                                              << "abc"
                                              << "Loan1Payment";
    QTest::newRow("an empty rate") << "Loan1Rate"
                                   << ""
                                   << "Loan1Payment";
    QTest::newRow("an empty balance") << "Loan1Balance"
                                      << ""
                                      << "Loan1Payment";
    QTest::newRow("years that are not whole") << "Loan1Years"
                                              << "2.5"
                                              << "Loan1Payment";
    QTest::newRow("months that are no number") << "Loan1Months"
                                               << "x"
                                               << "Loan1Payment";
    QTest::newRow("loan 2's empty rate") << "Loan2Rate"
                                         << ""
                                         << "Loan2Payment";
}

void ReportTest::comparison_implies_a_payment_only_from_inputs_that_read()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, payment);
    const auto window = startingComparison();
    QVERIFY(!window->findChild<QLineEdit *>(payment)->placeholderText().isEmpty());
    window->findChild<QLineEdit *>(field)->setText(text);
    QTRY_VERIFY(window->findChild<QLabel *>(field + "Mark")->isVisible());
    QCOMPARE(window->findChild<QLineEdit *>(payment)->placeholderText(), QString());
}

// Alt+F is the File menu people expect; a Fill replaces every input, so it has a key of its own.
void ReportTest::comparison_fill_is_not_alt_f()
{
    int fills = 0;
    report::ComparisonWindow window{usMarks, [&fills] { ++fills; }, nullptr};
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    QTest::qWait(300); // a button's access key clicks it after a short animation
    QCOMPARE(fills, 0);
    QTest::keyClick(&window, Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(fills, 1);
}

// One loan is kept, not both; the note below the chart is about the view shown; each way has one colour in the
// light and the dark theme; a break-even dot at once is whole, not cut by the axes.
void ReportTest::comparison_chart_and_titles_follow_what_they_show()
{
    const auto window = startingComparison();
    QChart *chart = window->findChild<QChartView *>("ComparisonChart")->chart();
    const auto series = [chart](const QString &name) {
        for (QAbstractSeries *s : chart->series())
            if (s->name() == name)
                return s;
        return static_cast<QAbstractSeries *>(nullptr);
    };
    const auto colours = [chart] {
        QStringList shown;
        for (QAbstractSeries *s : chart->series())
            if (s->type() == QAbstractSeries::SeriesTypeLine)
                shown << s->name() + ' ' + static_cast<QLineSeries *>(s)->pen().color().name();
        return shown;
    };
    const QStringList light = colours();
    QCOMPARE(light.size(), 5); // keeping, up to three offers and the horizon's line
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    window->setPalette(dark);
    QCOMPARE(chart->theme(), QChart::ChartThemeDark);
    QCOMPARE(colours(), light);

    auto *note = window->findChild<QLabel *>("ChartNote");
    QVERIFY(note->text().startsWith("Cost so far"));
    window->findChild<QRadioButton *>("ChartBalanceOwed")->click();
    QTRY_VERIFY(note->text().startsWith("Balance owed"));
    window->findChild<QRadioButton *>("ChartCostSoFar")->click();
    QTRY_VERIFY(note->text().startsWith("Cost so far"));

    // The offer as the loan: the same cost from the start, with one loan.
    commands::ComparisonTexts texts = window->texts();
    commands::textOf(texts, compare::ComparisonField::Loan2Balance) = "";
    commands::textOf(texts, compare::ComparisonField::OfferRate)
        = commands::textOf(texts, compare::ComparisonField::Loan1Rate);
    window->setTexts(texts);
    QCOMPARE(window->comparison().firstOffer().breakEvenMonth, 0);
    QCOMPARE(shown(*window, "Sentence"),
             "Taking the offer costs the same; its payment is the same and the last one falls in the same month.");
    QVERIFY(series("Keep your loan"));
    QCOMPARE(shown(*window, "legend_0"), "Keep your loan");
    QVERIFY(window->findChild<QLabel *>("totalPaid_keep")
                ->accessibleName()
                .startsWith("Total paid, fees included, Keep your loan: "));
    QCOMPARE(static_cast<QScatterSeries *>(series("Break-even month"))->at(0), QPointF(0, 0));
    for (QAbstractAxis *axis : chart->axes())
        QVERIFY(static_cast<QCategoryAxis *>(axis)->min() < 0);

    window->findChild<QLineEdit *>("OfferRate")->setText("abc");
    QTRY_COMPARE(note->text(), "Nothing to chart until the comparison can be made.");
}

void ReportTest::comparison_goes_into_the_report_and_its_own_csv()
{
    const auto window = startingComparison();
    commands::ComparisonTexts texts = window->texts();
    commands::textOf(texts, compare::ComparisonField::FeesAtSigning) = "1000";
    QTemporaryDir folder;
    QString error;
    report::ReportContent content = reportContent();
    content.comparison = commands::compareTexts(texts, usMarks, january2030);
    QVERIFY(report::saveReportPdf(content, folder.filePath("report.pdf"), report::reportPageLayout(QLocale()), error));
    QVERIFY(contents(folder.filePath("report.pdf")).startsWith("%PDF"));

    QVERIFY2(report::exportComparisonCsv(commands::compareTexts(texts, usMarks, january2030),
                                         folder.filePath("offer.csv"), usMarks, error),
             qPrintable(error));
    const QList<QByteArray> lines = contents(folder.filePath("offer.csv")).split('\n');
    QCOMPARE(lines.value(1), "Keep: loan 1,1,2030-01,1967.04,884.54,1082.50,353917.50\r");
    QVERIFY(lines.contains("Offer,0,2029-12,1000.00,0.00,0.00,495000.00\r"));
    QCOMPARE(lines.count("Offer,1,2030-01,2819.38,1359.93,1459.45,493540.55\r"), 1); // at 3.2968 % as shown
    commands::textOf(texts, compare::ComparisonField::FeesAtSigning) = "";
    QVERIFY2(report::exportComparisonCsv(commands::compareTexts(texts, usMarks, january2030),
                                         folder.filePath("no-fees.csv"), usMarks, error),
             qPrintable(error));
    QVERIFY(!contents(folder.filePath("no-fees.csv")).contains("\nOffer,0,"));

    commands::textOf(texts, compare::ComparisonField::Loan1Payment) = std::string("1");
    QVERIFY(!report::exportComparisonCsv(commands::compareTexts(texts, usMarks, january2030),
                                         folder.filePath("never.csv"), usMarks, error));
    QVERIFY2(error.contains("never repaid"), qPrintable(error));
    QVERIFY(!QFile::exists(folder.filePath("never.csv")));
}

// Keystrokes that come together are compared once, a new month once, and the CSV writes the comparison it is given
// rather than comparing its inputs again.
void ReportTest::comparison_is_made_once_per_change_and_the_csv_takes_what_was_made()
{
    const auto window = startingComparison();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const int before = window->comparisonsMade();
    auto *rate = window->findChild<QLineEdit *>("OfferRate");
    rate->selectAll();
    QTest::keyClicks(rate, "3.75");
    // Asked for before the queued comparison has run, the window compares the change then, and only then.
    QCOMPARE(window->outcome().reading.inputs.offers[0].annualRatePercent, 3.75);
    QCOMPARE(window->comparisonsMade(), before + 1);
    QCoreApplication::processEvents();
    QCOMPARE(window->comparisonsMade(), before + 1);
    QTest::keyClick(rate, Qt::Key_5);
    QTRY_COMPARE(window->comparisonsMade(), before + 2);
    QCOMPARE(window->outcome().reading.inputs.offers[0].annualRatePercent, 3.755);
    QCOMPARE(window->comparisonsMade(), before + 2);
    window->setFirstPayment({2031, 5});
    QCOMPARE(window->comparisonsMade(), before + 3);
    window->setFirstPayment({2031, 5});
    QCOMPARE(window->comparisonsMade(), before + 3);

    commands::ComparisonOutcome held = window->outcome();
    QVERIFY(held.made());
    held.result.keep.schedules[0][0].amount = 1; // a figure no comparison of these inputs makes
    QTemporaryDir folder;
    QString error;
    QVERIFY2(report::exportComparisonCsv(held, folder.filePath("held.csv"), usMarks, error), qPrintable(error));
    QVERIFY(contents(folder.filePath("held.csv")).split('\n').value(1).startsWith("Keep: loan 1,1,2031-05,0.01,"));
    QCOMPARE(window->comparisonsMade(), before + 3);
}

void ReportTest::chart_ticks_stay_few_and_distinct_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("topLabel");
    QTest::newRow("one month, one cent") << 1 << 0.01 << "$0.01";
    QTest::newRow("ten months, a few cents") << 10 << 0.07 << "$0.08";
    QTest::newRow("twenty years") << 240 << 495000.0 << "$500,000";
    QTest::newRow("a hundred years, ten million") << 1200 << 1e7 << "$10M";
    QTest::newRow("steps of two and a half million") << 1200 << 1.2e7 << "$12.5M";
    QTest::newRow("two trillion, in billions") << 1200 << 2e12 << "$2,000bn";
    QTest::newRow("three trillion, in trillions") << 1200 << 3e12 << "$3T";
    QTest::newRow("ten trillion, in trillions") << 1200 << 1.2e13 << "$12.5T";
}

// The axes drop a tick whose label repeats another, so every label must differ; more than about eight crowd.
void ReportTest::chart_ticks_stay_few_and_distinct()
{
    QFETCH(int, months);
    QFETCH(double, maximum);
    for (const auto &ticks :
         {report::timeTicks(january2030, months, QLocale()), report::moneyTicks(maximum, usMarks)}) {
        QVERIFY(!ticks.empty() && ticks.size() <= 8);
        QSet<QString> labels;
        for (const report::Tick &tick : ticks)
            labels.insert(tick.label);
        QCOMPARE(labels.size(), qsizetype(ticks.size()));
    }
    QVERIFY(report::moneyTicks(maximum, usMarks).back().value >= maximum);
    // A narrow plot takes no more labels than it shows side by side, and always one at least.
    QCategoryAxis axis;
    for (const double width : {120.0, 400.0}) {
        report::labelTimeAxis(axis, january2030, months, QLocale(), width);
        const QStringList shown = axis.categoriesLabels();
        qreal widest = 0;
        for (const QString &label : shown)
            widest = std::max(widest, QFontMetricsF(axis.labelsFont()).horizontalAdvance(label));
        QVERIFY(!shown.isEmpty());
        QVERIFY2(shown.size() == 1 || double(shown.size()) * widest <= width, qPrintable(shown.join(' ')));
    }
    QFETCH(QString, topLabel);
    QCOMPARE(report::moneyTicks(maximum, usMarks).back().label, topLabel);
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    ReportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_test.moc"
