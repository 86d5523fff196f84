// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "BatchReference.h"
#include "optimisation/BatchRun.h"
#include "optimisation/OptimisationMessages.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

using test::toUtf8;

RangeCellTexts defaultCells() {
    return {{{u"1000", u"2000", u"500"}, {u"1.0d", u"3.0d", u"1.0d"}, {u"30.00", u"50.00", u"10.00"}}};
}

OptimisationRanges rangesOf(const RangeCellTexts& cells, char16_t sep = u'.') {
    const RangeReading reading = readRanges(cells, sep);
    EXPECT_TRUE(reading.ok());
    return reading.ranges;
}

BatchSettings settings(PrecisionMode mode = PrecisionMode::WholeUnits, char16_t sep = u'.') {
    BatchSettings s;
    s.weathered = true;
    s.reduction = u"0.70";
    s.gammaCR = u"1.80";
    s.mode = mode;
    s.decimalSeparator = sep;
    return s;
}

ResultList runToEnd(const OptimisationRanges& ranges, const BatchSettings& s) {
    BatchRun run(ranges, s);
    run.step(~0ull);
    EXPECT_TRUE(run.done());
    return run.takeRows();
}

// Expected texts of the default run in whole units, worked out separately:
// number, d, Qcd, hr, frk, zetaS, Qcs, side share, zetaP, Qcp, end share, Qck.
struct DefaultRow {
    const char16_t* cells[12];
};
constexpr int kDefaultColumns[12] = {0, 1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14};
const DefaultRow kDefault27[27] = {
    {u"ZH-01", u"1000", u"9163", u"1.0d", u"30.00", u"0.0490", u"4618", u"28%", u"0.5040", u"11875", u"72%", u"16493"},
    {u"ZH-02", u"1000", u"12217", u"1.0d", u"40.00", u"0.0490", u"6158", u"28%", u"0.5040", u"15834", u"72%", u"21991"},
    {u"ZH-03", u"1000", u"15272", u"1.0d", u"50.00", u"0.0490", u"7697", u"28%", u"0.5040", u"19792", u"72%", u"27489"},
    {u"ZH-04", u"1000", u"11985", u"2.0d", u"30.00", u"0.0672", u"12667", u"59%", u"0.3780", u"8906", u"41%", u"21573"},
    {u"ZH-05", u"1000", u"15980", u"2.0d", u"40.00", u"0.0672", u"16889", u"59%", u"0.3780", u"11875", u"41%",
     u"28764"},
    {u"ZH-06", u"1000", u"19975", u"2.0d", u"50.00", u"0.0672", u"21112", u"59%", u"0.3780", u"14844", u"41%",
     u"35956"},
    {u"ZH-07", u"1000", u"13525", u"3.0d", u"30.00", u"0.0651", u"18407", u"76%", u"0.2520", u"5938", u"24%", u"24344"},
    {u"ZH-08", u"1000", u"18033", u"3.0d", u"40.00", u"0.0651", u"24542", u"76%", u"0.2520", u"7917", u"24%", u"32459"},
    {u"ZH-09", u"1000", u"22541", u"3.0d", u"50.00", u"0.0651", u"30678", u"76%", u"0.2520", u"9896", u"24%", u"40574"},
    {u"ZH-10", u"1500", u"20617", u"1.0d", u"30.00", u"0.0490", u"10391", u"28%", u"0.5040", u"26719", u"72%",
     u"37110"},
    {u"ZH-11", u"1500", u"27489", u"1.0d", u"40.00", u"0.0490", u"13854", u"28%", u"0.5040", u"35626", u"72%",
     u"49480"},
    {u"ZH-12", u"1500", u"34361", u"1.0d", u"50.00", u"0.0490", u"17318", u"28%", u"0.5040", u"44532", u"72%",
     u"61850"},
    {u"ZH-13", u"1500", u"26967", u"2.0d", u"30.00", u"0.0672", u"28501", u"59%", u"0.3780", u"20039", u"41%",
     u"48540"},
    {u"ZH-14", u"1500", u"35956", u"2.0d", u"40.00", u"0.0672", u"38001", u"59%", u"0.3780", u"26719", u"41%",
     u"64720"},
    {u"ZH-15", u"1500", u"44944", u"2.0d", u"50.00", u"0.0672", u"47501", u"59%", u"0.3780", u"33399", u"41%",
     u"80900"},
    {u"ZH-16", u"1500", u"30430", u"3.0d", u"30.00", u"0.0651", u"41415", u"76%", u"0.2520", u"13360", u"24%",
     u"54774"},
    {u"ZH-17", u"1500", u"40574", u"3.0d", u"40.00", u"0.0651", u"55220", u"76%", u"0.2520", u"17813", u"24%",
     u"73033"},
    {u"ZH-18", u"1500", u"50717", u"3.0d", u"50.00", u"0.0651", u"69025", u"76%", u"0.2520", u"22266", u"24%",
     u"91291"},
    {u"ZH-19", u"2000", u"36652", u"1.0d", u"30.00", u"0.0490", u"18473", u"28%", u"0.5040", u"47501", u"72%",
     u"65973"},
    {u"ZH-20", u"2000", u"48869", u"1.0d", u"40.00", u"0.0490", u"24630", u"28%", u"0.5040", u"63335", u"72%",
     u"87965"},
    {u"ZH-21", u"2000", u"61087", u"1.0d", u"50.00", u"0.0490", u"30788", u"28%", u"0.5040", u"79168", u"72%",
     u"109956"},
    {u"ZH-22", u"2000", u"47941", u"2.0d", u"30.00", u"0.0672", u"50668", u"59%", u"0.3780", u"35626", u"41%",
     u"86293"},
    {u"ZH-23", u"2000", u"63921", u"2.0d", u"40.00", u"0.0672", u"67557", u"59%", u"0.3780", u"47501", u"41%",
     u"115058"},
    {u"ZH-24", u"2000", u"79901", u"2.0d", u"50.00", u"0.0672", u"84446", u"59%", u"0.3780", u"59376", u"41%",
     u"143822"},
    {u"ZH-25", u"2000", u"54098", u"3.0d", u"30.00", u"0.0651", u"73626", u"76%", u"0.2520", u"23750", u"24%",
     u"97377"},
    {u"ZH-26", u"2000", u"72131", u"3.0d", u"40.00", u"0.0651", u"98168", u"76%", u"0.2520", u"31667", u"24%",
     u"129836"},
    {u"ZH-27", u"2000", u"90164", u"3.0d", u"50.00", u"0.0651", u"122711", u"76%", u"0.2520", u"39584", u"24%",
     u"162295"},
};

