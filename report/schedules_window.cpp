// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedules_window.h"

#include "chart_legend.h"
#include "localtext/display_text.h"
#include "plan_summary.h"
#include "schedule_chart.h"
#include "schedule_model.h"
#include "screen_fit.h"
#include "shown_names.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace report {

using localtext::defaultFirstPayment;
using localtext::firstDayOf;
using localtext::monthOf;
using localtext::toQString;

namespace {

enum Page { NoCalculationPage, PlansPage };
enum PlanPage { NotListedPage, ListedPage };

QLabel *wrappedLabel(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus); // QLabel alone leaves keyboard-selectable text out of the Tab chain
    return label;
}

} // namespace

SchedulesWindow::SchedulesWindow(numtext::LocaleMarks marks, std::function<void(schedule::Month)> firstPaymentPicked,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_marks(std::move(marks))
    , m_firstPaymentPicked(std::move(firstPaymentPicked))
{
    setObjectName("SchedulesWindow");
    //: %1 is the program's name, which stays as it is.
    setWindowTitle(tr("Repayment schedules - %1").arg(programName()));
    setAccessibleName(tr("Repayment schedules"));

    m_firstPayment = new QDateEdit(firstDayOf(defaultFirstPayment()), this);
    m_firstPayment->setObjectName("FirstPayment");
    m_firstPayment->setAccessibleName(tr("First payment month"));
    m_firstPayment->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    m_firstPayment->setDateRange({1900, 1, 1}, {2999, 12, 1});
    m_firstPayment->setCurrentSection(QDateTimeEdit::MonthSection);
    auto *firstPaymentCaption = new QLabel(tr("&First payment:"), this);
    firstPaymentCaption->setBuddy(m_firstPayment);
    connect(m_firstPayment, &QDateEdit::dateChanged, this, [this] {
        if (m_firstPaymentPicked)
            m_firstPaymentPicked(firstPayment());
    });

    auto *noCalculation = wrappedLabel("NoCalculation", this);
    noCalculation->setAlignment(Qt::AlignCenter);
    noCalculation->setText(tr("The schedules follow the calculator's figures: press Calculate in the calculator "
                              "window first, and they appear here."));

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("Panels");
    m_splitter->addWidget(createPlanList());
    m_splitter->addWidget(createPlanView());
    m_splitter->addWidget(createChartView());
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setStretchFactor(2, 1);

    m_pages = new QStackedWidget(this);
    m_pages->insertWidget(NoCalculationPage, noCalculation);
    m_pages->insertWidget(PlansPage, m_splitter);

    auto *top = new QHBoxLayout;
    top->addWidget(firstPaymentCaption);
    top->addWidget(m_firstPayment);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);

    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto *escape = new QShortcut(Qt::Key_Escape, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // As large as its content would like, or as the screen allows: at 1366 x 768 and a scale of 1.5 a screen has
    // room for 910 x 512 pixels of it, title bar included.
    fitToScreen(*this, {1340, 720});
    m_chart->followPalette(palette());
    showNoCalculation(defaultFirstPayment());
}

void SchedulesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepOnScreen(*this);
}

