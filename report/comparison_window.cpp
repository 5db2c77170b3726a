// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison_window.h"

#include "chart_legend.h"
#include "commands/comparison_results.h"
#include "comparison_chart.h"
#include "localtext/display_text.h"
#include "numtext/cents_text.h"
#include "numtext/localized_number.h"
#include "readable_colour.h"
#include "screen_fit.h"
#include "shown_names.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace report {

using localtext::defaultFirstPayment;
using localtext::firstDayOf;
using localtext::monthOf;
using localtext::monthText;
using localtext::toQString;

namespace {

// A box with room for this many characters of text inside whatever frame and padding its style draws around them.
int boxWidthFor(const QLineEdit &box, int characters)
{
    box.ensurePolished(); // some styles set their text padding as they polish a box
    constexpr int lineEditTextMargin = 2; // QLineEdit's own, on each side of its text
    const QMargins padding = box.textMargins();
    const QSize text{box.fontMetrics().averageCharWidth() * characters + 2 * lineEditTextMargin + padding.left()
                         + padding.right(),
                     box.fontMetrics().height()};
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    return box.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &box).width();
}

using compare::ComparisonField;
using F = ComparisonField;

using compare::loanFields;

constexpr std::array<F, 2> termOf(std::size_t loan)
{
    return {loanFields[loan].years, loanFields[loan].months};
}

QString followsNote()
{
    //: A screen reader's description of a term box that a typed monthly payment sets.
    return ComparisonWindow::tr("Read-only: follows from the monthly payment.");
}

constexpr std::size_t indexOf(F field)
{
    return std::size_t(field);
}

QLabel *captionAbove(const QString &text, QWidget *parent)
{
    auto *caption = new QLabel(text, parent);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return caption;
}

// A group box's access key takes the focus to the group's first field. Qt's own choice is the field focused in
// the group last, or else the next in the focus chain after the box, which the window's tab order puts anywhere.
class FirstFieldOnAccessKey : public QObject {
public:
    FirstFieldOnAccessKey(QGroupBox &group, QWidget &first)
        : QObject(&group)
        , m_first(first)
    {
        group.installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        m_first.setFocus(Qt::ShortcutFocusReason);
        return true;
    }

private:
    QWidget &m_first;
};

// Ctrl+Z in a box with nothing of its own to undo goes on to the window's Undo, which can take back a Fill: the
// box would otherwise take the key and do nothing with it.
class UndoBeyondTyping : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *box = qobject_cast<QLineEdit *>(watched);
        if (!box || box->isUndoAvailable() || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo))
            return false;
        event->ignore();
        return true;
    }
};

// A figure that can be read, selected and reached by Tab, as every figure of the program's windows.
QLabel *figureLabel(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText); // a sentence names the offers as typed, "<b>" and all
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

