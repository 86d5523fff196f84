// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/NumberFormat.h"
#include "engine/PileResult.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

PileCase makePile(double d, double hr, double frk, bool weathered, double reduction, double gammaCR) {
    PileCase p;
    p.d = d;
    p.hr = hr;
    p.frk = frk;
    p.weathered = weathered;
    p.reduction = weathered ? reduction : 1.0;
    p.gammaCR = gammaCR;
    return p;
}

std::u16string twoDecimals(double v) { return FormatFixed(v, 18, 2, u'.'); }

struct WorkedExample {
    const char* name;
    PileCase pile;
    const char16_t* hardness;
    bool capped;
    double hrUsed;
    const char16_t* zetaS;  // four decimals
    const char16_t* zetaP;
    const char16_t* Qcs;  // two decimals
    const char16_t* Qcp;
    const char16_t* Qck;
    const char16_t* endShare;  // three decimals
    const char16_t* Qcd;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const WorkedExample& c, std::ostream* os) { *os << c.name; }

class WorkedExamples : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, reproduceEveryPrintedDigit) {
    const WorkedExample& ex = GetParam();
    const PileResult r = computePile(ex.pile);
    EXPECT_EQ(r.hardness, ex.hardness);
    EXPECT_EQ(r.ratioCapped, ex.capped);
    EXPECT_EQ(r.hrUsed, ex.hrUsed);
    EXPECT_EQ(FormatFixed(r.zetaS, 18, 4, u'.'), ex.zetaS);
    EXPECT_EQ(FormatFixed(r.zetaP, 18, 4, u'.'), ex.zetaP);
    EXPECT_EQ(twoDecimals(r.Qcs), ex.Qcs);
    EXPECT_EQ(twoDecimals(r.Qcp), ex.Qcp);
    EXPECT_EQ(twoDecimals(r.Qck), ex.Qck);
    EXPECT_EQ(FormatFixed(r.endShare, 18, 3, u'.'), ex.endShare);
    EXPECT_EQ(r.sideShare, 100.0 - r.endShare);
    EXPECT_EQ(twoDecimals(r.Qcd), ex.Qcd);
    EXPECT_TRUE(isPrintable(r));
}

