// SPDX-License-Identifier: GPL-3.0-or-later
// The schedules and comparison windows and the PDF report in the user's language, run under German and French
// system locales on a 1366 x 768 screen at scales 1 and 1.5: their key texts are translated, and no caption, button
// or heading is cut.
#include "commands/commands.h"
#include "commands/text_form.h"
#include "default_run.h"
#include "localtext/translations.h"
#include "modules/worker_threads.h"
#include "report/comparison_window.h"
#include "report/report_content.h"
#include "report/report_document.h"
#include "report/schedules_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class ReportLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void windows_show_their_words_in_the_users_language();
    void no_caption_is_cut_on_a_small_screen();
    void the_pdf_report_is_in_the_users_language();
    void three_offers_are_read_without_scrolling_sideways();
};

namespace {

const numtext::LocaleMarks marks{",", ".", "$"};
constexpr schedule::Month january2030{2030, 1};

// The two windows as the calculator opens them after the starting Calculate.
struct Windows {
    report::SchedulesWindow schedules{marks, nullptr};
    report::ComparisonWindow comparison{marks, nullptr, nullptr};

    Windows()
    {
        const auto built = schedule::buildSchedules(plansOf(defaultLoan1, defaultLoan2), january2030);
        schedules.showSchedules({built.begin(), built.end()}, january2030);
        commands::TextForm starting{marks};
        comparison.setTexts(commands::comparisonTextsFrom(commands::Command1_Click(starting, marks), marks));
        schedules.show();
        comparison.show();
    }
};

enum class Shown { WindowTitle, Text, AccessibleName, Caption, ColumnHeading };

struct ExpectedText {
    const char *window;
    const char *object; // an object name, or for a column heading its column
    Shown what;
    const char *german;
    const char *french;
};

// What each language shows, a few texts of every kind: captions with their access keys, the table's columns, the
// chart's words and what a screen reader hears.
const ExpectedText expectedTexts[] = {
    {"SchedulesWindow", "", Shown::WindowTitle, "Tilgungspläne - Rechner für zusammengefasste Darlehen",
     "Tableaux d'amortissement - Calculateur de regroupement de prêts"},
    {"SchedulesWindow", "ChartBalance", Shown::Text, "&Restschuld", "Capital &restant dû"},
    {"SchedulesWindow", "ChartInterest", Shown::Text, "Bisher gezahlte &Zinsen", "&Intérêts payés à ce jour"},
    {"SchedulesWindow", "Schedule", Shown::AccessibleName, "Tilgungsplan", "Tableau d'amortissement"},
    {"SchedulesWindow", "1", Shown::ColumnHeading, "Monat", "Mois"},
    {"SchedulesWindow", "4", Shown::ColumnHeading, "Tilgung", "Capital remboursé"},
    {"SchedulesWindow", "5", Shown::ColumnHeading, "Restschuld", "Capital restant dû"},
    {"SchedulesWindow", "summary_payments", Shown::AccessibleName, "Anzahl der Raten, 240", "Nombre d'échéances, 240"},
    // A legend's line joins a plan's name with its last month; in French no one participle agrees with every name.
    {"SchedulesWindow", "legend_0", Shown::Text, "Darlehen 1 und Darlehen 2, getilgt im Dezember 2049",
     "Prêt 1 et prêt 2, jusqu'en décembre 2049"},
    {"SchedulesWindow", "legend_1", Shown::Text, "Zusammengefasstes Darlehen, getilgt im Dezember 2049",
     "Prêt regroupé, jusqu'en décembre 2049"},
    {"SchedulesWindow", "PlanTitle", Shown::Text, "Darlehen 1", "Prêt 1"},
    {"ComparisonWindow", "", Shown::WindowTitle, "Mit einem Angebot vergleichen - Rechner für zusammengefasste Darlehen",
     "Comparer avec une offre - Calculateur de regroupement de prêts"},
    {"ComparisonWindow", "FillFromCalculator", Shown::Text, "&Werte aus dem Rechner übernehmen",
     "&Reprendre les valeurs du calculateur"},
    {"ComparisonWindow", "ChartCostSoFar", Shown::Text, "&Kosten bis dahin", "Coût &cumulé"},
    {"ComparisonWindow", "ChartBalanceOwed", Shown::Text, "&Restschuld", "Capital restant &dû"},
    {"ComparisonWindow", "ComparisonFirstPayment", Shown::AccessibleName,
     "Monat der ersten Rate, für beide Wege und die Tilgungspläne",
     "Mois de la première échéance, pour les deux options et les tableaux d'amortissement"},
    {"ComparisonWindow", "OfferRate", Shown::Caption, "Jahreszinssatz (%)", "Taux annuel (%)"},
    {"ComparisonWindow", "OfferRate", Shown::AccessibleName, "Jahreszinssatz (%), Angebot", "Taux annuel (%), offre"},
    {"ComparisonWindow", "legend_0", Shown::Text, "Beide Darlehen behalten", "Garder les deux prêts"},
    {"ComparisonWindow", "legend_1", Shown::Text, "Angebot annehmen", "Accepter l'offre"},
    {"ComparisonWindow", "ChartNote", Shown::Text,
     "Kosten bis dahin: was Sie auf einem Weg bis dahin gezahlt haben, Gebühren eingeschlossen, und noch schulden, "
     "abzüglich der heutigen Restschulden. Der Punkt markiert den Monat, ab dem sich das Angebot lohnt.",
     "Coût cumulé\u00a0: ce qu'une option vous a fait payer, frais compris, et ce que vous devez encore, moins les "
     "capitaux restant dus d'aujourd'hui. Le point marque le mois à partir duquel l'offre est rentable."},
};

QString shownText(QWidget &window, const ExpectedText &expected)
{
    switch (expected.what) {
    case Shown::WindowTitle:
        return window.windowTitle();
    case Shown::Text: {
        QWidget *widget = window.findChild<QWidget *>(expected.object);
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        return QStringLiteral("<no label or button %1>").arg(expected.object);
    }
    case Shown::AccessibleName:
        return window.findChild<QWidget *>(expected.object)->accessibleName();
    case Shown::Caption:
        for (const QLabel *label : window.findChildren<QLabel *>())
            if (label->buddy() && label->buddy()->objectName() == QLatin1String(expected.object))
                return label->text();
        return QStringLiteral("<no caption of %1>").arg(expected.object);
    case Shown::ColumnHeading:
        return window.findChild<QTableView *>("Schedule")
            ->model()
            ->headerData(QString::fromLatin1(expected.object).toInt(), Qt::Horizontal)
            .toString();
    }
    return {};
}

bool german()
{
    return localtext::uiLanguage() == QLatin1String("de");
}

// A visible caption, button or group title shown with less room than its text needs, with what it shows.
QStringList cutTexts(const QWidget &window)
{
    QStringList cut;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->width() == 0)
            continue;
        const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                            : label->width() >= label->sizeHint().width();
        if (!fits)
            cut << label->text();
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (button->isVisibleTo(&window) && !button->text().isEmpty() && button->width() < button->sizeHint().width())
            cut << button->text();
    for (const QGroupBox *group : window.findChildren<QGroupBox *>())
        if (group->isVisibleTo(&window) && group->width() < group->fontMetrics().horizontalAdvance(group->title()))
            cut << group->title();
    if (const auto *table = window.findChild<QTableView *>("Schedule")) {
        const QHeaderView *header = table->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
            const QString heading = table->model()->headerData(column, Qt::Horizontal).toString();
            if (header->sectionSize(column) < header->fontMetrics().horizontalAdvance(heading))
                cut << heading;
        }
    }
    return cut;
}

} // namespace