TEST(DefaultRun, twentySevenRowsCellByCell) {
    const ResultList rows = runToEnd(rangesOf(defaultCells()), settings());
    ASSERT_EQ(rows.size(), 27u);
    for (std::size_t i = 0; i < 27; ++i) {
        const auto cells = rows.cells(i);
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(toUtf8(cells[kDefaultColumns[k]]), toUtf8(kDefault27[i].cells[k]))
                << "row " << i + 1 << " column " << kDefaultColumns[k];
        }
        EXPECT_EQ(toUtf8(cells[5]), "是");
        EXPECT_EQ(toUtf8(cells[6]), "0.70");
        EXPECT_EQ(toUtf8(cells[7]), std::string(1, static_cast<char>('1' + (i / 3) % 3)) + ".00");
        EXPECT_EQ(toUtf8(cells[15]), "1.80");
        EXPECT_EQ(cells[16], u"");
        for (int column = 0; column < kResultColumns; ++column) {
            EXPECT_EQ(rows.cell(i, column), cells[static_cast<std::size_t>(column)]) << "column " << column;
        }
    }
}

TEST(DefaultRun, keysAreTheCellsReadBack) {
    const ResultList rows = runToEnd(rangesOf(defaultCells()), settings());
    EXPECT_EQ(rows.row(0).dKey, 1000.0);
    EXPECT_EQ(rows.row(0).QcdKey, 9163.0);
    EXPECT_EQ(rows.row(26).dKey, 2000.0);
    EXPECT_EQ(rows.row(26).QcdKey, 90164.0);
}

TEST(DefaultRun, matchesTheWindowPathInEveryMode) {
    for (int m = 0; m <= 4; ++m) {
        const BatchSettings s = settings(static_cast<PrecisionMode>(m));
        const ResultList rows = runToEnd(rangesOf(defaultCells()), s);
        const test::ReferenceRun ref = test::runReference(rangesOf(defaultCells()), s);
        ASSERT_EQ(rows.size(), ref.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows.cells(i), ref.rows[i]) << "mode " << m << " row " << i;
    }
}

