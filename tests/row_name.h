// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <tuple>

// Names a parameterised test after its table row's `name`.
struct RowName {
    template<class Row> std::string operator()(const testing::TestParamInfo<Row> &row) const { return row.param.name; }
};

// Names a test over (row, notation) pairs after both.
struct RowAndNotationName {
    template<class Pair> std::string operator()(const testing::TestParamInfo<Pair> &pair) const
    {
        return std::string(std::get<0>(pair.param).name) + "__" + std::get<1>(pair.param).name;
    }
};
