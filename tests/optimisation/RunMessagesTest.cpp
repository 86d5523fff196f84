// SPDX-License-Identifier: GPL-3.0-or-later
// The status texts of long and refused runs: the running progress in whole percent, and a
// refusal that states its count as an integer, a saturated one as "超过 …".
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "optimisation/OptimisationMessages.h"
#include "optimisation/OptimisationRange.h"
#include "support/Utf.h"

using namespace pilecalc;
using pilecalc::test::toUtf8;

namespace {

struct RunningCase {
    const char* name;
    double percent;
    const char* text;
};

class Running : public ::testing::TestWithParam<RunningCase> {};

TEST_P(Running, showsWholePercent) { EXPECT_EQ(toUtf8(runningMessage(GetParam().percent)), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Progress, Running,
    ::testing::Values(RunningCase{"start", 0.0, "计算中 0 %"},
                      RunningCase{"fraction_is_cut_not_rounded", 63.3807596329904, "计算中 63 %"},
                      RunningCase{"just_below_the_end_is_not_100", 99.9999, "计算中 99 %"},
                      RunningCase{"end", 100.0, "计算中 100 %"},
                      RunningCase{"not_a_number_reads_0", std::nan(""), "计算中 0 %"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Refusal, countAboveTwoToThe53IsWrittenExactly) {
    // 2^53 + 1 has no double of its own; the refusal still names it to the unit.
    EXPECT_EQ(toUtf8(combinationLimitMessage(9007199254740993ull, u'.')),
              "组合数 9007199254740993 超过上限 2000000，请加大步进值后重新计算");
}

TEST(Refusal, saturatedCountSaysAbove) {
    const std::string text = toUtf8(combinationLimitMessage(std::numeric_limits<std::uint64_t>::max(), u','));
    EXPECT_EQ(text, "组合数 超过 18446744073709551615，上限 2000000，请加大步进值后重新计算");
    EXPECT_EQ(text.find('E'), std::string::npos);
}

}  // namespace