void ReportLanguageTest::windows_show_their_words_in_the_users_language()
{
    QVERIFY2(localtext::uiLanguage() == QLatin1String("de") || localtext::uiLanguage() == QLatin1String("fr"),
             "run under a German or French locale");
    Windows windows;
    for (const ExpectedText &expected : expectedTexts) {
        QWidget &window = QLatin1String(expected.window) == QLatin1String("SchedulesWindow")
            ? static_cast<QWidget &>(windows.schedules)
            : static_cast<QWidget &>(windows.comparison);
        QCOMPARE(shownText(window, expected), QString::fromUtf8(german() ? expected.german : expected.french));
    }
}

void ReportLanguageTest::no_caption_is_cut_on_a_small_screen()
{
    Windows windows;
    for (QWidget *window : {static_cast<QWidget *>(&windows.schedules), static_cast<QWidget *>(&windows.comparison)}) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect room = window->screen()->availableGeometry();
        QVERIFY2(room.contains(window->frameGeometry()), qPrintable(window->objectName()));
        const QStringList cut = cutTexts(*window);
        QVERIFY2(cut.isEmpty(), qPrintable(window->objectName() + ": " + cut.join(" | ")));
    }
}

void ReportLanguageTest::the_pdf_report_is_in_the_users_language()
{
    Windows windows;
    commands::TextForm starting{marks};
    const report::ReportContent content
        = report::reportContentOf(commands::Command1_Click(starting, marks), windows.schedules.schedules(),
                                  windows.comparison.outcome(), january2030, marks, QDate(2026, 12, 8));
    QTemporaryDir folder;
    QString error;
    QVERIFY2(report::saveReportPdf(content, folder.filePath("report.pdf"), report::reportPageLayout(QLocale()), error),
             qPrintable(error));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", folder.filePath("report.pdf"), "-"});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();

    const QStringList germanWords{"Rechner für zusammengefasste Darlehen",
                                  "Darlehensbetrag 1",
                                  "Vergleich mit einem Angebot",
                                  "Erste Rate",
                                  "Beide Darlehen behalten Angebot annehmen Differenz",
                                  "Tilgungspläne Darlehen 1",
                                  "Restschuld im Zeitverlauf",
                                  "Kosten bis dahin, je Weg",
                                  "Anzahl der Raten",
                                  "Tilgungsplan: Darlehen 1",
                                  "(Fortsetzung)",
                                  "Seite 2",
                                  "Restschuld"};
    const QStringList frenchWords{"Calculateur de regroupement de prêts",
                                  "Capital emprunté 1",
                                  "Comparaison avec une offre",
                                  "Première échéance",
                                  "Garder les deux prêts Accepter l'offre Différence",
                                  "Tableaux d'amortissement Prêt 1",
                                  "Capital restant dû au fil du temps",
                                  "Coût cumulé, pour chaque option",
                                  "Nombre d'échéances",
                                  "Tableau d'amortissement\u00a0: Prêt 1",
                                  "(suite)",
                                  "Page 2",
                                  "Capital remboursé"};
    for (const QString &words : german() ? germanWords : frenchWords)
        QVERIFY2(text.contains(words.simplified()), qPrintable(words));
    for (const char *english : {"Repayment schedules", "Remaining balance over time", "Schedule:", "(continued)",
                                "Principal repaid", "Cost so far"})
        QVERIFY2(!text.contains(QLatin1String(english)), english);
}

