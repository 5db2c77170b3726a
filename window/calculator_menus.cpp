// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_menus.h"

#include "failure_messages.h"
#include "form_table.h"
#include "qt_text.h"
#include "report/display_text.h"
#include "report/report_module.h"
#include "report_rows.h"
#include "schedule/plan_terms.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <utility>

namespace window {

namespace {

CalculationSubject subjectOf(schedule::CalculationStage stage)
{
    switch (stage) {
    case schedule::CalculationStage::Loan1:
        return CalculationSubject::Loan1;
    case schedule::CalculationStage::Loan2:
        return CalculationSubject::Loan2;
    case schedule::CalculationStage::Blend:
        break;
    }
    return CalculationSubject::Blend;
}

// Each plan's terms, as far as the calculation reached them, and for the others the words the window's own
// message gave for where it stopped.
struct Plans {
    schedule::CalculatedPlans calculated;
    std::string unreachedReason;
};

Plans plansOf(const CalculationTerms &terms)
{
    Plans plans{schedule::calculatePlanTerms(terms.loan1, terms.loan2), {}};
    if (const auto &stop = plans.calculated.stop)
        plans.unreachedReason = calculationFailureMessage(stop->error, subjectOf(stop->stage));
    return plans;
}

} // namespace

CalculatorMenus::CalculatorMenus(QWidget &window, const WindowOperations &fields, numtext::LocaleMarks marks,
                                 DesktopServices &services, std::function<void()> exit)
    : QObject(&window)
    , m_window(window)
    , m_fields(fields)
    , m_marks(std::move(marks))
    , m_services(services)
    , m_menuBar(new QMenuBar(&window))
{
    buildMenus(std::move(exit));
}

// Access keys of the menus keep clear of Alt+C and Alt+X, which stay Calculate and Exit.
void CalculatorMenus::buildMenus(std::function<void()> exit)
{
    const auto add = [this](QMenu *menu, const QString &text, const QKeySequence &keys, auto slot) {
        QAction *action = menu->addAction(text, this, slot);
        action->setShortcut(keys);
        return action;
    };
    QMenu *file = m_menuBar->addMenu("&File");
    add(file, "&Save report as PDF\u2026", QKeySequence::Save, [this] { saveReport(); });
    add(file, "&Print\u2026", QKeySequence::Print, [this] { printReport(); });
    add(file, "&Export schedules as CSV\u2026", {}, [this] { exportSchedules(); });
    file->addSeparator();
    // Not every platform theme binds Quit; Ctrl+Q is what desktops that do bind it use.
    const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    add(file, "Exi&t", quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit.first(), std::move(exit));

    QMenu *edit = m_menuBar->addMenu("&Edit");
    // Plain Ctrl+C keeps copying the selection of a field.
    add(edit, "C&opy results", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyResults(); });

    QMenu *view = m_menuBar->addMenu("&View");
    add(view, "&Repayment schedules\u2026", QKeySequence(Qt::CTRL | Qt::Key_R), [this] { showSchedules(); });

    QMenu *help = m_menuBar->addMenu("&Help");
    add(help, "How the figures are &defined", QKeySequence::HelpContents, [this] {
        if (report::ReportModule *module = reportModule())
            module->showFigureDefinitions(&m_window);
    });
    add(help, "&About", {}, [this] {
        if (report::ReportModule *module = reportModule())
            module->showAbout(&m_window, QCoreApplication::applicationVersion());
    });
}

// Null, once the user has been told why, when the module cannot be loaded.
report::ReportModule *CalculatorMenus::reportModule() const
{
    QString error;
    report::ReportModule *module = report::loadReportModule(error);
    if (!module)
        say(error);
    return module;
}

void CalculatorMenus::calculated(std::optional<CalculationTerms> terms)
{
    m_terms = std::move(terms);
    m_calculatedFigures = reportGroups(m_fields);
    // A closed schedules window is rebuilt when it is shown again, not at every Calculate.
    m_schedulesStale = m_schedulesWindow && !m_schedulesWindow->widget()->isVisible();
    if (m_schedulesWindow && !m_schedulesStale)
        refreshSchedulesWindow();
}

