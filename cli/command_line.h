// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program without its window:
//   loanblend calculate [FILE | -] [--principal1 X --rate1 X --years X --principal2 X --rate2 X] [--format text|json]
//                       [--first-month YYYY-MM]
//   loanblend schedules [FILE | -] [the same inputs] [--first-month YYYY-MM] -o OUT.csv
//   loanblend compare FILE [--format text|json] [--first-month YYYY-MM]
//   loanblend report FILE [the same inputs] [--first-month YYYY-MM] -o OUT.pdf
// Exit status: 0 success (a comparison that cannot be made is an answer too); 1 a figure could not be calculated;
// 2 a usage error, a file that cannot be read, output that cannot be written, or an input that is not a number or
// out of its range.
namespace cli {

// Whether the arguments ask for the command line rather than the window: a command, --help or --version, a first
// word that is neither a command nor a file, or anything at all where there is no display for the window.
bool wantsCommandLine(int argc, char *argv[]);

// Whether the command needs Qt's widgets: `report`, whose chart they draw. It runs in the QApplication the window's
// module makes; the others need no display and load no platform plugin.
bool needsWidgets(int argc, char *argv[]);

// Names Qt's offscreen platform for the QApplication `report` runs in, unless QT_QPA_PLATFORM names one: the report
// needs no screen, and a display that cannot be reached would end it.
void chooseOffscreenPlatform();

// Runs the command line and gives its exit status, under the QCoreApplication it makes, or under the
// QApplication that already exists for `report`.
int run(int argc, char *argv[]);

} // namespace cli
