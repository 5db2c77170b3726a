// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace schedule {

// A positive finite double as the shortest decimal that reads back as it (what std::to_chars writes): its
// digits as one whole number of `count` digits, 17 at most, and the power of ten they are scaled by.
// 2.675 is 2675 × 10^-3, and 1e20 is 1 × 10^20.
struct ShortestDecimal {
    std::uint64_t digits = 0;
    int count = 0;
    int power = 0;
};

ShortestDecimal shortestDecimal(double positive);

} // namespace schedule