void CalculatorMenus::refreshSchedulesWindow()
{
    if (m_terms) {
        const Plans plans = plansOf(*m_terms);
        m_schedulesWindow->showPlans(plans.calculated, plans.unreachedReason);
    } else
        m_schedulesWindow->showNoCalculation();
}

void CalculatorMenus::showSchedules()
{
    if (!m_schedulesWindow) {
        report::ReportModule *module = reportModule();
        if (!module)
            return;
        m_schedulesWindow = module->createSchedulesWindow(m_marks, &m_window);
        refreshSchedulesWindow();
    } else if (std::exchange(m_schedulesStale, false)) {
        refreshSchedulesWindow();
    }
    QWidget *window = m_schedulesWindow->widget();
    window->show();
    window->raise();
    window->activateWindow();
}

// The schedules of the last Calculate, from the first-payment month picked in the schedules window, or from
// next month when it has not been opened.
std::vector<schedule::Schedule> CalculatorMenus::currentSchedules() const
{
    if (!m_terms)
        return {};
    if (m_schedulesWindow && !m_schedulesStale)
        return m_schedulesWindow->schedules();
    const Plans plans = plansOf(*m_terms);
    const auto schedules
        = schedule::buildSchedules(plans.calculated, report::defaultFirstPayment(), plans.unreachedReason);
    return {schedules.begin(), schedules.end()};
}

report::ReportContent CalculatorMenus::reportContent() const
{
    report::ReportContent content;
    content.title = toQString(form::programTitle);
    content.date = QDate::currentDate();
    for (const ReportGroup &group : shownFigures()) {
        report::ReportSection section{toQString(group.title), {}};
        for (const CaptionedText &row : group.rows)
            section.rows.emplace_back(toQString(row.caption), toQString(row.text));
        content.sections.push_back(std::move(section));
    }
    content.schedules = currentSchedules();
    content.marks = m_marks;
    return content;
}

// The figures of the last Calculate, or, before any, the inputs as they stand.
std::vector<ReportGroup> CalculatorMenus::shownFigures() const
{
    return m_calculatedFigures ? *m_calculatedFigures : reportGroups(m_fields);
}

bool CalculatorMenus::calculatedYet() const
{
    if (!m_terms)
        say("There is nothing to report yet: the report, the schedules and their export show the figures of the "
            "last Calculate, and Calculate comes first.");
    return m_terms.has_value();
}

void CalculatorMenus::saveReport()
{
    report::ReportModule *module = calculatedYet() ? reportModule() : nullptr;
    if (!module)
        return;
    const QString path
        = m_services.chooseSaveFile(m_window, "Save report as PDF", "blended-loan-report.pdf", "PDF documents (*.pdf)");
    QString error;
    if (!path.isEmpty() && !module->saveReportPdf(reportContent(), path, error))
        say(error);
}

void CalculatorMenus::printReport()
{
    report::ReportModule *module = calculatedYet() ? reportModule() : nullptr;
    QString error;
    if (module && !module->printReport(reportContent(), &m_window, error) && !error.isEmpty())
        say(error);
}

void CalculatorMenus::exportSchedules()
{
    report::ReportModule *module = calculatedYet() ? reportModule() : nullptr;
    if (!module)
        return;
    const QString path = m_services.chooseSaveFile(m_window, "Export schedules as CSV", "blended-loan-schedules.csv",
                                                   "CSV files (*.csv)");
    QString error;
    if (!path.isEmpty() && !module->exportSchedulesCsv(currentSchedules(), path, m_marks, error))
        say(error);
}

void CalculatorMenus::copyResults() const
{
    QGuiApplication::clipboard()->setText(toQString(tabSeparatedLines(shownFigures())));
}

void CalculatorMenus::say(const QString &text) const
{
    m_services.showMessage(m_window, text);
}

} // namespace window