int main(int argc, char *argv[])
{
    const modules::WorkerThreadsEndFirst workersEnd; // destroyed after the application
    QApplication app(argc, argv);
    // As the program does when it loads the report module: the plain libraries' words and the module's own.
    localtext::installCatalog(QStringLiteral("loanblend"));
    localtext::installCatalog(QStringLiteral("loanblend-report"));
    ReportLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_language_test.moc"

// Every way's figures side by side within the window on a small screen, three offers and all: the panel scrolls down,
// never sideways, and each result cell's name starts with its way's heading.
void ReportLanguageTest::three_offers_are_read_without_scrolling_sideways()
{
    Windows windows;
    report::ComparisonWindow &window = windows.comparison;
    commands::ComparisonTexts texts = window.texts();
    using F = compare::ComparisonField;
    for (const auto &[field, text] : {std::pair{F::Offer2Name, "Harbour Bank"}, {F::Offer2Rate, "5,1"},
                                      {F::Offer2Years, "25"}, {F::Offer3Rate, "3,9"}, {F::Offer3Years, "30"},
                                      {F::Offer3Points, "2"}, {F::HorizonYears, "7"}})
        commands::textOf(texts, field) = text;
    window.setTexts(texts);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.comparison().offers.size(), 3U);
    auto *panel = window.findChild<QScrollArea *>("ComparisonPanel");
    QTRY_COMPARE(panel->horizontalScrollBar()->maximum(), 0);
    const QStringList cut = cutTexts(window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
    const QString heading = window.findChild<QLabel *>("totalPaid_offer2")->accessibleName();
    QVERIFY2(heading.startsWith("Harbour Bank"), qPrintable(heading));
}
