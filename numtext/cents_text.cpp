// SPDX-License-Identifier: GPL-3.0-or-later
#include "cents_text.h"

#include "localized_number.h"

namespace numtext {

std::string centsText(std::int64_t cents, const LocaleMarks &marks)
{
    // The magnitude as unsigned, so that the most negative amount has one too.
    const auto magnitude = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
    const std::string units = std::to_string(magnitude / 100);
    std::string plain;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0 && (units.size() - i) % 3 == 0)
            plain += ',';
        plain += units[i];
    }
    const auto hundredths = magnitude % 100;
    plain += hundredths < 10 ? ".0" : ".";
    plain += std::to_string(hundredths);
    return (cents < 0 ? marks.minus : std::string()) + "$" + localizedNumber(plain, marks);
}

} // namespace numtext
