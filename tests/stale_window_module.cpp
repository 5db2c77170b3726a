// SPDX-License-Identifier: GPL-3.0-or-later
// A window module as an older build of the program would have it: the same entry points, another interface. Were
// the program to run it, it would end at once with success.
#include <QtGlobal>

extern "C" Q_DECL_EXPORT const char *loanblendWindowModuleInterface()
{
    return "0.9.0+0000000000000000";
}

extern "C" Q_DECL_EXPORT int loanblendWindowMain(int, char *[])
{
    return 0;
}
