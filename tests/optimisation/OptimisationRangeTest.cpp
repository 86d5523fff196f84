// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "optimisation/OptimisationMessages.h"
#include "optimisation/OptimisationRange.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

using test::toUtf8;

struct DeriveCase {
    const char* name;
    double minimum, maximum, step;
    std::uint64_t count;
    double derivedMax, derivedStep;
    std::vector<double> values;
};
void PrintTo(const DeriveCase& c, std::ostream* os) { *os << c.name; }

class Derivation : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(Derivation, countAndAccumulatedValues) {
    const DeriveCase& c = GetParam();
    const OptimisationRange r = deriveRange(c.minimum, c.maximum, c.step);
    EXPECT_EQ(r.count, c.count);
    EXPECT_EQ(r.min, c.minimum);
    EXPECT_EQ(r.max, c.derivedMax);
    EXPECT_EQ(r.step, c.derivedStep);
    EXPECT_EQ(rangeValues(r), c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Derivation,
    ::testing::Values(
        DeriveCase{"step500_landsOnMax", 1000, 2000, 500, 3, 2000, 500, {1000, 1500, 2000}},
        DeriveCase{"step300_shortLastStepDropped", 1000, 2000, 300, 4, 2000, 300, {1000, 1300, 1600, 1900}},
        DeriveCase{"step400_longLastStepCapped", 1000, 2000, 400, 4, 2000, 400, {1000, 1400, 1800, 2000}},
        DeriveCase{"step0_twoEnds", 1000, 2000, 0, 2, 2000, 1000, {1000, 2000}},
        DeriveCase{"negativeStep_twoEnds", 1000, 2000, -100, 2, 2000, 1000, {1000, 2000}},
        DeriveCase{"stepAboveRange_twoEnds", 1000, 2000, 3000, 2, 2000, 1000, {1000, 2000}},
        DeriveCase{"stepEqualToRange_twoValues", 1000, 2000, 1000, 2, 2000, 1000, {1000, 2000}},
        DeriveCase{"minEqualsMax_oneValue", 1500, 1500, 100, 1, 1500, 0, {1500}},
        DeriveCase{"minAboveMax_minimumAlone", 1500, 1000, 100, 1, 1500, 0, {1500}},
        DeriveCase{
            "multiples035_fourthValueCapped", 1.0, 2.0, 0.35, 4, 2.0, 0.35, {1.0, 1.0 + 0.35, 1.0 + 0.35 + 0.35, 2.0}},
        DeriveCase{"exactHalfStepRoundsUp", 0, 10, 4, 4, 10, 4, {0, 4, 8, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Derivation, valuesAccumulateRatherThanMultiply) {
    // Ten additions of 0.1 give 0.9999999999999999, not 10 x 0.1 = 1.0: the
    // eleventh value is the accumulated sum, and the last one is capped.
    const OptimisationRange r = deriveRange(0.0, 2.0, 0.1);
    ASSERT_EQ(r.count, 21u);
    const std::vector<double> v = rangeValues(r);
    EXPECT_EQ(v[10], 0.9999999999999999);
    EXPECT_NE(v[10], 10 * 0.1);
    double sum = 0.0;
    for (std::size_t k = 0; k < v.size(); ++k) {
        EXPECT_EQ(v[k], sum) << "value " << k;
        sum = sum + 0.1 > 2.0 ? 2.0 : sum + 0.1;
    }
}

TEST(Derivation, nanBoundsGiveTheMinimumAlone) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(deriveRange(nan, 2000, 500).count, 1u);
    EXPECT_EQ(deriveRange(1000, nan, 500).count, 1u);
    const OptimisationRange nanStep = deriveRange(1000, 2000, nan);
    EXPECT_EQ(nanStep.count, 2u);
    EXPECT_EQ(nanStep.step, 1000.0);
}

TEST(Derivation, absurdStepSaturatesInsteadOfOverflowing) {
    const std::uint64_t saturated = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(deriveRange(0, 1e300, 1e-300).count, saturated);  // quotient is infinite
    EXPECT_EQ(deriveRange(0, 1e30, 1e-5).count, saturated);     // quotient above 2^64
    EXPECT_EQ(deriveRange(0, 1e15, 1).count, 1000000000000001u);
    EXPECT_THROW(rangeValues(deriveRange(0, 1e15, 1)), std::length_error);
}

TEST(CombinationCount, productIn64BitsSaturates) {
    OptimisationRanges r;
    r.d = deriveRange(0, 99999, 1);    // 100000 values
    r.hr = deriveRange(0, 99999, 1);   // 100000
    r.frk = deriveRange(0, 99999, 1);  // 100000: 1e15, far beyond 32 bits
    EXPECT_EQ(combinationCount(r), 1000000000000000u);
    EXPECT_TRUE(exceedsCombinationLimit(r));

    r.frk = deriveRange(0, 1e30, 1e-5);  // saturated count
    EXPECT_EQ(combinationCount(r), std::numeric_limits<std::uint64_t>::max());
}

TEST(CombinationCount, limitIsInclusive) {
    OptimisationRanges r;
    r.d = deriveRange(1, 2000, 1);   // 2000
    r.hr = deriveRange(1, 1000, 1);  // 1000
    r.frk = deriveRange(30, 30, 0);  // 1
    EXPECT_EQ(combinationCount(r), kCombinationLimit);
    EXPECT_FALSE(exceedsCombinationLimit(r));
    r.frk = deriveRange(30, 31, 0);  // 2
    EXPECT_TRUE(exceedsCombinationLimit(r));
    EXPECT_EQ(toUtf8(combinationLimitMessage(combinationCount(r), u'.')),
              "组合数 4000000 超过上限 2000000，请加大步进值后重新计算");
}

RangeCellTexts defaultCells() {
    return {{{u"1000", u"2000", u"500"}, {u"1.0d", u"3.0d", u"1.0d"}, {u"30.00", u"50.00", u"10.00"}}};
}

TEST(ReadRanges, defaultGridInMultiplesOfD) {
    const RangeReading r = readRanges(defaultCells(), u'.');
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.ranges.hrInDiameters);
    EXPECT_EQ(rangeValues(r.ranges.d), (std::vector<double>{1000, 1500, 2000}));
    EXPECT_EQ(rangeValues(r.ranges.hr), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(rangeValues(r.ranges.frk), (std::vector<double>{30, 40, 50}));
    EXPECT_EQ(combinationCount(r.ranges), 27u);
}

TEST(ReadRanges, depthInMillimetresWhenTheMinimumHasNoD) {
    RangeCellTexts cells = defaultCells();
    cells[1] = {u" 1000 ", u"3000", u"1000"};
    const RangeReading r = readRanges(cells, u'.');
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.ranges.hrInDiameters);
    EXPECT_EQ(rangeValues(r.ranges.hr), (std::vector<double>{1000, 2000, 3000}));
}

TEST(ReadRanges, commaLocaleReadsBothSeparators) {
    RangeCellTexts cells = defaultCells();
    cells[1] = {u"1,0d", u"2.0d", u"0,35d"};
    cells[2] = {u"30,5", u"40.5", u"5"};
    const RangeReading r = readRanges(cells, u',');
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.ranges.hr.count, 4u);
    EXPECT_EQ(r.ranges.frk.min, 30.5);
    EXPECT_EQ(r.ranges.frk.max, 40.5);
}

struct StopCase {
    const char* name;
    int row, column;
    std::u16string text;
    RangeStopKind kind;
    int stopRow, stopColumn;
    const char* message;
};
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class RangeStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(RangeStops, firstProblemInRowOrderStops) {
    const StopCase& c = GetParam();
    RangeCellTexts cells = defaultCells();
    cells[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.column)] = c.text;
    const RangeReading r = readRanges(cells, u'.');
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.stop->kind, c.kind);
    EXPECT_EQ(r.stop->row, c.stopRow);
    EXPECT_EQ(r.stop->column, c.stopColumn);
    EXPECT_EQ(toUtf8(r.stop->message), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, RangeStops,
    ::testing::Values(StopCase{"negativeDiameterMin", 0, 0, u"-1000", RangeStopKind::Negative, 0, 0, "桩径不能为负值"},
                      StopCase{"negativeDiameterMax", 0, 1, u"-1", RangeStopKind::Negative, 0, 1, "桩径不能为负值"},
                      StopCase{"negativeDepthMin", 1, 0, u"-1.0d", RangeStopKind::Negative, 1, 0, "嵌岩深度不能为负值"},
                      StopCase{"negativeStrengthMax", 2, 1, u"-50", RangeStopKind::Negative, 2, 1,
                               "岩石单轴抗压强度不能为负值"},
                      StopCase{"diameterStepNotANumber", 0, 2, u"abc", RangeStopKind::NotANumber, 0, 2,
                               "'abc' is not a valid floating point value"},
                      StopCase{"emptyDiameterMin", 0, 0, u"", RangeStopKind::NotANumber, 0, 0,
                               "'' is not a valid floating point value"},
                      StopCase{"depthCellWithoutDWhileMinHasOne", 1, 1, u"3000", RangeStopKind::NotANumber, 1, 1,
                               "'' is not a valid floating point value"},
                      StopCase{"textBeforeDIsReported", 1, 2, u"xd", RangeStopKind::NotANumber, 1, 2,
                               "'x' is not a valid floating point value"},
                      StopCase{"upperCaseDIsNoMarker", 1, 0, u"1.0D", RangeStopKind::NotANumber, 1, 0,
                               "'1.0D' is not a valid floating point value"},
                      StopCase{"strengthWithComma_inPeriodLocale", 2, 0, u"30,5", RangeStopKind::NotANumber, 2, 0,
                               "'30,5' is not a valid floating point value"},
                      StopCase{"hugeExponentStep", 0, 2, u"1e9223372036854775807", RangeStopKind::NotANumber, 0, 2,
                               "'1e9223372036854775807' is not a valid floating point value"},
                      StopCase{"lineBreakAfterTheDepthMarker", 1, 1, u"3.0d\nX", RangeStopKind::NotANumber, 1, 1,
                               "'3.0d\nX' is not a valid floating point value"},
                      StopCase{"tabInADiameterCell", 0, 1, u"2000\t", RangeStopKind::NotANumber, 0, 1,
                               "'2000\t' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadRanges, depthCellWithDWhileMinimumHasNone) {
    RangeCellTexts cells = defaultCells();
    cells[1] = {u"1000", u"3.0d", u"1000"};
    const RangeReading r = readRanges(cells, u'.');
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.stop->column, 1);
    EXPECT_EQ(toUtf8(r.stop->message), "'3.0d' is not a valid floating point value");
}

TEST(ReadRanges, negativeDiameterHidesLaterBadCells) {
    RangeCellTexts cells = defaultCells();
    cells[0][1] = u"-2000";
    cells[1][0] = u"abc";
    cells[2][0] = u"-5";
    const RangeReading r = readRanges(cells, u'.');
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.stop->kind, RangeStopKind::Negative);
    EXPECT_EQ(r.stop->row, kRangeRowD);
}