// The plans to choose from, and under them the chosen plan's summary, scrolled when the screen is short.
QWidget *SchedulesWindow::createPlanList()
{
    auto *panel = new QWidget;
    m_planList = new QListWidget(panel);
    m_planList->setObjectName("Plans");
    m_planList->setAccessibleName(tr("Plans"));
    for (const schedule::Plan plan : schedule::allPlans)
        m_planList->addItem(toQString(schedule::shownPlanName(plan)));
    m_planList->setCurrentRow(0);
    // Every plan's name in full, and no room below them to scroll through, whatever the style pads.
    m_planList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_planList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_planList->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_planList->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(m_planList, &QListWidget::currentRowChanged, this, [this] { showCurrentPlan(); });
    auto *caption = new QLabel(tr("&Plans"), panel);
    caption->setBuddy(m_planList);

    m_summaryPanel = new QWidget(panel);
    m_summary = new QGridLayout;
    // A narrow panel wraps the captions; the figures always show whole.
    m_summary->setColumnStretch(0, 1);
    auto *note = wrappedLabel("ReconciliationNote", m_summaryPanel);
    note->setText(reconciliationNote());
    auto *summaryLayout = new QVBoxLayout(m_summaryPanel);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    summaryLayout->addLayout(m_summary);
    summaryLayout->addWidget(note);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(m_planList);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(m_summaryPanel);
    layout->addStretch();

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName("PlanPanel");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // the panel's own controls take the focus, not the panel
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(panel);
    scroll->setMinimumWidth(m_planList->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    // Tab reaches the panel's figures, so the panel follows the focus.
    connect(qApp, &QApplication::focusChanged, scroll, [scroll, panel](QWidget *, QWidget *now) {
        if (now && panel->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });
    return scroll;
}

// The chosen plan's name and its schedule, or why it cannot be listed.
QWidget *SchedulesWindow::createPlanView()
{
    auto *panel = new QWidget(this);
    m_planTitle = new QLabel(panel);
    m_planTitle->setObjectName("PlanTitle");
    QFont titleFont = m_planTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_planTitle->setFont(titleFont);

    m_notListed = wrappedLabel("NotListed", panel);
    m_notListed->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_model = new ScheduleModel(m_marks, this);
    m_table = new QTableView(panel);
    m_table->setObjectName("Schedule");
    m_table->setAccessibleName(tr("Repayment schedule"));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setMinimumSectionSize(1);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    // Arrows move among the cells; Tab leaves the table, rather than walking through thousands of cells.
    m_table->setTabKeyNavigation(false);

    m_planPages = new QStackedWidget(panel);
    m_planPages->insertWidget(NotListedPage, m_notListed);
    m_planPages->insertWidget(ListedPage, m_table);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_planTitle);
    layout->addWidget(m_planPages, 1);
    return panel;
}

QWidget *SchedulesWindow::createChartView()
{
    auto *panel = new QWidget(this);
    auto *balance = new QRadioButton(tr("Remaining &balance"), panel);
    balance->setObjectName("ChartBalance");
    balance->setAccessibleName(tr("Chart the remaining balance"));
    balance->setChecked(true);
    auto *interest = new QRadioButton(tr("&Interest paid so far"), panel);
    interest->setObjectName("ChartInterest");
    interest->setAccessibleName(tr("Chart the interest paid so far"));
    m_chartKind = new QButtonGroup(this);
    m_chartKind->addButton(balance, int(ChartKind::Balance));
    m_chartKind->addButton(interest, int(ChartKind::CumulativeInterest));
    connect(m_chartKind, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            updateChart();
    });

    m_chart = new ScheduleChart(m_marks);
    m_chartView = new QChartView(m_chart, panel);
    m_chartView->setObjectName("Chart");
    m_chartView->setAccessibleName(tr("Chart of the plans over time"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumSize(240, 160);
    m_legend = new ChartLegend(panel);

    auto *choice = new QHBoxLayout;
    choice->addWidget(balance);
    choice->addWidget(interest);
    choice->addStretch();
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choice);
    layout->addWidget(m_chartView, 1);
    layout->addWidget(m_legend);
    return panel;
}

void SchedulesWindow::showSchedules(const std::vector<schedule::Schedule> &schedules, schedule::Month firstPayment)
{
    showFirstPayment(firstPayment);
    m_schedules = schedules;
    m_pages->setCurrentIndex(PlansPage);
    showCurrentPlan();
    updateChart();
    if (!m_panelsPlaced)
        placePanels();
}

// The first time there are figures: the table as wide as its columns where the window has room, the chart the
// rest. The splitter shares out less room in proportion; after that the panels stay where the user puts them.
void SchedulesWindow::placePanels()
{
    m_panelsPlaced = true;
    const int panel = m_splitter->widget(0)->sizeHint().width();
    const int chart = std::max(360, width() - panel - m_tableWidth);
    m_splitter->setSizes({panel, m_tableWidth, chart});
}

void SchedulesWindow::showNoCalculation(schedule::Month firstPayment)
{
    showFirstPayment(firstPayment);
    m_schedules.clear();
    m_model->setPayments({});
    m_pages->setCurrentIndex(NoCalculationPage);
}

// The owner's month, shown without telling the owner of it again.
void SchedulesWindow::showFirstPayment(schedule::Month month)
{
    const QSignalBlocker quiet{m_firstPayment};
    m_firstPayment->setDate(firstDayOf(month));
}

schedule::Month SchedulesWindow::firstPayment() const
{
    return monthOf(m_firstPayment->date());
}

void SchedulesWindow::showCurrentPlan()
{
    const int row = m_planList->currentRow();
    if (row < 0 || std::size_t(row) >= m_schedules.size())
        return;
    const schedule::Schedule &shown = m_schedules[std::size_t(row)];
    m_planTitle->setText(toQString(schedule::shownPlanName(shown.plan)));
    if (!shown.listed()) {
        m_notListed->setText(notListedText(shown));
        m_model->setPayments({});
        m_summaryPanel->hide();
        m_planPages->setCurrentIndex(NotListedPage);
        return;
    }
    showSummary(shown);
    m_summaryPanel->show();
    m_model->setPayments(shown.payments);
    fitColumns();
    m_planPages->setCurrentIndex(ListedPage);
}

void SchedulesWindow::showSummary(const schedule::Schedule &schedule)
{
    const std::vector<SummaryRow> rows = planSummary(schedule, m_marks, locale());
    while (m_summaryTexts.size() < rows.size()) {
        auto *caption = new QLabel(this);
        caption->setWordWrap(true);
        auto *text = new QLabel(this);
        text->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop); // an Arabic month name too
        // Reachable by Tab, like every figure of the calculator window, between the plans and the table.
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setFocusPolicy(Qt::StrongFocus);
        const int row = int(m_summaryTexts.size());
        m_summary->addWidget(caption, row, 0, Qt::AlignTop);
        m_summary->addWidget(text, row, 1);
        m_summaryCaptions.push_back(caption);
        setTabOrder(m_summaryTexts.empty() ? static_cast<QWidget *>(m_planList) : m_summaryTexts.back(), text);
        QWidget *note = m_summaryPanel->findChild<QLabel *>("ReconciliationNote");
        setTabOrder(text, note);
        setTabOrder(note, m_table);
        m_summaryTexts.push_back(text);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QLabel *text = m_summaryTexts[i];
        text->setObjectName(QStringLiteral("summary_") + QLatin1String(rows[i].name));
        text->setText(rows[i].text);
        // Read as a pair, "Final payment, $1,968.69": a label's text is not what a screen reader names it by.
        //: A summary figure as a screen reader reads it: %1 is its caption, %2 the figure.
        text->setAccessibleName(tr("%1, %2").arg(rows[i].caption, rows[i].text));
        //: A summary figure's caption beside it: %1 is the caption.
        m_summaryCaptions[i]->setText(tr("%1:").arg(rows[i].caption));
    }
}

