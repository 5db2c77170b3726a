// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace saving {

// The operating system's words for an errno value, as a clause that follows a colon: "no such file or directory".
QString systemReason(int error);

// A message of the operating system's as such a clause. English and French lower-case its first letter there;
// German keeps it, as German nouns are capitalised ("Datei existiert bereits"). The C library writes in the
// language of LC_MESSAGES, or of LANGUAGE before it unless that locale is C.
QString asClause(QString systemMessage);

} // namespace saving
