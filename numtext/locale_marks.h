// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace numtext {

// The user's number notation, as UTF-8. Passed to the readers and the renderer rather than read from a global
// locale, so both behave the same in every test and every thread.
struct LocaleMarks {
    std::string decimal = ".";
    std::string grouping = ",";
    std::string currency = "$";
    // The locale's digit zero; its ten digits are the ten consecutive code points from it ("\u0660" gives the
    // Arabic-Indic digits). ASCII digits are read in every locale.
    std::string zeroDigit = "0";
    std::string percent = "%";
    // Digits in the group nearest the decimal mark, and in every group further left: 3 and 2 write 355000 as
    // "3,55,000".
    int primaryGroup = 3;
    int secondaryGroup = 3;
    // May carry a bidi control character ("\u061C-"); ASCII "-" is read in every locale.
    std::string minus = "-";
};

} // namespace numtext
