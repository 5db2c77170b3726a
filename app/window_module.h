// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modules/module_loader.h"

// What the program asks of its window module: to run the part of the program that draws, under the QApplication the
// module makes, with the program's arguments: the window (with the scenario FILE where one is given), or the
// `report` command, whose chart Qt's widgets draw. Gives the exit status.
using WindowMain = int (*)(int argc, char *argv[]);

inline constexpr modules::ModuleNames windowModule{"loanblend-window", "loanblendWindowMain",
                                                   "loanblendWindowModuleInterface"};