TEST(BatchRows, depthStepOf035DWritesOneDecimalButKeepsTheExactRatio) {
    RangeCellTexts cells = defaultCells();
    cells[0] = {u"1000", u"1000", u"0"};
    cells[1] = {u"1.0d", u"2.0d", u"0.35d"};
    cells[2] = {u"30", u"30", u"0"};
    const ResultList rows = runToEnd(rangesOf(cells), settings());
    ASSERT_EQ(rows.size(), 4u);
    const char* hr[4] = {"1.0d", "1.4d", "1.7d", "2.0d"};
    const char* ratio[4] = {"1.00", "1.35", "1.70", "2.00"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(toUtf8(rows.cell(i, resultColumn::hr)), hr[i]);
        EXPECT_EQ(toUtf8(rows.cell(i, resultColumn::hrPerD)), ratio[i]);
        EXPECT_EQ(toUtf8(rows.cell(i, resultColumn::number)), "ZH-" + std::to_string(i + 1));
    }
    // The second pile is computed with the written 1.4 d, not with 1.35 d:
    // zetaS = (0.070 + 0.026 x 0.4) x 0.70 = 0.05628.
    EXPECT_EQ(toUtf8(rows.cell(1, resultColumn::zetaS)), "0.0563");
}

TEST(BatchRows, depthInMillimetresGivesRatioFromTheDiameter) {
    RangeCellTexts cells = defaultCells();
    cells[0] = {u"1000", u"1000", u"0"};
    cells[1] = {u"1000", u"3000", u"1000"};
    cells[2] = {u"30", u"30", u"0"};
    const ResultList rows = runToEnd(rangesOf(cells), settings());
    ASSERT_EQ(rows.size(), 3u);
    const char* hr[3] = {"1000", "2000", "3000"};
    const char* ratio[3] = {"1.00", "2.00", "3.00"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(toUtf8(rows.cell(i, resultColumn::hr)), hr[i]);
        EXPECT_EQ(toUtf8(rows.cell(i, resultColumn::hrPerD)), ratio[i]);
    }
}

TEST(BatchRows, notWeatheredShowsNoAndFactorOne) {
    BatchSettings s = settings();
    s.weathered = false;
    s.reduction = u"abc";  // not read when the box is clear
    const ResultList rows = runToEnd(rangesOf(defaultCells()), s);
    ASSERT_EQ(rows.size(), 27u);
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::weathered)), "否");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::reduction)), "1.00");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::zetaS)), "0.0700");
}

TEST(BatchRows, sharesInWholeHundredsNeedNotAddUpToOneHundred) {
    RangeCellTexts cells = defaultCells();
    cells[0] = {u"1000", u"1000", u"0"};
    cells[1] = {u"1.5d", u"1.5d", u"0d"};
    cells[2] = {u"30", u"30", u"0"};
    const ResultList rows = runToEnd(rangesOf(cells), settings(PrecisionMode::TruncateHundreds));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::Qcs)), "8200");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::Qcp)), "10300");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::Qck)), "18600");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::sideShare)), "44%");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::endShare)), "55%");
}

TEST(BatchRows, shownTotalOfZeroLeavesBothSharesEmpty) {
    // A reduction of 0 makes every resistance 0; a 10 mm pile in whole
    // hundreds shows a total of 0 as well. No "nan%" either way.
    BatchSettings zeroFactor = settings();
    zeroFactor.reduction = u"0";
    RangeCellTexts cells = defaultCells();
    ResultList rows = runToEnd(rangesOf(cells), zeroFactor);
    ASSERT_EQ(rows.size(), 27u);
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::Qck)), "0");
    EXPECT_EQ(rows.cell(0, resultColumn::sideShare), u"");
    EXPECT_EQ(rows.cell(0, resultColumn::endShare), u"");

    cells[0] = {u"10", u"10", u"0"};
    rows = runToEnd(rangesOf(cells), settings(PrecisionMode::TruncateHundreds));
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::Qck)), "0");
    EXPECT_EQ(rows.cell(0, resultColumn::sideShare), u"");
    EXPECT_EQ(rows.cells(0)[resultColumn::endShare], u"");
}

TEST(BatchRows, numbersAreZeroFilledToTheDigitsOfTheTotal) {
    struct Case {
        const char16_t* frkMax;
        const char* first;
        const char* last;
    } cases[] = {
        {u"30", "ZH-1", "ZH-3"}, {u"50", "ZH-1", "ZH-9"}, {u"60", "ZH-01", "ZH-12"}, {u"3360", "ZH-0001", "ZH-1002"}};
    for (const Case& c : cases) {
        RangeCellTexts cells = defaultCells();
        cells[0] = {u"1000", u"1000", u"0"};
        cells[2] = {u"30", c.frkMax, u"10"};
        const ResultList rows = runToEnd(rangesOf(cells), settings());
        EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::number)), c.first);
        EXPECT_EQ(toUtf8(rows.cell(rows.size() - 1, resultColumn::number)), c.last);
    }
}

