// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <gtest/gtest.h>

// Agreement to about twelve significant digits: tighter than any figure the window shows, looser than the last
// bit, so a change in the order of operations that moves a displayed digit is caught without pinning libm.
inline void expectNearRelative(double actual, double expected, const char *what)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12 + 1e-12) << what;
}
