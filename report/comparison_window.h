// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/comparison.h"
#include "comparison_view.h"
#include "numtext/locale_marks.h"

#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace report {

class ComparisonChart;
class ChartLegend;

// Keep both loans or take a lender's offer: the user's loans, the offer and what both ways share, the two ways
// side by side with their difference, one sentence of facts, and a chart of each way's cost so far. It compares
// afresh as the user types; an input that cannot be used is marked beside itself, and the results then show a
// dash rather than figures of other inputs. A non-modal, top-level window.
class ComparisonWindow : public QWidget, public ComparisonView {
    Q_OBJECT

public:
    // `fillFromCalculator` asks the owner for the texts of its last Calculate; a month picked here goes to
    // `firstPaymentPicked`.
    ComparisonWindow(numtext::LocaleMarks marks, std::function<void()> fillFromCalculator,
                     std::function<void(schedule::Month)> firstPaymentPicked, QWidget *parent = nullptr);

    QWidget *widget() override { return this; }
    commands::ComparisonTexts texts() const override;
    void setTexts(const commands::ComparisonTexts &texts) override;
    void setFirstPayment(schedule::Month month) override;

    // Called after every change the user makes to an input or the month.
    void setEdited(std::function<void()> edited) { m_edited = std::move(edited); }

    const commands::ComparisonOutcome &outcome() override;
    // What the window shows now; refused while an input is marked.
    const compare::Comparison &comparison() const { return m_outcome.result; }
    // How many times the window has compared since it was made: once for each change, however it came.
    int comparisonsMade() const { return m_comparisonsMade; }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createInputs();
    QWidget *createResults();
    QWidget *createChart();
    QLineEdit *addInput(QGridLayout &grid, compare::ComparisonField field, int row, int column);
    void showOffers(std::size_t count, bool focus);
    void removeOffer(std::size_t offer);
    void placeChart();
    void chainTabOrder();

    void compareSoon();
    void compareNow();
    void showProblems(const std::vector<commands::FieldProblem> &problems);
    void showLoanTerms();
    void showResults();
    void showTermsFollow(std::size_t loan);
    void updateChart();
    void paintInput(QLineEdit &box) const;
    void followPalette();
    schedule::Month firstPayment() const;

    numtext::LocaleMarks m_marks;
    std::function<void()> m_fillFromCalculator;
    std::function<void(schedule::Month)> m_firstPaymentPicked;
    std::function<void()> m_edited;
    QObject *m_undoBeyondTyping;
    commands::ComparisonOutcome m_outcome;
    int m_comparisonsMade = 0;

    std::array<QLineEdit *, compare::comparisonFieldCount> m_inputs{};
    std::array<QLabel *, compare::comparisonFieldCount> m_marksBeside{};
    // A loan's term as typed, kept while a typed payment shows the term that follows from it instead.
    std::array<std::array<QString, 2>, 2> m_typedTerms;
    std::array<bool, 2> m_termFollowsPayment{};
    QDateEdit *m_firstPayment = nullptr;
    std::array<QLabel *, 3> m_offerAmounts{};
    std::array<std::vector<QWidget *>, 3> m_offerRows; // what each offer's row shows: hidden with the offer
    std::size_t m_offersShown = 1;
    QPushButton *m_addOffer = nullptr;
    QVBoxLayout *m_panelLayout = nullptr; // of the scrolling panel, which takes the chart on a narrow screen
    bool m_chartPlaced = false;
    QGridLayout *m_results = nullptr;
    std::array<QLabel *, 5> m_columnTitles{}; // keeping, the first offer, its difference, the later offers
    std::vector<std::array<QLabel *, 5>> m_resultCells;
    QLabel *m_sentence = nullptr;
    QButtonGroup *m_chartKind = nullptr;
    ComparisonChart *m_chart = nullptr;
    ChartLegend *m_legend = nullptr;
    QLabel *m_chartNote = nullptr;
    bool m_compareQueued = false;
};

} // namespace report
