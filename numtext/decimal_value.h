// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace numtext::detail {

// The value of a plain ASCII decimal: an optional '-', digits with at most one '.', at least one digit, and an
// optional exponent 'e' with optional sign and digits. A number beyond the double range gives an infinity of its
// sign, one too small for it a zero of its sign; the readers decide what to make of those.
double decimalValue(std::string_view number);

} // namespace numtext::detail
