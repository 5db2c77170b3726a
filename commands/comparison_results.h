// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/comparison.h"
#include "numtext/locale_marks.h"
#include "wording/wording.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What a comparison shows, from one table of caption, figure and format, as the window's results are: the window,
// the report and the command line all show these rows and this sentence.
namespace commands {

enum class ComparisonColumn { Keep, Offer, Difference };

inline constexpr std::array<std::string_view, 3> comparisonColumnTitles{
    WORDING_NOOP("ComparisonResults", "Keep both loans"), WORDING_NOOP("ComparisonResults", "Take the offer"),
    WORDING_NOOP("ComparisonResults", "The difference")};

// A column's title where the keep way has `loans` loans: with one, "Keep your loan".
inline constexpr std::string_view comparisonColumnTitle(ComparisonColumn column, std::size_t loans)
{
    return column == ComparisonColumn::Keep && loans == 1 ? WORDING_NOOP("ComparisonResults", "Keep your loan")
                                                          : comparisonColumnTitles[std::size_t(column)];
}

// comparisonColumnTitle as the user reads it, in the user's language where a translator is installed.
std::string shownColumnTitle(ComparisonColumn column, std::size_t loans);

struct ComparisonRow {
    std::string_view name; // a stable identifier, for object names and tests
    std::string caption; // in the user's language where a translator is installed
    std::array<std::string, 3>
        texts; // by ComparisonColumn, for the first offer; empty where the row has no figure there
    std::vector<std::array<std::string, 2>> offers; // each offer's figure and its difference, as texts has them
};

// How a month is named in the user's language: "March 2029".
using MonthNamer = std::function<std::string(schedule::Month month)>;

// How the figures sit in the texts: shown to a person, each is one left-to-right unit (numtext::leftToRightFigure);
// for scripts and terminals, plain.
enum class FigureText { Plain, Shown };

// The dash every figure shows where the comparison could not be made.
inline constexpr std::string_view noFigure = "\u2014";

// Every row, in the order shown. A refused comparison has its rows all the same, each figure noFigure, and one
// offer; an offer refused alone has noFigure in its own cells. Every difference is the offer's figure less keeping
// both's, with its sign.
std::vector<ComparisonRow> comparisonRows(const compare::Comparison &comparison, const numtext::LocaleMarks &marks,
                                          const MonthNamer &monthName, FigureText figures = FigureText::Plain);

// The rows as one table, for a page or a terminal: a heading over each column of figures, then each row's caption
// and its texts. With one offer: keeping the loans, the offer and the difference, as the window has them. With
// several: keeping, then each offer's figure and its difference, the way that costs least marked in words.
struct ComparisonTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows; // the caption, then a text under each heading
};

ComparisonTable comparisonTable(const compare::Comparison &comparison, const numtext::LocaleMarks &marks,
                                const MonthNamer &monthName, FigureText figures = FigureText::Plain);

// An offer's heading, on one line: the name given with it, or "Offer 2" for the offer at `index`, from 0.
std::string offerHeading(std::string_view name, std::size_t index);

// Why the comparison is refused, naming the loan or the offer that stops it, since a sentence in a report or a
// terminal has no box to stand beside: "for loan 2, the monthly payment never covers ...". An input both ways
// share names itself. Words for scripts (JSON's "refused"), so its own words stay English.
std::string refusalReason(const compare::Refusal &refusal);

// The comparison in one plain sentence of facts, no advice: "Taking the offer costs $12,345.67 less in all and is
// ahead for good from month 27 (March 2029); its payment is $85.10 lower and the last one is 5 years later."
// Where the savings rate is above 0, the difference in present value follows. For a refused comparison, why.
// With several offers: a first line that names the way that costs least (over the horizon where there is one),
// then a line for each offer, after its heading.
std::string comparisonSentence(const compare::Comparison &comparison, double savingsRatePercent,
                               const numtext::LocaleMarks &marks, const MonthNamer &monthName,
                               FigureText figures = FigureText::Plain);

} // namespace commands
