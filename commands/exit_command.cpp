// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

namespace commands {

void cmdExit_Click(WindowOperations &form)
{
    form.beep();
    form.endProgram();
}

} // namespace commands