ComparisonWindow::ComparisonWindow(numtext::LocaleMarks marks, std::function<void()> fillFromCalculator,
                                   std::function<void(schedule::Month)> firstPaymentPicked, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_marks(std::move(marks))
    , m_fillFromCalculator(std::move(fillFromCalculator))
    , m_firstPaymentPicked(std::move(firstPaymentPicked))
    , m_undoBeyondTyping(new UndoBeyondTyping(this))
{
    setObjectName("ComparisonWindow");
    //: %1 is the program's name, which stays as it is.
    setWindowTitle(tr("Compare with an offer - %1").arg(programName()));
    setAccessibleName(tr("Compare with an offer"));

    // Not Alt+F, which people take for a File menu: a Fill replaces every input.
    //: Its access key must differ from the File menu's (Datei: D; Fichier: F), which people would take it for.
    auto *fill = new QPushButton(tr("F&ill from the calculator"), this);
    fill->setObjectName("FillFromCalculator");
    fill->setAccessibleName(tr("Fill from the calculator"));
    connect(fill, &QPushButton::clicked, this, [this] {
        if (m_fillFromCalculator)
            m_fillFromCalculator();
    });

    auto *panel = new QWidget;
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(createInputs());
    panelLayout->addWidget(createResults());
    panelLayout->addStretch();
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName("ComparisonPanel");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(panel);
    // Tab goes through the inputs and the figures, so the panel follows the focus on a short screen.
    connect(qApp, &QApplication::focusChanged, scroll, [scroll, panel](QWidget *, QWidget *now) {
        if (now && panel->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("ComparisonSplitter");
    splitter->addWidget(scroll);
    splitter->addWidget(createChart());
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    m_panelLayout = panelLayout;

    auto *top = new QHBoxLayout;
    top->addWidget(fill);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);

    for (const QKeySequence &keys : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)}) {
        auto *close = new QShortcut(keys, this);
        connect(close, &QShortcut::activated, this, &QWidget::close);
    }
    chainTabOrder();
    fitToScreen(*this, {1280, 760});
    followPalette();
    compareNow();
}

QWidget *ComparisonWindow::createInputs()
{
    auto *inputs = new QWidget;
    auto *layout = new QVBoxLayout(inputs);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *loans = new QGroupBox(tr("Your &loans"), inputs);
    auto *loansGrid = new QGridLayout(loans);
    for (std::size_t loan = 0; loan < loanFields.size(); ++loan) {
        const compare::LoanFields &fields = loanFields[loan];
        const int row = 1 + 2 * int(loan);
        loansGrid->addWidget(new QLabel(tr("Loan %1").arg(loan + 1), loans), row, 0);
        int column = 1;
        for (const F field :
             {fields.balance, fields.rate, fields.years, fields.months, fields.payment, fields.charge}) {
            if (loan == 0)
                loansGrid->addWidget(captionAbove(shownInputCaption(field), loans), 0, column);
            addInput(*loansGrid, field, row, column++);
        }
    }
    loansGrid->setColumnStretch(7, 1);
    new FirstFieldOnAccessKey(*loans, *m_inputs[indexOf(F::Loan1Balance)]);

    auto *offers = new QGroupBox(tr("The &offers"), inputs);
    auto *offersGrid = new QGridLayout(offers);
    for (std::size_t o = 0; o < compare::offerFields.size(); ++o) {
        const compare::OfferFields &f = compare::offerFields[o];
        const int row = 1 + 2 * int(o);
        std::vector<QWidget *> &shown = m_offerRows[o];
        int column = 0;
        for (const F field : f.all()) {
            if (o == 0)
                offersGrid->addWidget(captionAbove(shownInputCaption(field), offers), 0, column);
            shown.push_back(addInput(*offersGrid, field, row, column++));
        }
        // The heading an offer has without a name, where its name would be: the row's own label.
        m_inputs[indexOf(f.name)]->setPlaceholderText(toQString(commands::offerHeading("", o)));
        m_offerAmounts[o]
            = figureLabel(o == 0 ? QStringLiteral("OfferAmount") : QStringLiteral("Offer%1Amount").arg(o + 1), offers);
        // As wide as a large amount from the start, so that the layout measured before anything is compared holds.
        m_offerAmounts[o]->setMinimumWidth(
            m_offerAmounts[o]->fontMetrics().horizontalAdvance(toQString(numtext::centsText(99'999'999'999, m_marks))));
        offersGrid->addWidget(m_offerAmounts[o], row, column);
        shown.push_back(m_offerAmounts[o]);
        if (o == 0)
            continue;
        auto *remove = new QPushButton(tr("Remove"), offers);
        remove->setObjectName(QStringLiteral("RemoveOffer%1").arg(o + 1));
        //: A screen reader's name for the button that removes an offer: %1 is its number.
        remove->setAccessibleName(tr("Remove offer %1").arg(o + 1));
        connect(remove, &QPushButton::clicked, this, [this, o] { removeOffer(o); });
        offersGrid->addWidget(remove, row, column + 1);
        shown.push_back(remove);
    }
    const int amountColumn = 7;
    offersGrid->addWidget(captionAbove(tr("Amount of the offer"), offers), 0, amountColumn);
    m_addOffer = new QPushButton(tr("&Add an offer"), offers);
    m_addOffer->setObjectName("AddOffer");
    connect(m_addOffer, &QPushButton::clicked, this, [this] { showOffers(m_offersShown + 1, true); });
    offersGrid->addWidget(m_addOffer, 1 + 2 * int(compare::offerFields.size()), 0, 1, 2, Qt::AlignLeft);
    offersGrid->setColumnStretch(amountColumn + 2, 1);
    new FirstFieldOnAccessKey(*offers, *m_inputs[indexOf(F::OfferName)]);

    auto *both = new QGroupBox(tr("&Both ways"), inputs);
    auto *bothGrid = new QGridLayout(both);
    for (const F field : {F::Extra, F::SavingsRate}) {
        bothGrid->addWidget(captionAbove(shownInputCaption(field), both), 0, int(field) - int(F::Extra));
        addInput(*bothGrid, field, 1, int(field) - int(F::Extra));
    }
    bothGrid->addWidget(captionAbove(tr("First payment"), both), 0, 2);
    m_firstPayment = new QDateEdit(firstDayOf(defaultFirstPayment()), both);
    m_firstPayment->setObjectName("ComparisonFirstPayment");
    m_firstPayment->setAccessibleName(tr("First payment month, both ways and the schedules"));
    m_firstPayment->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    m_firstPayment->setDateRange({1900, 1, 1}, {2999, 12, 1});
    m_firstPayment->setCurrentSection(QDateTimeEdit::MonthSection);
    connect(m_firstPayment, &QDateEdit::dateChanged, this, [this] {
        if (m_firstPaymentPicked)
            m_firstPaymentPicked(firstPayment());
        compareSoon();
    });
    bothGrid->addWidget(m_firstPayment, 1, 2);
    for (const F field : {F::HorizonYears, F::HorizonMonths}) {
        const int column = 3 + int(field) - int(F::HorizonYears);
        bothGrid->addWidget(captionAbove(shownInputCaption(field), both), 0, column);
        addInput(*bothGrid, field, 1, column);
    }
    bothGrid->setColumnStretch(5, 1);
    new FirstFieldOnAccessKey(*both, *m_inputs[indexOf(F::Extra)]);

    for (int loan = 0; loan < 2; ++loan)
        connect(m_inputs[indexOf(loanFields[std::size_t(loan)].payment)], &QLineEdit::textChanged, this,
                [this, loan](const QString &payment) {
                    // Typing a payment hands the term over to it; clearing the payment gives the term back.
                    const auto l = std::size_t(loan);
                    if (payment.isEmpty() == !m_termFollowsPayment[l])
                        return;
                    m_termFollowsPayment[l] = !payment.isEmpty();
                    for (std::size_t part = 0; part < 2; ++part) {
                        QLineEdit *box = m_inputs[indexOf(termOf(l)[part])];
                        const QSignalBlocker quiet{box};
                        if (m_termFollowsPayment[l])
                            m_typedTerms[l][part] = box->text();
                        else
                            box->setText(m_typedTerms[l][part]);
                    }
                    showTermsFollow(l);
                });

    // Boxes as wide as what is typed into them, so that the chart has the room, and never narrower whatever the
    // style pads them with.
    for (const compare::ComparisonInput &input : compare::comparisonInputs)
        m_inputs[indexOf(input.field)]->setFixedWidth(
            boxWidthFor(*m_inputs[indexOf(input.field)], input.boxCharacters));

    layout->addWidget(loans);
    layout->addWidget(offers);
    layout->addWidget(both);
    showOffers(1, false);
    return inputs;
}

// The first `count` offers' rows, the others hidden; `focus` takes the focus to the last one's first box.
void ComparisonWindow::showOffers(std::size_t count, bool focus)
{
    m_offersShown = std::clamp<std::size_t>(count, 1, compare::offerFields.size());
    for (std::size_t o = 0; o < m_offerRows.size(); ++o)
        for (QWidget *widget : m_offerRows[o])
            widget->setVisible(o < m_offersShown);
    m_addOffer->setEnabled(m_offersShown < compare::offerFields.size());
    if (focus)
        m_inputs[indexOf(compare::offerFields[m_offersShown - 1].name)]->setFocus(Qt::OtherFocusReason);
}

// The offers after the one removed move up a row, so that the offers shown are always the first ones.
void ComparisonWindow::removeOffer(std::size_t offer)
{
    for (std::size_t o = offer; o < compare::offerFields.size(); ++o) {
        const std::array<F, 7> boxes = compare::offerFields[o].all();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QLineEdit *box = m_inputs[indexOf(boxes[i])];
            const QSignalBlocker quiet{box};
            box->setText(o + 1 < compare::offerFields.size()
                             ? m_inputs[indexOf(compare::offerFields[o + 1].all()[i])]->text()
                             : QString());
        }
    }
    showOffers(m_offersShown - 1, false);
    m_addOffer->setFocus(Qt::OtherFocusReason);
    compareSoon();
}

QLineEdit *ComparisonWindow::addInput(QGridLayout &grid, F field, int row, int column)
{
    const std::string_view objectName = compare::comparisonInput(field).objectName;
    const QLatin1String name{objectName.data(), qsizetype(objectName.size())};
    auto *box = new QLineEdit(grid.parentWidget());
    box->setObjectName(name);
    box->setAccessibleName(shownInputName(field));
    if (auto *caption
        = qobject_cast<QLabel *>(grid.itemAtPosition(0, column) ? grid.itemAtPosition(0, column)->widget() : nullptr);
        caption && row == 1)
        caption->setBuddy(box);
    connect(box, &QLineEdit::textChanged, this, [this] { compareSoon(); });
    box->installEventFilter(m_undoBeyondTyping);
    grid.addWidget(box, row, column);

    // The mark beside an input that cannot be used: under it, in words, and read with the box.
    auto *mark = new QLabel(grid.parentWidget());
    mark->setObjectName(name + QStringLiteral("Mark"));
    mark->setWordWrap(true);
    mark->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = mark->font();
    bold.setBold(true);
    mark->setFont(bold);
    mark->hide();
    grid.addWidget(mark, row + 1, column);

    m_inputs[indexOf(field)] = box;
    m_marksBeside[indexOf(field)] = mark;
    return box;
}

// The columns of the results, in the grid's order: keeping the loans, the first offer and its difference, then the
// later offers, each figure with its difference below it.
constexpr std::array<const char *, 5> resultColumnSuffixes{"_keep", "_offer", "_difference", "_offer2", "_offer3"};

QWidget *ComparisonWindow::createResults()
{
    auto *results = new QGroupBox(tr("Both ways side by side"));
    m_results = new QGridLayout(results);
    for (std::size_t column = 0; column < m_columnTitles.size(); ++column) {
        auto *title = new QLabel(results);
        title->setTextFormat(Qt::PlainText); // an offer's name as typed, never read as markup
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        title->setWordWrap(true);
        title->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        m_results->addWidget(title, 0, int(column) + 1);
        m_columnTitles[column] = title;
    }
    compare::Comparison none;
    none.refusal = compare::Refusal{compare::RefusalSubject::Keep, 0, {}};
    const auto rows = commands::comparisonRows(none, m_marks, [](schedule::Month) { return std::string(); });
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto *caption = new QLabel(toQString(rows[r].caption), results);
        caption->setWordWrap(true);
        m_results->addWidget(caption, int(r) + 1, 0);
        std::array<QLabel *, 5> &cells = m_resultCells.emplace_back();
        for (std::size_t column = 0; column < cells.size(); ++column) {
            cells[column] = figureLabel(QString::fromLatin1(rows[r].name.data(), qsizetype(rows[r].name.size()))
                                            + QLatin1String(resultColumnSuffixes[column]),
                                        results);
            // Absolute: a cell whose text runs right to left (an Arabic month name) stays right-aligned.
            cells[column]->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
            m_results->addWidget(cells[column], int(r) + 1, int(column) + 1);
        }
    }
    m_results->setColumnStretch(0, 1);

    m_sentence = figureLabel("Sentence", results);
    m_sentence->setWordWrap(true);
    m_results->addWidget(m_sentence, int(rows.size()) + 1, 0, 1, 6);
    return results;
}

QWidget *ComparisonWindow::createChart()
{
    auto *panel = new QWidget(this);
    auto *cost = new QRadioButton(tr("&Cost so far"), panel);
    cost->setObjectName("ChartCostSoFar");
    cost->setAccessibleName(tr("Chart each way's cost so far"));
    cost->setChecked(true);
    auto *balance = new QRadioButton(tr("Balance o&wed"), panel);
    balance->setObjectName("ChartBalanceOwed");
    balance->setAccessibleName(tr("Chart the balance owed each way"));
    m_chartKind = new QButtonGroup(this);
    m_chartKind->addButton(cost, int(ComparisonChartKind::CostSoFar));
    m_chartKind->addButton(balance, int(ComparisonChartKind::BalanceOwed));
    connect(m_chartKind, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            updateChart();
    });

    m_chart = new ComparisonChart(m_marks);
    auto *view = new QChartView(m_chart, panel);
    view->setObjectName("ComparisonChart");
    view->setAccessibleName(tr("Chart of both ways over the months"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 200);
    // Names in full, a line each: the chart has no legend of its own.
    m_legend = new ChartLegend(panel);
    m_legend->setObjectName("ComparisonLegend");
    m_legend->setEntries(m_chart->legendEntries()); // its rows, for the tab order, before anything is compared
    m_chartNote = new QLabel(panel);
    m_chartNote->setObjectName("ChartNote");
    m_chartNote->setWordWrap(true);

    auto *choice = new QHBoxLayout;
    choice->addWidget(cost);
    choice->addWidget(balance);
    choice->addStretch();
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choice);
    layout->addWidget(view, 1);
    layout->addWidget(m_legend);
    layout->addWidget(m_chartNote);
    return panel;
}

// The inputs, the offer's amount and the month in reading order, every figure row by row, the sentence, then the
// chart.
void ComparisonWindow::chainTabOrder()
{
    std::vector<QWidget *> chain{findChild<QPushButton *>("FillFromCalculator")};
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        // The month sits between the savings rate and the horizon, as the group shows them.
        if (ComparisonField(i) == F::HorizonYears)
            chain.push_back(m_firstPayment);
        chain.push_back(m_inputs[i]);
        // After an offer's last box, the rest of its row; after the last offer, the button that adds one.
        for (std::size_t o = 0; o < m_offerRows.size(); ++o)
            if (ComparisonField(i) == compare::offerFields[o].feesAdded)
                chain.insert(chain.end(), m_offerRows[o].begin() + std::ssize(compare::offerFields[o].all()),
                             m_offerRows[o].end());
        if (ComparisonField(i) == compare::offerFields.back().feesAdded)
            chain.push_back(m_addOffer);
    }
    for (const auto &cells : m_resultCells)
        for (QLabel *cell : cells)
            if (cell->focusPolicy() != Qt::NoFocus)
                chain.push_back(cell);
    chain.push_back(m_sentence);
    chain.push_back(m_chartKind->button(int(ComparisonChartKind::CostSoFar)));
    chain.push_back(findChild<QChartView *>("ComparisonChart"));
    for (QLabel *entry : m_legend->findChildren<QLabel *>())
        if (entry->focusPolicy() != Qt::NoFocus)
            chain.push_back(entry);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

commands::ComparisonTexts ComparisonWindow::texts() const
{
    commands::ComparisonTexts texts;
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        texts[i] = m_inputs[i]->text().toStdString();
    for (std::size_t l = 0; l < 2; ++l)
        if (m_termFollowsPayment[l])
            for (std::size_t part = 0; part < 2; ++part)
                texts[indexOf(termOf(l)[part])] = m_typedTerms[l][part].toStdString();
    return texts;
}

void ComparisonWindow::setTexts(const commands::ComparisonTexts &texts)
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const QSignalBlocker quiet{m_inputs[i]};
        m_inputs[i]->setText(QString::fromStdString(texts[i]));
    }
    // As many offers shown as have anything in them, the first always.
    std::size_t offers = 1;
    for (std::size_t o = 1; o < compare::offerFields.size(); ++o)
        for (const F field : compare::offerFields[o].all())
            if (!texts[indexOf(field)].empty())
                offers = o + 1;
    showOffers(offers, false);
    for (std::size_t l = 0; l < 2; ++l) {
        m_termFollowsPayment[l] = !texts[indexOf(loanFields[l].payment)].empty();
        for (std::size_t part = 0; part < 2; ++part)
            m_typedTerms[l][part] = QString::fromStdString(texts[indexOf(termOf(l)[part])]);
        showTermsFollow(l);
    }
    compareNow();
}

