// SPDX-License-Identifier: GPL-3.0-or-later
#include "expect_calc_error.h"
#include "loan/checked_arithmetic.h"
#include "row_name.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

using loan::CalcError;
using loan::CalcErrorKind;
using loan::CheckedArithmetic;
using loan::Figure;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

using Operation = std::function<double(const CheckedArithmetic &)>;

struct FailingOperation {
    const char *name;
    Operation run;
    CalcErrorKind kind;
};

const FailingOperation failingOperations[] = {
    {"one_divided_by_zero", [](auto &op) { return op.div(1, 0); }, CalcErrorKind::DivisionByZero},
    {"zero_divided_by_zero", [](auto &op) { return op.div(0, 0); }, CalcErrorKind::DivisionByZero},
    {"zero_divided_by_minus_zero", [](auto &op) { return op.div(0, -0.0); }, CalcErrorKind::DivisionByZero},
    {"zero_to_a_negative_power", [](auto &op) { return op.pow(0, -1); }, CalcErrorKind::DivisionByZero},
    {"product_beyond_range", [](auto &op) { return op.mul(1e308, 10); }, CalcErrorKind::Overflow},
    {"sum_beyond_range", [](auto &op) { return op.add(1.7e308, 1.7e308); }, CalcErrorKind::Overflow},
    {"difference_beyond_range", [](auto &op) { return op.sub(-1.7e308, 1.7e308); }, CalcErrorKind::Overflow},
    {"quotient_beyond_range", [](auto &op) { return op.div(1e308, 1e-10); }, CalcErrorKind::Overflow},
    {"power_beyond_range", [](auto &op) { return op.pow(1.5, 5000); }, CalcErrorKind::Overflow},
    {"infinite_operand_with_finite_result", [](auto &op) { return op.div(1, inf); }, CalcErrorKind::Overflow},
    {"infinite_exponent_of_one", [](auto &op) { return op.pow(1, inf); }, CalcErrorKind::Overflow},
    {"nan_operand", [](auto &op) { return op.add(nan, 1); }, CalcErrorKind::InvalidArgument},
    {"negative_base_fractional_power", [](auto &op) { return op.pow(-8, 1.0 / 3); }, CalcErrorKind::InvalidArgument},
    {"log_of_zero", [](auto &op) { return op.ln(0); }, CalcErrorKind::InvalidArgument},
    {"log_of_negative", [](auto &op) { return op.ln(-4.07); }, CalcErrorKind::InvalidArgument},
};

class FailingOperationTest : public testing::TestWithParam<FailingOperation> { };

TEST_P(FailingOperationTest, throws_its_kind_for_the_figure_being_computed)
{
    const CheckedArithmetic op{Figure::BlendedEffectiveRate};
    expectCalcError([&] { GetParam().run(op); }, GetParam().kind, Figure::BlendedEffectiveRate);
}

INSTANTIATE_TEST_SUITE_P(CheckedArithmetic, FailingOperationTest, testing::ValuesIn(failingOperations), RowName{});

struct PassingOperation {
    const char *name;
    Operation run;
    double expected;
};

const PassingOperation passingOperations[] = {
    {"negative_base_whole_power", [](auto &op) { return op.pow(-2, 3); }, -8},
    {"zero_to_power_zero", [](auto &op) { return op.pow(0, 0); }, 1},
    {"underflow_is_not_a_failure", [](auto &op) { return op.mul(1e-300, 1e-300); }, 0},
    {"log_of_one", [](auto &op) { return op.ln(1); }, 0},
    {"largest_finite_sum", [](auto &op) { return op.add(1e308, 1e307); }, 1.1e308},
};

class PassingOperationTest : public testing::TestWithParam<PassingOperation> { };

TEST_P(PassingOperationTest, returns_the_plain_double_result)
{
    EXPECT_DOUBLE_EQ(GetParam().run(CheckedArithmetic{Figure::Payment}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CheckedArithmetic, PassingOperationTest, testing::ValuesIn(passingOperations), RowName{});

TEST(CalcErrorMessage, names_the_kind_and_the_figure)
{
    const CalcError error{CalcErrorKind::InvalidArgument, Figure::AveragePayoff};
    EXPECT_STREQ(error.what(), "invalid argument while computing the payoff period at the average rate");
}

} // namespace