// Column widths from the widest texts a schedule can hold (its first row has the largest amounts, a month name
// the longest month), rather than from every row: a 1,200-month table resizes as fast as a short one.
void SchedulesWindow::fitColumns()
{
    if (m_model->rowCount() == 0)
        return;
    const QFontMetrics metrics = m_table->fontMetrics();
    const QFontMetrics headerMetrics = m_table->horizontalHeader()->fontMetrics();
    const int padding = 4 * metrics.averageCharWidth();
    int total = 0;
    for (int column = 0; column < ScheduleModel::ColumnCount; ++column) {
        int width = headerMetrics.horizontalAdvance(ScheduleModel::heading(column));
        for (const int row : {0, m_model->rowCount() - 1})
            width = std::max(width, metrics.horizontalAdvance(m_model->index(row, column).data().toString()));
        if (column == ScheduleModel::Month)
            for (int month = 1; month <= 12; ++month)
                width = std::max(width, metrics.horizontalAdvance(locale().standaloneMonthName(month) + " 0000"));
        m_table->setColumnWidth(column, width + padding);
        total += width + padding;
    }
    // Room for every column where the window has it; a narrow window scrolls the table sideways instead.
    m_tableWidth = total + m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth();
}

void SchedulesWindow::updateChart()
{
    m_chart->setSchedules(m_schedules, ChartKind(m_chartKind->checkedId()));
    m_legend->setEntries(m_chart->legendEntries());
}

void SchedulesWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange) {
        m_chart->followPalette(palette());
        m_legend->setEntries(m_chart->legendEntries());
    }
    QWidget::changeEvent(event);
}

} // namespace report