TEST(CommaLocale, runsEndToEndWithPeriodsInTheFieldsThatNeedThem) {
    RangeCellTexts cells = {{{u"1000,5", u"1500,5", u"500"}, {u"1,0d", u"2,0d", u"1,0d"}, {u"30,5", u"40,5", u"10"}}};
    const BatchSettings s = settings(PrecisionMode::TwoDecimals, u',');
    const OptimisationRanges ranges = rangesOf(cells, u',');
    const ResultList rows = runToEnd(ranges, s);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::d)), "1000.5");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::hr)), "1,0d");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::frk)), "30.50");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::hrPerD)), "1,00");
    EXPECT_EQ(toUtf8(rows.cell(0, resultColumn::zetaS)), "0,0490");
    EXPECT_EQ(rows.row(0).dKey, 1000.5);
    const std::u16string Qcd = rows.cell(0, resultColumn::Qcd);
    EXPECT_NE(Qcd.find(u','), std::u16string::npos) << toUtf8(Qcd);
    EXPECT_EQ(rows.row(0).QcdKey, *readLocaleDecimal(Qcd, u','));
    const test::ReferenceRun ref = test::runReference(ranges, s);
    ASSERT_EQ(ref.rows.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows.cells(i), ref.rows[i]) << "row " << i;
}

// A run the pile checks stop: what stays and what the window is told.
struct StopCase {
    const char* name;
    RangeCellTexts cells;
    BatchSettings settings;
    std::size_t rowsKept;
    const char* d;
    const char* hr;
    const char* frk;
    PileField field;
    const char* message;  // empty: the checks passed, the result is not finite
};
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

BatchSettings withReduction(const char16_t* text) {
    BatchSettings s = settings();
    s.reduction = text;
    return s;
}

class RejectedCombination : public ::testing::TestWithParam<StopCase> {};

TEST_P(RejectedCombination, keepsTheRowsSoFarAndNamesTheCombination) {
    const StopCase& c = GetParam();
    BatchRun run(rangesOf(c.cells), c.settings);
    run.step(~0ull);
    ASSERT_TRUE(run.done());
    EXPECT_FALSE(run.completed());
    ASSERT_TRUE(run.stop().has_value());
    const BatchStop& stop = *run.stop();
    EXPECT_EQ(run.rowsProduced(), c.rowsKept);
    EXPECT_EQ(stop.combination, c.rowsKept);
    EXPECT_EQ(toUtf8(stop.inputs.d), c.d);
    EXPECT_EQ(toUtf8(stop.inputs.hr), c.hr);
    EXPECT_EQ(toUtf8(stop.inputs.frk), c.frk);
    EXPECT_EQ(stop.inputs.gammaCR, c.settings.gammaCR);
    EXPECT_EQ(run.combinationTexts(stop.combination),
              (CombinationTexts{stop.inputs.d, stop.inputs.hr, stop.inputs.frk}));
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(stop.reading.ok());
        ASSERT_TRUE(stop.result.has_value());
        EXPECT_FALSE(isPrintable(*stop.result));
    } else {
        ASSERT_FALSE(stop.reading.ok());
        EXPECT_FALSE(stop.result.has_value());
        EXPECT_EQ(stop.reading.failure->field, c.field);
        EXPECT_EQ(toUtf8(stop.reading.failure->message), c.message);
    }
    // Once stopped, further slices compute nothing.
    EXPECT_EQ(run.step(10), 0u);
    EXPECT_EQ(run.rowsProduced(), c.rowsKept);
    const test::ReferenceRun ref = test::runReference(rangesOf(c.cells), c.settings);
    ASSERT_EQ(ref.rows.size(), c.rowsKept);
    ASSERT_TRUE(ref.rejected.has_value());
    EXPECT_EQ(ref.rejected->d, stop.inputs.d);
}

