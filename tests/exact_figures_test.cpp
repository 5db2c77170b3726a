// SPDX-License-Identifier: GPL-3.0-or-later
// Every double of the arithmetic compared bit for bit, so that the order of operations is held: a change such as
// weighing the rates by (principal1 * rate1) / (principal2 + principal1) gives the same value to twelve digits,
// but not to the last bit.
//
// The expected values were reckoned once, outside this code, by a short Python 3 script that follows the
// documented formula of each figure step by step in IEEE doubles (Python's float arithmetic, ** and math.log
// call the same C library as the program), and printed with float.hex().
#include "default_run.h"
#include "loan/blend_figures.h"
#include "row_name.h"

#include <array>
#include <gtest/gtest.h>

namespace {

struct ExactCase {
    const char *name;
    loan::LoanTerms loan1, loan2;
    std::array<double, 8> figures1, figures2; // LoanFigures, member by member
    std::array<double, 22> blend; // BlendFigures, member by member
};

const ExactCase exactCases[] = {
    {"starting_inputs",
     {355000, 2.99, 20},
     {140000, 4, 20},
     {0x1.e9e1b089a0276p-6, 0x1.e000000000000p+7, 0x1.469675b1156f9p-9, 0x1.d12f2e4ab41a1p+0, 0x1.ebc2de8046c28p+10,
      0x1.c962c26109598p+16, 0x1.840237e405c0ap+1, 0x1.3afaf9513718dp+19},
     {0x1.47ae147ae147bp-5, 0x1.e000000000000p+7, 0x1.b4e81b4e81b4fp-9, 0x1.1c7d91e0191eap+1, 0x1.a82faccd7c312p+9,
      0x1.f0f2c80291b84p+15, 0x1.04bef1a4ba1e4p+2, 0x1.2fde5f7fccd4ap+18},
     {0x1.bf5c28f5c28f6p+1,  0x1.1e4f765fd8adbp-5,  0x1.5f54484e03aa7p-6,  0x1.72b56c80ac1d6p-7,  0x1.a348b6df3618ap+1,
      0x1.0c577f472cdc9p-5,  0x1.e366000000000p+18, 0x1.d2ea29111d832p+19, 0x1.1230e05e51d60p-5,  0x1.ac6c5e935fde6p+1,
      0x1.0e128c8101000p-5,  0x1.a5fcfb8991900p+1,  0x1.606c29508faf6p+11, 0x1.62c99aee1ad1cp+17, 0x1.5fed5a73826d8p+11,
      0x1.60ee1331291adp+17, 0x1.ed7a08fc3dd22p+7,  0x1.85fbb54f755c4p+17, 0x1.48fc05fd7e8c1p+4,  0x1.dfacb72fcffd7p+7,
      0x1.6009171699a00p+17, 0x1.3fc87a1fdffe5p+4}},
    {"non_whole_period",
     {250000, 6.5, 12.5},
     {80000, 3.25, 12.5},
     {0x1.0a3d70a3d70a4p-4, 0x1.2c00000000000p+7, 0x1.62fc962fc9630p-8, 0x1.1fd21845a2694p+1, 0x1.30d6e5488cbf4p+11,
      0x1.c45f52c413c08p+16, 0x1.ac9eaeac963e6p+2, 0x1.127cb8adc8973p+19},
     {0x1.0a3d70a3d70a4p-5, 0x1.2c00000000000p+7, 0x1.62fc962fc9630p-9, 0x1.80172d9deef98p+0, 0x1.44d8cb377473ep+9,
      0x1.10b83893f1df4p+14, 0x1.a640c1688273cp+1, 0x1.d4dc4b2f4a37ap+16},
     {0x1.3800000000000p+2,  0x1.8f5c28f5c28f6p-5,  0x1.9364d9364d936p-5,  0x1.022c1022c1023p-7,  0x1.6d9364d9364d9p+2,
      0x1.d3efdd3efdd3fp-5,  0x1.4244000000000p+18, 0x1.4d184213b1de2p+19, 0x1.ea046fe32c680p-5,  0x1.7ed377697ab14p+2,
      0x1.dd13378d7b880p-5,  0x1.74b7036688824p+2,  0x1.83c54914a7530p+11, 0x1.084e6348682a8p+17, 0x1.820d181669dc4p+11,
      0x1.0446b074881c2p+17, 0x1.18d7e25cdeec4p+7,  0x1.94ff82cd6aff8p+16, 0x1.76752dd1293b0p+3,  0x1.2b402b64625b3p+7,
      0x1.02041faf8f74ep+17, 0x1.8f0039db2dcefp+3}},
    {"tiny_and_huge_principals",
     {1, 1, 1},
     {10000000, 25, 1},
     {0x1.47ae147ae147bp-7, 0x1.8000000000000p+3, 0x1.b4e81b4e81b4fp-11, 0x1.02925f4177a37p+0, 0x1.572f5f2839b05p-4,
      0x1.63875e2b44400p-8, 0x1.012d3592bbd7cp+0, 0x1.02925f4177a37p+0},
     {0x1.0000000000000p-2, 0x1.8000000000000p+3, 0x1.5555555555555p-6, 0x1.47de0607fa358p+0, 0x1.d015410b6124cp+19,
      0x1.5717864446dc8p+20, 0x1.c12ba5b1dbce6p+4, 0x1.86d927369080bp+23},
     {0x1.a000000000000p+3,  0x1.0a3d70a3d70a4p-3,  0x1.12e0bcb54242ep-30, 0x1.fffffca501b25p-3,  0x1.8ffffd7bc145bp+4,
      0x1.fffffcc75dc9ep-3,  0x1.312d020000000p+23, 0x1.86d9293bb53f3p+23, 0x1.1f78164ee00fcp-2,  0x1.c12ba2db3e18ap+4,
      0x1.fffffd1aab740p-3,  0x1.8ffffdbcd5f2ap+4,  0x1.d01543c03617fp+19, 0x1.57178681448f8p+20, 0x1.d01543b9bfe31p+19,
      0x1.5717865a7f526p+20, 0x1.6766ce06a677bp+3,  0x1.49715f7d16fe0p+19, 0x1.df33bd5e334a4p-1,  0x1.7ffffffd04a38p+3,
      0x1.57178644dff60p+20, 0x1.fffffffc062f5p-1}},
};

std::array<double, 8> members(const loan::LoanFigures &f)
{
    return {f.annualRate, f.paymentCount,  f.monthlyRate,          f.growth,
            f.payment,    f.totalInterest, f.effectiveRatePercent, f.accumulatedValue};
}

std::array<double, 22> members(const loan::BlendFigures &b)
{
    return {b.averageRatePercent,
            b.averageRate,
            b.weight1,
            b.weight2,
            b.weightedRatePercent,
            b.weightedRate,
            b.totalPrincipal,
            b.totalAccumulated,
            b.blendedEffectiveRate,
            b.blendedEffectivePercent,
            b.blendedNominalRate,
            b.blendedNominalPercent,
            b.blendedPayment,
            b.blendedInterest,
            b.combinedPayment,
            b.combinedInterest,
            b.averagePayoffMonths,
            b.averagePayoffInterest,
            b.averagePayoffYears,
            b.weightedPayoffMonths,
            b.weightedPayoffInterest,
            b.weightedPayoffYears};
}

class ExactFiguresTest : public testing::TestWithParam<ExactCase> { };

TEST_P(ExactFiguresTest, every_double_matches_to_the_last_bit)
{
    const ExactCase &row = GetParam();
    const loan::LoanOutcome loan1{row.loan1, loan::computeLoanFigures(row.loan1)};
    const loan::LoanOutcome loan2{row.loan2, loan::computeLoanFigures(row.loan2)};
    EXPECT_EQ(members(loan1.figures), row.figures1);
    EXPECT_EQ(members(loan2.figures), row.figures2);
    EXPECT_EQ(members(loan::computeBlend(loan1, loan2, row.loan1.years)), row.blend);
}

// The schedules start from the very doubles the window shows: each plan's rate, payment and exact interest.
TEST_P(ExactFiguresTest, the_plans_of_the_schedules_take_the_same_doubles)
{
    const ExactCase &row = GetParam();
    const schedule::CalculatedPlans plans = plansOf(row.loan1, row.loan2);
    using schedule::Plan;
    const struct {
        Plan plan;
        double rate, payment, interest;
    } expected[] = {
        {Plan::Loan1, row.figures1[0], row.figures1[4], row.figures1[5]},
        {Plan::Loan2, row.figures2[0], row.figures2[4], row.figures2[5]},
        {Plan::BlendedLoan, row.blend[10], row.blend[12], row.blend[13]},
        {Plan::CombinedAtAverageRate, row.blend[1], row.blend[14], row.blend[17]},
        {Plan::CombinedAtWeightedRate, row.blend[5], row.blend[14], row.blend[20]},
    };
    for (const auto &[plan, rate, payment, interest] : expected) {
        ASSERT_TRUE(plans.of(plan)) << schedule::planName(plan);
        EXPECT_EQ(plans.of(plan)->annualRate, rate) << schedule::planName(plan);
        EXPECT_EQ(plans.of(plan)->payment, payment) << schedule::planName(plan);
        EXPECT_EQ(plans.of(plan)->exactInterest, interest) << schedule::planName(plan);
    }
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, ExactFiguresTest, testing::ValuesIn(exactCases), RowName{});

} // namespace