void ComparisonWindow::setFirstPayment(schedule::Month month)
{
    if (month == firstPayment())
        return;
    const QSignalBlocker quiet{m_firstPayment};
    m_firstPayment->setDate(firstDayOf(month));
    compareNow();
}

schedule::Month ComparisonWindow::firstPayment() const
{
    return monthOf(m_firstPayment->date());
}

// Keystrokes that come together are compared once.
void ComparisonWindow::compareSoon()
{
    if (m_edited)
        m_edited();
    if (std::exchange(m_compareQueued, true))
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_compareQueued)
            compareNow();
    });
}

const commands::ComparisonOutcome &ComparisonWindow::outcome()
{
    if (m_compareQueued)
        compareNow();
    return m_outcome;
}

void ComparisonWindow::compareNow()
{
    m_compareQueued = false;
    m_outcome = commands::compareTexts(texts(), m_marks, firstPayment());
    ++m_comparisonsMade;
    showProblems(m_outcome.marked());
    showLoanTerms();
    showResults();
    updateChart();
}

void ComparisonWindow::showProblems(const std::vector<commands::FieldProblem> &problems)
{
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const auto problem = std::find_if(problems.begin(), problems.end(),
                                          [i](const commands::FieldProblem &p) { return indexOf(p.field) == i; });
        const QString message = problem == problems.end() ? QString() : toQString(problem->message);
        m_marksBeside[i]->setText(message.isEmpty() ? QString() : QStringLiteral("\u26A0 ") + message);
        m_marksBeside[i]->setVisible(!message.isEmpty());
        m_inputs[i]->setAccessibleDescription(message.isEmpty() && m_inputs[i]->isReadOnly() ? followsNote() : message);
        m_inputs[i]->setToolTip(message);
    }
}

