// SPDX-License-Identifier: GPL-3.0-or-later
#include "localized_number.h"

#include "digit_grouping.h"
#include "locale_digits.h"

namespace numtext {

std::string localizedNumber(std::string_view plain, const LocaleMarks &marks)
{
    const detail::LocaleDigits digits{marks.zeroDigit};
    const detail::GroupSizes sizes{marks.primaryGroup, marks.secondaryGroup};
    std::string out;
    for (std::size_t pos = 0; pos < plain.size();) {
        const char c = plain[pos];
        if (c >= '0' && c <= '9') {
            // A run of digits with "," between them is one integer part, regrouped the locale's way; a run with
            // no "," stays ungrouped, as it was written.
            std::string run;
            bool grouped = false;
            for (; pos < plain.size(); ++pos) {
                const bool digit = plain[pos] >= '0' && plain[pos] <= '9';
                const bool innerComma
                    = plain[pos] == ',' && pos + 1 < plain.size() && plain[pos + 1] >= '0' && plain[pos + 1] <= '9';
                if (!digit && !innerComma)
                    break;
                grouped = grouped || innerComma;
                if (digit)
                    run += plain[pos];
            }
            out += grouped ? detail::groupDigits(run, sizes, marks.grouping, digits) : digits.fromAscii(run);
            continue;
        }
        if (c == '.')
            out += marks.decimal;
        else if (c == '-')
            out += marks.minus.empty() ? "-" : marks.minus;
        else
            out += c;
        ++pos;
    }
    return out;
}

} // namespace numtext
