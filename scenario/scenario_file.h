// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scenario.h"

#include <QByteArray>
#include <QString>
#include <variant>

// The scenario file: a small UTF-8 JSON document,
//   {"format": "loanblend-scenario", "version": 1,
//    "inputs": {"Text1": "355000", "Text2": "2.99", "Text3": "20", "Text6": "140000", "Text7": "4"},
//    "firstMonth": "2027-01",
//    "comparison": {"loans": [{"balance": ..., "rate": ..., "termMonths": ..., "payment": null}, ...],
//                   "offer": {"rate": ..., "termMonths": ..., "feesAtSigning": ..., "feesAdded": ...},
//                   "extra": ..., "savingsRate": ...}}
// where every number is a string in C notation, so that a file opens alike in every locale, and null (or "") is
// an empty input. "comparison" may be absent. Version 2 holds what version 1 cannot: each loan has an
// "earlyRepaymentCharge", "offers" (a list) takes the place of "offer", each with a "name" (text, "" for none) and
// "points", and the comparison has "horizonMonths".
namespace scenario {

inline constexpr char fileFormat[] = "loanblend-scenario";
inline constexpr int fileVersion = 2; // the newest this program reads and writes
inline constexpr qsizetype largestFile = 1 << 20; // a scenario is a few hundred bytes; nothing larger is read

// The document, indented, keys in a fixed order, each number the shortest C text that reads back to the same
// double: saving what was opened gives the same bytes. Version 1 unless the scenario holds something only version 2
// can, so that the program's earlier versions still open what this one saves.
QByteArray writeScenario(const Scenario &scenario);

// The scenario in `bytes`, or why there is none, in plain words ("it was written by a newer version of the
// program"). Unknown keys are passed over; anything else that is not as written above refuses the file.
std::variant<Scenario, QString> readScenario(const QByteArray &bytes);

// The scenario in the file at `path`, or why there is none ("it is a FIFO, not a file"). Only a regular file is
// read: anything else is refused by its kind before it is opened, since opening a FIFO or a device can wait for
// ever.
std::variant<Scenario, QString> readScenarioFile(const QString &path);

// The scenario on an open descriptor such as standard input, read to its end however slowly it comes, or until it
// has run past the largest file.
std::variant<Scenario, QString> readScenarioFrom(int descriptor);

// A number in C notation ("2.99", "2.50", "1e3"), the whole text and finite; none otherwise.
std::optional<double> readCNumber(QStringView text);

// The shortest C text that reads back to `value`: "2.99", never "2.9900000000000002"; "400000", not "4e+05",
// where the plain form has no more than 24 characters.
QString cNumber(double value);

} // namespace scenario