// Each loan's payment box shows, greyed, the payment its term implies, where the balance, rate and term all read;
// where a payment is typed, the term boxes show the term that follows from it.
void ComparisonWindow::showLoanTerms()
{
    const commands::ComparisonReading &reading = m_outcome.reading;
    const compare::Comparison &comparison = m_outcome.result;
    const compare::ComparisonInputs &inputs = reading.inputs;
    const auto marked = [&reading](F field) {
        return std::any_of(reading.problems.begin(), reading.problems.end(),
                           [field](const commands::FieldProblem &problem) { return problem.field == field; });
    };
    std::size_t schedule = 0; // the keep way's schedules are those of the loans with a balance
    for (std::size_t l = 0; l < 2 && l < inputs.loans.size(); ++l) {
        const compare::LoanInputs &loan = inputs.loans[l];
        const bool repaid = !comparison.refusal && loan.balance > 0 && schedule < comparison.keep.schedules.size();
        // Only for terms within the limits: beyond them a month's interest may be too large for cents at all.
        const bool withinLimits = loan.balance > 0 && loan.balance <= compare::maxAmount && loan.termMonths >= 1
            && loan.termMonths <= compare::maxTermMonths && loan.annualRatePercent >= 0
            && loan.annualRatePercent <= compare::maxRatePercent;
        const bool read = !marked(loanFields[l].balance) && !marked(loanFields[l].rate) && !marked(termOf(l)[0])
            && !marked(termOf(l)[1]);
        QString implied;
        if (!loan.payment && withinLimits && read)
            implied = toQString(numtext::centsText(
                compare::scheduledPayment(loan.balance, loan.annualRatePercent, loan.termMonths), m_marks));
        m_inputs[indexOf(loanFields[l].payment)]->setPlaceholderText(implied);
        if (m_termFollowsPayment[l]) {
            const int months = repaid ? int(comparison.keep.schedules[schedule].size()) : -1;
            for (std::size_t part = 0; part < 2; ++part) {
                QLineEdit *box = m_inputs[indexOf(termOf(l)[part])];
                const QSignalBlocker quiet{box};
                box->setText(months < 0 ? QString()
                                        : toQString(numtext::localizedNumber(
                                            std::to_string(part == 0 ? months / 12 : months % 12), m_marks)));
            }
        }
        if (loan.balance > 0)
            ++schedule;
    }
}

