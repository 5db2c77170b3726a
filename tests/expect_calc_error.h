// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "loan/calc_error.h"

#include <gtest/gtest.h>

// Runs `calculation` and expects it to stop with a CalcError of this kind, raised while computing this figure.
template<class Calculation>
void expectCalcError(Calculation &&calculation, loan::CalcErrorKind kind, loan::Figure figure)
{
    try {
        calculation();
        ADD_FAILURE() << "no CalcError";
    } catch (const loan::CalcError &error) {
        EXPECT_EQ(error.kind(), kind) << error.what();
        EXPECT_EQ(error.figure(), figure) << error.what();
    }
}