INSTANTIATE_TEST_SUITE_P(
    FormulaFourTwoFourFour, WorkedExamples,
    ::testing::Values(
        WorkedExample{"defaults_1000_1d_25_weathered070_gamma180", makePile(1000, 1000, 25, true, 0.70, 1.80),
                      u"较软岩", false, 1000, u"0.0490", u"0.5040", u"3848.45", u"9896.02", u"13744.47", u"72.000",
                      u"7635.82"},
        WorkedExample{"d1200_hr3000_frk40_not_weathered_gamma175", makePile(1200, 3000, 40, false, 0.0, 1.75),
                      u"较硬岩", false, 3000, u"0.0945", u"0.4500", u"42750.79", u"20357.52", u"63108.31", u"32.258",
                      u"36061.89"},
        WorkedExample{"d1000_hr6000_capped_frk80_weathered075_gamma170", makePile(1000, 6000, 80, true, 0.75, 1.70),
                      u"坚硬岩", true, 5000, u"0.0525", u"0.0900", u"65973.45", u"5654.87", u"71628.31", u"7.895",
                      u"42134.30"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Capacity, defaultPileKeepsTheExactIntermediateValues) {
    const PileResult r = computePile(makePile(1000, 1000, 25, true, 0.70, 1.80));
    EXPECT_EQ(r.ratio, 1.0);
    EXPECT_EQ(r.ratioUsed, 1.0);
    EXPECT_EQ(r.zetaS, 0.070 * 0.70);
    EXPECT_EQ(r.zetaP, 0.72 * 0.70);
    EXPECT_EQ(FormatFixed(r.A, 6, 6, u'.'), u"0.785398");
    EXPECT_EQ(FormatFixed(r.U2, 7, 6, u'.'), u"3.141593");
    EXPECT_EQ(FormatFixed(r.Qcd, 18, 3, u'.'), u"7635.815");
}

struct RatioCase {
    const char* name;
    double ratio;
    double zetaS;  // before the reduction
    double zetaP;
    bool capped;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.name; }

class SocketCoefficients : public ::testing::TestWithParam<RatioCase> {};

TEST_P(SocketCoefficients, followTheTableAndItsCap) {
    const RatioCase& c = GetParam();
    const PileResult r = computePile(makePile(1000, c.ratio * 1000, 25, false, 1.0, 1.8));
    EXPECT_NEAR(r.zetaS, c.zetaS, 1e-15);
    EXPECT_NEAR(r.zetaP, c.zetaP, 1e-15);
    EXPECT_EQ(r.ratioCapped, c.capped);
    EXPECT_EQ(r.hrUsed, c.capped ? 5000.0 : c.ratio * 1000);
    EXPECT_EQ(r.ratioUsed, c.capped ? 5.0 : r.ratio);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SocketCoefficients,
    ::testing::Values(RatioCase{"point_1", 1.0, 0.070, 0.72, false}, RatioCase{"point_2", 2.0, 0.096, 0.54, false},
                      RatioCase{"point_3", 3.0, 0.093, 0.36, false}, RatioCase{"point_4", 4.0, 0.083, 0.18, false},
                      RatioCase{"point_5_is_not_capped", 5.0, 0.070, 0.12, false},
                      RatioCase{"between_1_and_2", 1.5, 0.083, 0.63, false},
                      RatioCase{"between_2_and_3", 2.5, 0.0945, 0.45, false},
                      RatioCase{"between_4_and_5", 4.5, 0.0765, 0.15, false},
                      RatioCase{"just_above_5_is_capped", 5.001, 0.070, 0.12, true},
                      RatioCase{"far_above_5_adds_nothing", 7.5, 0.070, 0.12, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Capacity, reductionMultipliesBothCoefficientsAfterInterpolation) {
    const PileResult plain = computePile(makePile(1000, 2500, 25, false, 0.0, 1.8));
    const PileResult reduced = computePile(makePile(1000, 2500, 25, true, 0.80, 1.8));
    EXPECT_EQ(reduced.zetaS, plain.zetaS * 0.80);
    EXPECT_EQ(reduced.zetaP, plain.zetaP * 0.80);
}

TEST(Capacity, sharesDependOnTheRatioAloneAndAreSeventyTwoAtOneDiameter) {
    for (double d : {800.0, 1000.0, 2300.0}) {
        for (double frk : {3.0, 25.0, 90.0}) {
            const PileResult r = computePile(makePile(d, d, frk, true, 0.75, 1.7));
            EXPECT_EQ(FormatFixed(r.endShare, 7, 2, u'.'), u"72.00") << d << " " << frk;
            EXPECT_EQ(FormatFixed(r.sideShare, 7, 2, u'.'), u"28.00") << d << " " << frk;
        }
    }
}

TEST(Capacity, reductionOfZeroLeavesTheSharesUndefinedInsteadOfNotANumber) {
    const PileResult r = computePile(makePile(1000, 1000, 25, true, 0.0, 1.8));
    EXPECT_EQ(r.Qck, 0.0);
    EXPECT_FALSE(r.sharesDefined);
    EXPECT_TRUE(isPrintable(r));
    EXPECT_TRUE(computePile(makePile(1000, 1000, 25, true, 0.7, 1.8)).sharesDefined);
}

TEST(Capacity, overflowingInputsAreNotPrintable) {
    EXPECT_FALSE(isPrintable(computePile(makePile(1e200, 1e200, 25, false, 1.0, 1.8))));
}

TEST(Capacity, rockClassesHaveInclusiveUpperBounds) {
    const struct {
        double frk;
        const char16_t* hardness;
    } cases[] = {{0.1, u"极软岩"}, {5, u"极软岩"},  {5.0001, u"软岩"},   {15, u"软岩"},
                 {15.01, u"较软岩"}, {30, u"较软岩"}, {30.5, u"较硬岩"}, {60, u"较硬岩"},
                 {60.0000001, u"坚硬岩"}, {1e6, u"坚硬岩"}};
    for (const auto& c : cases) EXPECT_EQ(classifyRock(c.frk), c.hardness) << c.frk;
}

TEST(Capacity, interpolateEvaluatesInTheStatedOrder) {
    const double x = 1.35;
    const double expected = (0.096 - 0.070) / (2.0 - 1.0) * (x - 1.0) + 0.070;
    EXPECT_EQ(interpolate(x, 1, 0.070, 2, 0.096), expected);
    EXPECT_EQ(interpolate(5, 5, 0.12, 6, 0.12), 0.12);
}

}  // namespace
}  // namespace pilecalc