TEST(ReadRanges, rowConvertsAllThreeCellsBeforeTheSignCheck) {
    // A bad step cell in the diameter row is reported even though the
    // minimum of that row is negative.
    RangeCellTexts cells = defaultCells();
    cells[0][0] = u"-1000";
    cells[0][2] = u"five";
    const RangeReading r = readRanges(cells, u'.');
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.stop->kind, RangeStopKind::NotANumber);
    EXPECT_EQ(toUtf8(r.stop->message), "'five' is not a valid floating point value");
}

TEST(ReadRanges, textAfterTheFirstDIsIgnored) {
    RangeCellTexts cells = defaultCells();
    cells[1] = {u"1.5d2", u"2.5dd", u"0.5d x"};
    const RangeReading r = readRanges(cells, u'.');
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(rangeValues(r.ranges.hr), (std::vector<double>{1.5, 2.0, 2.5}));
}

TEST(ReadRanges, aHugeBadCellIsQuotedShort) {
    // A pasted megabyte is quoted by its first 100 characters and an ellipsis.
    RangeCellTexts cells = defaultCells();
    cells[0][0] = std::u16string(1'000'000, u'x');
    const RangeReading r = readRanges(cells, u'.');
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.stop->message, u"'" + std::u16string(100, u'x') + u"…' is not a valid floating point value");
}

TEST(QuotedText, cutsAfterOneHundredCharactersWithoutSplittingAPair) {
    EXPECT_EQ(quotedText(std::u16string(100, u'9')), std::u16string(100, u'9'));
    EXPECT_EQ(quotedText(std::u16string(101, u'9')), std::u16string(100, u'9') + u"…");
    // A character outside the BMP straddling the cut stays whole or goes whole.
    const std::u16string pair = u"\U0001F600";
    const std::u16string text = std::u16string(99, u'a') + pair + u"b";
    EXPECT_EQ(quotedText(text), std::u16string(99, u'a') + u"…");
}

}  // namespace
}  // namespace pilecalc
