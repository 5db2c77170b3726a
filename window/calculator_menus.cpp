// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator_menus.h"

#include "commands/commands.h"
#include "commands/form_table.h"
#include "commands/report_rows.h"
#include "commands/text_form.h"
#include "localtext/display_text.h"
#include "report/report_module.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMenuBar>
#include <utility>

namespace window {

using localtext::toQString;

CalculatorMenus::CalculatorMenus(QWidget &window, commands::WindowOperations &fields, numtext::LocaleMarks marks,
                                 DesktopServices &services, Guard guard, std::function<void()> exit,
                                 std::function<void()> calculate)
    : QObject(&window)
    , m_window(window)
    , m_fields(fields)
    , m_marks(std::move(marks))
    , m_services(services)
    , m_guard(std::move(guard))
    , m_menuBar(new QMenuBar(&window))
    , m_last(localtext::defaultFirstPayment())
{
    m_document = new ScenarioDocument(window, m_marks, services,
                                      {[this] { return windowTexts(); },
                                       [this](const scenario::WindowTexts &texts) { setWindowTexts(texts); },
                                       std::move(calculate), m_guard});
    buildMenus(std::move(exit));
}

QAction *CalculatorMenus::addCommand(QMenu *menu, const char *name, const QString &text, const QKeySequence &keys,
                                     std::function<void()> command)
{
    QAction *action = menu->addAction(text, this, [this, command = std::move(command)] { m_guard(command); });
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    if (!keys.isEmpty())
        m_commands.append(action);
    return action;
}

// Access keys of the menus keep clear of those of Calculate and Exit, in English Alt+C and Alt+X, in every language.
void CalculatorMenus::buildMenus(std::function<void()> exit)
{
    //: The menus' access keys share the window with those of the Calculate and Exit buttons: keep them apart.
    QMenu *file = m_menuBar->addMenu(tr("&File"));
    file->setObjectName("FileMenu");
    addCommand(file, "OpenScenario", tr("&Open\u2026"), QKeySequence::Open, [this] { m_document->open(); });
    QMenu *recent = file->addMenu(tr("Open &recent"));
    recent->setObjectName("RecentFiles");
    // Filled as it opens, so that the settings are not read at start; an empty menu would not open at all.
    recent->addAction(QString())->setEnabled(false);
    connect(recent, &QMenu::aboutToShow, this,
            [this, recent] { m_guard([this, recent] { m_document->fillRecentMenu(*recent); }); });
    addCommand(file, "SaveScenario", tr("&Save"), QKeySequence::Save, [this] { m_document->save(); });
    addCommand(file, "SaveScenarioAs", tr("Save &as\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
               [this] { m_document->saveAs(); });
    file->addSeparator();
    addCommand(file, "SaveReportPdf", tr("Save report as P&DF\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
               [this] { saveReport(); });
    addCommand(file, "PrintReport", tr("&Print\u2026"), QKeySequence::Print, [this] { printReport(); });
    addCommand(file, "ExportSchedules", tr("&Export schedules as CSV\u2026"), {}, [this] { exportSchedules(); });
    addCommand(file, "ExportComparison", tr("Export &comparison as CSV\u2026"), {}, [this] { exportComparison(); });
    file->addSeparator();
    // Not every platform theme binds Quit; Ctrl+Q is what desktops that do bind it use.
    const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    addCommand(file, "ExitProgram", tr("Exi&t"), quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit.first(),
               std::move(exit));

    QMenu *edit = m_menuBar->addMenu(tr("&Edit"));
    edit->setObjectName("EditMenu");
    // A box's own typing is undone by the box; this takes back what a Fill replaced in the comparison.
    m_undoFill = addCommand(edit, "UndoFill", tr("&Undo fill from the calculator"), QKeySequence::Undo,
                            [this] { undoFill(); });
    m_undoFill->setEnabled(false);
    // Plain Ctrl+C keeps copying the selection of a field.
    addCommand(edit, "CopyResults", tr("C&opy results"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
               [this] { copyResults(); });

    QMenu *view = m_menuBar->addMenu(tr("&View"));
    view->setObjectName("ViewMenu");
    addCommand(view, "ShowSchedules", tr("&Repayment schedules\u2026"), QKeySequence(Qt::CTRL | Qt::Key_R),
               [this] { showSchedules(); });
    addCommand(view, "ShowComparison", tr("Compare with an &offer\u2026"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), [this] { showComparison(); });

    QMenu *help = m_menuBar->addMenu(tr("&Help"));
    help->setObjectName("HelpMenu");
    addCommand(help, "FigureDefinitions", tr("How the figures are &defined"), QKeySequence::HelpContents, [this] {
        if (report::ReportModule *module = reportModule())
            module->showFigureDefinitions(&m_window);
    });
    addCommand(help, "AboutProgram", tr("&About"), {}, [this] {
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

void CalculatorMenus::calculated(commands::CalculationOutcome outcome)
{
    m_last.record(std::move(outcome));
    // A closed schedules window is brought up to date when it is shown again, not at every Calculate.
    m_schedulesStale = true;
    if (m_schedulesWindow && m_schedulesWindow->widget()->isVisible())
        refreshSchedulesWindow();
}

// Picked in either window, the month is the one of every schedule and of the comparison.
void CalculatorMenus::firstPaymentPicked(schedule::Month month)
{
    m_guard([this, month] {
        setFirstPayment(month);
        m_document->edited();
    });
}

void CalculatorMenus::setFirstPayment(schedule::Month month)
{
    m_last.setFirstPayment(month);
    m_schedulesStale = true;
    if (m_schedulesWindow && m_schedulesWindow->widget()->isVisible())
        refreshSchedulesWindow();
    if (m_comparisonWindow)
        m_comparisonWindow->setFirstPayment(month);
}

// Every input of both windows as typed, and the month: what a scenario saves.
scenario::WindowTexts CalculatorMenus::windowTexts() const
{
    scenario::WindowTexts texts;
    for (std::size_t i = 0; i < texts.inputs.size(); ++i)
        texts.inputs[i] = m_fields.getText(scenario::scenarioInputFields[i]);
    texts.comparison = m_comparisonWindow ? std::optional(m_comparisonWindow->texts()) : m_pendingComparison;
    texts.firstMonth = m_last.firstPayment();
    return texts;
}

void CalculatorMenus::setWindowTexts(const scenario::WindowTexts &texts)
{
    forgetFill();
    for (std::size_t i = 0; i < texts.inputs.size(); ++i)
        m_fields.setText(scenario::scenarioInputFields[i], texts.inputs[i]);
    // Texts without a comparison leave none of the one before: its window, where there is one, fills from these
    // inputs as it does when it first opens, and otherwise waits to open so.
    if (m_comparisonWindow)
        m_comparisonWindow->setTexts(texts.comparison ? *texts.comparison
                                                      : scenario::comparisonFilledFrom(texts.inputs, m_marks));
    else
        m_pendingComparison = texts.comparison;
    setFirstPayment(texts.firstMonth);
}

void CalculatorMenus::refreshSchedulesWindow()
{
    if (m_last.calculated())
        m_schedulesWindow->showSchedules(m_last.schedules(), m_last.firstPayment());
    else
        m_schedulesWindow->showNoCalculation(m_last.firstPayment());
    m_schedulesStale = false;
}

void CalculatorMenus::showSchedules()
{
    if (!m_schedulesWindow) {
        report::ReportModule *module = reportModule();
        if (!module)
            return;
        m_schedulesWindow = module->createSchedulesWindow(m_marks, &m_window,
                                                          [this](schedule::Month month) { firstPaymentPicked(month); });
        // The program's commands work from this window by their shortcuts too.
        m_schedulesWindow->widget()->addActions(m_commands);
        m_schedulesStale = true;
    }
    if (m_schedulesStale)
        refreshSchedulesWindow();
    QWidget *window = m_schedulesWindow->widget();
    window->show();
    window->raise();
    window->activateWindow();
}

// The comparison's texts as the last Calculate gives them, or, before any, as a Calculate of the calculator's
// inputs now would.
commands::ComparisonTexts CalculatorMenus::calculatorComparisonTexts() const
{
    if (const auto &outcome = m_last.outcome())
        return commands::comparisonTextsFrom(*outcome, m_marks);
    commands::TextForm now{m_marks};
    for (const commands::Field field : scenario::scenarioInputFields)
        now.setText(field, m_fields.getText(field));
    return commands::comparisonTextsFrom(commands::Command1_Click(now, m_marks), m_marks);
}

void CalculatorMenus::fillComparison()
{
    const commands::ComparisonTexts before = m_comparisonWindow->texts();
    m_comparisonWindow->setTexts(calculatorComparisonTexts());
    m_document->edited();
    if (m_comparisonWindow->texts() != before) {
        m_beforeFill = before;
        m_undoFill->setEnabled(true);
    }
}

void CalculatorMenus::undoFill()
{
    if (!m_beforeFill || !m_comparisonWindow)
        return;
    m_comparisonWindow->setTexts(*m_beforeFill);
    forgetFill();
    m_document->edited();
}

// Once something else changes the comparison, a Fill is no longer the last thing to take back.
void CalculatorMenus::forgetFill()
{
    m_beforeFill.reset();
    m_undoFill->setEnabled(false);
}

void CalculatorMenus::showComparison()
{
    if (!m_comparisonWindow) {
        report::ReportModule *module = reportModule();
        if (!module)
            return;
        m_comparisonWindow = module->createComparisonWindow(
            m_marks, &m_window, [this] { m_guard([this] { fillComparison(); }); },
            [this](schedule::Month month) { firstPaymentPicked(month); },
            [this] {
                m_guard([this] {
                    forgetFill();
                    m_document->edited();
                });
            });
        m_comparisonWindow->widget()->addActions(m_commands);
        m_comparisonWindow->setFirstPayment(m_last.firstPayment());
        // Filled when it first opens, from a scenario's comparison where one was opened; after that, what the user
        // types there stays until asked to fill it again.
        if (m_pendingComparison) {
            m_comparisonWindow->setTexts(*std::exchange(m_pendingComparison, std::nullopt));
            m_document->edited();
        } else {
            m_comparisonWindow->setTexts(calculatorComparisonTexts());
            m_document->comparisonOpened(m_comparisonWindow->texts());
        }
    }
    QWidget *window = m_comparisonWindow->widget();
    window->show();
    window->raise();
    window->activateWindow();
}

// The comparison as its window holds it, or as it would open where it has not been opened yet: compared once, for
// the check and the file alike.
commands::ComparisonOutcome CalculatorMenus::comparisonOutcome() const
{
    if (m_comparisonWindow)
        return m_comparisonWindow->outcome();
    return commands::compareTexts(m_pendingComparison ? *m_pendingComparison : calculatorComparisonTexts(), m_marks,
                                  m_last.firstPayment());
}

void CalculatorMenus::exportComparison()
{
    report::ReportModule *module = reportModule();
    if (!module)
        return;
    const commands::ComparisonOutcome outcome = comparisonOutcome();
    // Before the file is asked for, not after: a comparison that cannot be made has nothing to export.
    if (!outcome.reading.problems.empty()) {
        say(tr("There is no comparison to export: some of its inputs are marked as unusable. Correct them in the "
               "comparison window first."));
        return;
    }
    if (const auto &refusal = outcome.result.refusal) {
        //: %1 says why, in lower case, such as "for the offer, the monthly payment never covers a month's interest".
        say(tr("There is no comparison to export: it cannot be made, since %1.").arg(toQString(refusal->reason)));
        return;
    }
    const QString path = m_services.chooseSaveFile(m_window, tr("Export comparison as CSV"),
                                                   //: A file name: no spaces, slashes or accents.
                                                   tr("loan-offer-comparison"), "csv", tr("CSV files"));
    QString error;
    if (!path.isEmpty() && !module->exportComparisonCsv(outcome, path, m_marks, error))
        say(error);
}

// The report shows the comparison where the user has opened it or a scenario holds one.
report::ReportContent CalculatorMenus::reportContent()
{
    std::optional<commands::ComparisonOutcome> comparison;
    if (m_comparisonWindow || m_pendingComparison)
        comparison = comparisonOutcome();
    return report::reportContentOf(*m_last.outcome(), m_last.schedules(), std::move(comparison), m_last.firstPayment(),
                                   m_marks, QDate::currentDate());
}

bool CalculatorMenus::calculatedYet() const
{
    if (!m_last.calculated())
        say(tr("There is nothing to report yet: the report, the schedules and their export show the figures of the "
               "last Calculate, and Calculate comes first."));
    return m_last.calculated();
}

void CalculatorMenus::saveReport()
{
    report::ReportModule *module = calculatedYet() ? reportModule() : nullptr;
    if (!module)
        return;
    const QString path = m_services.chooseSaveFile(m_window, tr("Save report as PDF"),
                                                   //: A file name: no spaces, slashes or accents.
                                                   tr("blended-loan-report"), "pdf", tr("PDF documents"));
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
    const QString path = m_services.chooseSaveFile(m_window, tr("Export schedules as CSV"),
                                                   //: A file name: no spaces, slashes or accents.
                                                   tr("blended-loan-schedules"), "csv", tr("CSV files"));
    QString error;
    if (!path.isEmpty() && !module->exportSchedulesCsv(m_last.schedules(), path, m_marks, error))
        say(error);
}

// The inputs the figures belong to, not what has been typed since.
void CalculatorMenus::copyResults()
{
    if (!m_last.outcome()) {
        say(tr("There is nothing to copy yet: Calculate comes first."));
        return;
    }
    QGuiApplication::clipboard()->setText(
        toQString(commands::tabSeparatedLines(commands::reportGroups(*m_last.outcome(), m_marks))));
}

void CalculatorMenus::say(const QString &text) const
{
    m_services.showMessage(m_window, text);
}

} // namespace window