INSTANTIATE_TEST_SUITE_P(
    Stops, RejectedCombination,
    ::testing::Values(StopCase{"largestDiameterWithSmallestDepthBelowOneD",
                               {{{u"1000", u"2000", u"1000"}, {u"1000", u"1500", u"500"}, {u"30", u"40", u"10"}}},
                               settings(),
                               4,
                               "2000",
                               "1000",
                               "30.00",
                               PileField::None,
                               "嵌岩深度小于1倍桩径"},
                      StopCase{"multipleBelowOneAtTheFirstCombination",
                               {{{u"1000", u"2000", u"500"}, {u"0.5d", u"1.5d", u"0.5d"}, {u"30", u"40", u"10"}}},
                               settings(),
                               0,
                               "1000",
                               "0.5d",
                               "30.00",
                               PileField::None,
                               "嵌岩深度小于1倍桩径"},
                      StopCase{"strengthMinimumZero",
                               {{{u"1000", u"2000", u"500"}, {u"1.0d", u"3.0d", u"1.0d"}, {u"0", u"50", u"10"}}},
                               settings(),
                               0,
                               "1000",
                               "1.0d",
                               "0.00",
                               PileField::frk,
                               "岩石单轴抗压强度有错"},
                      StopCase{"strengthRoundingToZeroInTheTwoDecimalText",
                               {{{u"1000", u"1000", u"0"}, {u"1.0d", u"1.0d", u"0d"}, {u"0.001", u"0.5", u"0.2"}}},
                               settings(),
                               0,
                               "1000",
                               "1.0d",
                               "0.00",
                               PileField::frk,
                               "岩石单轴抗压强度有错"},
                      StopCase{"badReductionTextWhenWeathered",
                               {{{u"1000", u"2000", u"500"}, {u"1.0d", u"3.0d", u"1.0d"}, {u"30", u"50", u"10"}}},
                               withReduction(u"1.5"),
                               0,
                               "1000",
                               "1.0d",
                               "30.00",
                               PileField::reduction,
                               "中风化岩石折减系数有错"},
                      StopCase{"absurdDiameterIsNotPrintable",
                               {{{u"1e200", u"1e200", u"0"}, {u"1.0d", u"1.0d", u"0d"}, {u"30", u"30", u"0"}}},
                               settings(),
                               0,
                               "1E200",
                               "1.0d",
                               "30.00",
                               PileField::None,
                               ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunControl, slicesGiveTheSameRowsAsOneGo) {
    const OptimisationRanges ranges = rangesOf(defaultCells());
    BatchRun whole(ranges, settings());
    whole.step(~0ull);
    BatchRun sliced(ranges, settings());
    std::vector<double> progress;
    while (!sliced.done()) {
        sliced.step(5);
        progress.push_back(sliced.percentDone());
    }
    EXPECT_TRUE(sliced.completed());
    EXPECT_EQ(progress.size(), 6u);
    EXPECT_EQ(progress.back(), 100.0);
    EXPECT_EQ(toUtf8(progressMessage(100.0 / 27.0, u'.')), "计算完成 3.7037037037037 %");
    ASSERT_EQ(sliced.rowsProduced(), whole.rowsProduced());
    for (std::size_t i = 0; i < whole.rows().size(); ++i) EXPECT_EQ(sliced.rows().cells(i), whole.rows().cells(i));
    EXPECT_EQ(toUtf8(batchDoneMessage(sliced.rowsProduced(), u'.')), "计算完成，桩数：27 根");
}

TEST(RunControl, runForStopsAtItsBudgetAndResumes) {
    RangeCellTexts cells = defaultCells();
    cells[0] = {u"1000", u"2000", u"1"};  // 1001 x 3 x 3 combinations
    BatchRun run(rangesOf(cells), settings());
    run.runFor(std::chrono::nanoseconds(0));
    EXPECT_GT(run.combinationsDone(), 0u);
    EXPECT_LT(run.combinationsDone(), run.total());
    while (!run.done()) run.runFor(std::chrono::milliseconds(5));
    EXPECT_TRUE(run.completed());
    EXPECT_EQ(run.rowsProduced(), 9009u);
}

TEST(RunControl, refusesMoreThanTheLimit) {
    RangeCellTexts cells = defaultCells();
    cells[0] = {u"1000", u"2000", u"0.001"};  // 1000001 x 3 x 3
    const OptimisationRanges ranges = rangesOf(cells);
    EXPECT_TRUE(exceedsCombinationLimit(ranges));
    EXPECT_THROW((void)BatchRun(ranges, settings()), std::length_error);
    EXPECT_EQ(toUtf8(combinationLimitMessage(combinationCount(ranges), u'.')),
              "组合数 9000009 超过上限 2000000，请加大步进值后重新计算");
}

TEST(RunControl, replayKnowsWhetherEarlierCombinationsChangedAText) {
    // Default grid: combination 1 already writes another strength.
    BatchRun changing(rangesOf(defaultCells()), settings());
    changing.step(~0ull);
    EXPECT_FALSE(changing.inputTextsChangedUpTo(0));
    EXPECT_TRUE(changing.inputTextsChangedUpTo(1));
    EXPECT_EQ(toUtf8(changing.combinationTexts(26).hr), "3.0d");
    EXPECT_EQ(toUtf8(changing.combinationTexts(25).frk), "40.00");

    // Strengths 30.000 .. 30.004 all write "30.00"; the depth changes text
    // only at combination 5.
    RangeCellTexts cells = defaultCells();
    cells[0] = {u"1000", u"1000", u"0"};
    cells[1] = {u"1.0d", u"2.0d", u"1.0d"};
    cells[2] = {u"30", u"30.004", u"0.001"};
    BatchRun same(rangesOf(cells), settings());
    same.step(~0ull);
    ASSERT_EQ(same.rowsProduced(), 10u);
    EXPECT_FALSE(same.inputTextsChangedUpTo(4));
    EXPECT_TRUE(same.inputTextsChangedUpTo(5));
    EXPECT_EQ(same.combinationTexts(3), same.combinationTexts(4));
}

// Random ranges, settings, modes and separators: the compact rows give the
// window path's cells byte for byte, and stop where it stops.
TEST(RandomRuns, compactRowsEqualTheWindowPath) {
    std::mt19937 rng(20240611);
    auto pick = [&rng](std::initializer_list<const char16_t*> options) {
        std::uniform_int_distribution<std::size_t> u(0, options.size() - 1);
        return std::u16string(options.begin()[u(rng)]);
    };
    std::size_t rowsCompared = 0;
    int runsCompleted = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const char16_t sep = trial % 3 == 0 ? u',' : u'.';
        RangeCellTexts cells;
        cells[0] = {pick({u"800", u"1000", u"1200.5", u"1500"}), pick({u"1000", u"2000", u"2500"}),
                    pick({u"100", u"300", u"333.3", u"0", u"700"})};
        if (trial % 2 == 0) {
            cells[1] = {pick({u"1.0d", u"1.2d", u"0.9d", u"2.5d"}), pick({u"3.0d", u"6.5d", u"1.0d"}),
                        pick({u"0.35d", u"0.5d", u"1.0d", u"0d"})};
        } else {
            cells[1] = {pick({u"1000", u"1500", u"2600"}), pick({u"3000", u"9000", u"12500"}),
                        pick({u"700", u"1000", u"2500"})};
        }
        cells[2] = {pick({u"5", u"9.5", u"30", u"0.004"}), pick({u"15", u"60", u"80.25"}),
                    pick({u"5", u"7.125", u"25", u"0"})};
        BatchSettings s = settings(static_cast<PrecisionMode>(trial % 5), sep);
        s.weathered = trial % 4 != 1;
        s.reduction = pick({u"0.70", u"0.75", u"0.80", u"0", u"1"});
        s.gammaCR = pick({u"1.80", u"1.70", u"1.5", u"2.25"});

        const OptimisationRanges ranges = rangesOf(cells, sep);
        BatchRun run(ranges, s);
        while (!run.done()) run.step(7);
        const test::ReferenceRun ref = test::runReference(ranges, s);
        ASSERT_EQ(run.rowsProduced(), ref.rows.size()) << "trial " << trial;
        EXPECT_EQ(run.stop().has_value(), ref.rejected.has_value()) << "trial " << trial;
        for (std::size_t i = 0; i < ref.rows.size(); ++i) {
            ASSERT_EQ(run.rows().cells(i), ref.rows[i]) << "trial " << trial << " row " << i;
            EXPECT_EQ(run.rows().row(i).QcdKey, *readLocaleDecimal(ref.rows[i][2], sep));
            EXPECT_EQ(run.rows().row(i).dKey, *readLocaleDecimal(ref.rows[i][1], sep));
        }
        rowsCompared += ref.rows.size();
        runsCompleted += run.completed() ? 1 : 0;
    }
    // The drawn ranges must exercise both complete runs and stops.
    EXPECT_GT(rowsCompared, 5000u);
    EXPECT_GT(runsCompleted, 50);
    EXPECT_LT(runsCompleted, 250);
    std::printf("compared %zu rows, %d of 300 runs complete\n", rowsCompared, runsCompleted);
}

}  // namespace
}  // namespace pilecalc
