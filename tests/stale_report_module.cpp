// SPDX-License-Identifier: GPL-3.0-or-later
// A report module as an older build of the program would have it: the same entry points, another interface.
#include <QtGlobal>

extern "C" Q_DECL_EXPORT const char *loanblendReportModuleInterface()
{
    return "0.9.0+0000000000000000";
}

extern "C" Q_DECL_EXPORT void *loanblendReportModule()
{
    return nullptr;
}