void ComparisonWindow::showResults()
{
    const commands::ComparisonReading &reading = m_outcome.reading;
    const compare::Comparison &comparison = m_outcome.result;
    const compare::ComparisonInputs *inputs = comparison.refusal ? nullptr : &reading.inputs;
    const auto loans = std::size_t(std::count_if(reading.inputs.loans.begin(), reading.inputs.loans.end(),
                                                 [](const compare::LoanInputs &loan) { return loan.balance != 0; }));
    // One offer: its figures and their differences in columns of their own, as ever. Several: a column for each,
    // each figure with its difference against keeping the loans below it, and the one that costs least said so.
    const std::size_t offers = std::max<std::size_t>(1, reading.inputs.offers.size());
    const bool several = offers > 1;
    const auto offerOfColumn = [](std::size_t column) { return column == 1 ? std::size_t(0) : column - 2; };
    const auto heading = [&](std::size_t column) -> QString {
        if (column == 0)
            return toQString(commands::shownColumnTitle(commands::ComparisonColumn::Keep, loans));
        if (column == 2)
            return toQString(commands::shownColumnTitle(commands::ComparisonColumn::Difference, loans));
        const std::size_t offer = offerOfColumn(column);
        const std::string name = offer < reading.inputs.offers.size() ? reading.inputs.offers[offer].name : "";
        return !several && name.empty()
            ? toQString(commands::shownColumnTitle(commands::ComparisonColumn::Offer, loans))
            : toQString(commands::offerHeading(name, offer));
    };
    const auto cheapest = [&](std::size_t column) {
        if (!several || comparison.refusal || column == 2)
            return false;
        return column == 0 ? !comparison.cheapestOffer : comparison.cheapestOffer == offerOfColumn(column);
    };
    const auto shownColumn = [&](std::size_t column) {
        return column < 2 || (column == 2 && !several) || (column > 2 && column - 2 < offers);
    };
    for (std::size_t column = 0; column < m_columnTitles.size(); ++column) {
        //: A column's heading where its way costs least: %1 is the way, such as "Offer 2".
        // The name isolated, so that one in a right-to-left script does not carry the words after it along.
        m_columnTitles[column]->setText(
            cheapest(column) ? tr("%1 (costs least)").arg(QChar(0x2068) + heading(column) + QChar(0x2069))
                             : heading(column));
        m_columnTitles[column]->setVisible(shownColumn(column));
    }
    const QLocale shown = locale();
    const commands::MonthNamer monthName
        = [&shown](schedule::Month month) { return monthText(month, shown).toStdString(); };
    const auto rows = commands::comparisonRows(comparison, m_marks, monthName, commands::FigureText::Shown);
    for (std::size_t r = 0; r < rows.size() && r < m_resultCells.size(); ++r)
        for (std::size_t column = 0; column < m_resultCells[r].size(); ++column) {
            QLabel *cell = m_resultCells[r][column];
            const std::size_t offer = offerOfColumn(column);
            // The heading as a screen reader says it, without the marks that keep a name's direction apart.
            const QString title = m_columnTitles[column]->text().remove(QChar(0x2068)).remove(QChar(0x2069));
            QString text;
            QString difference;
            if (column == 0) {
                text = toQString(rows[r].texts[0]);
            } else if (!several) {
                if (column < rows[r].texts.size())
                    text = toQString(rows[r].texts[column]);
            } else if (column != 2 && offer < offers) {
                // Refused, the comparison has one offer's texts, dashes, which every offer shows.
                const std::array<std::string, 2> &texts
                    = offer < rows[r].offers.size() ? rows[r].offers[offer] : rows[r].offers.front();
                text = toQString(texts[0]);
                difference = toQString(texts[1]);
            }
            cell->setText(text.isEmpty() || difference.isEmpty() ? text + difference : text + '\n' + difference);
            cell->setVisible(shownColumn(column));
            // A cell with nothing in it has nothing for Tab to stop at.
            cell->setFocusPolicy(cell->text().isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
            if (!several)
                //: A figure as a screen reader reads it: %1 is its row's caption, %2 its column's title, %3 the figure.
                cell->setAccessibleName(tr("%1, %2: %3").arg(toQString(rows[r].caption), title, cell->text()));
            else if (difference.isEmpty() || text.isEmpty())
                //: A figure as a screen reader reads it, its way first: %1 is the way, such as "Offer 2", %2 the
                //: row's caption, %3 the figure.
                cell->setAccessibleName(tr("%1: %2, %3").arg(title, toQString(rows[r].caption), cell->text()));
            else
                //: A figure and its difference as a screen reader reads them: %1 is the way, such as "Offer 2", %2
                //: the row's caption, %3 the figure, %4 its difference against keeping the loans.
                cell->setAccessibleName(tr("%1: %2, %3, %4 against keeping the loans")
                                            .arg(title, toQString(rows[r].caption), text, difference));
        }

    for (std::size_t o = 0; o < m_offerAmounts.size(); ++o) {
        const bool figured = !comparison.refusal && o < comparison.offers.size() && !comparison.offers[o].refusal;
        m_offerAmounts[o]->setText(figured ? toQString(numtext::centsText(comparison.offers[o].amount, m_marks))
                                           : toQString(commands::noFigure));
        m_offerAmounts[o]->setAccessibleName(
            o == 0 ? tr("Amount of the offer: %1").arg(m_offerAmounts[o]->text())
                   //: A screen reader's name for a later offer's amount: %1 is the offer's number, %2 its amount.
                   : tr("Amount of offer %1: %2").arg(o + 1).arg(m_offerAmounts[o]->text()));
    }
    const double savingsRate = inputs ? inputs->savingsRatePercent : 0;
    m_sentence->setText(inputs ? toQString(commands::comparisonSentence(comparison, savingsRate, m_marks, monthName,
                                                                        commands::FigureText::Shown))
                               : tr("The marked inputs cannot be used; correct them, and both ways are compared."));
    m_sentence->setAccessibleName(m_sentence->text());
}

void ComparisonWindow::updateChart()
{
    const auto kind = ComparisonChartKind(m_chartKind->checkedId());
    m_chart->setComparison(m_outcome.result, firstPayment(), kind);
    m_legend->setEntries(m_chart->legendEntries());
    // Below the chart rather than as its title, which a narrow chart would cut short.
    m_chartNote->setText(m_outcome.result.refusal ? tr("Nothing to chart until the comparison can be made.")
                             : kind == ComparisonChartKind::CostSoFar
                             ? tr("Cost so far: what a way has had you pay, fees included, and what you still owe, "
                                  "less today's balances. The dot marks the break-even month.")
                             : tr("Balance owed: what is left to repay each way after each month, the offer starting "
                                  "from its amount."));
}

// A term that follows from a typed payment cannot be typed into: it is read-only, and shows it by the window's
// colour in place of a box's and, to a screen reader, in words.
void ComparisonWindow::showTermsFollow(std::size_t loan)
{
    for (const F field : termOf(loan)) {
        QLineEdit *box = m_inputs[indexOf(field)];
        box->setReadOnly(m_termFollowsPayment[loan]);
        box->setAccessibleDescription(m_termFollowsPayment[loan] ? followsNote() : QString());
        paintInput(*box);
    }
}

void ComparisonWindow::paintInput(QLineEdit &box) const
{
    QPalette colours = palette();
    colours.setColor(QPalette::PlaceholderText, placeholderColour(colours));
    if (box.isReadOnly())
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    box.setPalette(colours);
}

void ComparisonWindow::followPalette()
{
    m_chart->followPalette(palette());
    m_legend->setEntries(m_chart->legendEntries());
    for (QLineEdit *input : m_inputs)
        paintInput(*input);
}

void ComparisonWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QWidget::changeEvent(event);
}

void ComparisonWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepOnScreen(*this);
    if (!std::exchange(m_chartPlaced, true))
        QTimer::singleShot(0, this, [this] { placeChart(); });
}

// Every figure is read without scrolling sideways: the window widens, as far as its screen allows, until the panel
// of inputs and figures holds its widest row, every offer's shown; where the screen is too narrow for that beside
// the chart, the chart goes below the figures, in the same scrolling panel.
void ComparisonWindow::placeChart()
{
    auto *scroll = findChild<QScrollArea *>("ComparisonPanel");
    auto *splitter = findChild<QSplitter *>("ComparisonSplitter");
    QWidget *panel = scroll->widget();
    const std::size_t shown = m_offersShown;
    showOffers(m_offerRows.size(), false);
    const int needed = panel->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width();
    showOffers(shown, false);
    const int room = screen()->availableGeometry().width() - (frameGeometry().width() - width());
    const int missing = needed - scroll->viewport()->width();
    if (missing <= 0)
        return;
    if (width() + missing <= room) {
        splitter->setSizes({scroll->width() + missing, splitter->widget(1)->width()});
        resize(width() + missing, height());
        return;
    }
    QWidget *chart = splitter->widget(1);
    chart->setMinimumHeight(360);
    m_panelLayout->insertWidget(m_panelLayout->count() - 1, chart);
    resize(std::min(room, std::max(width(), needed + 2 * layout()->contentsMargins().left())), height());
}

} // namespace report
