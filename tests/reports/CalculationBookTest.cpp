// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/CalculationBook.h"
#include "reports/ReportPiles.h"
#include "reports/TextColumns.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

using test::makePile;
using test::PileTexts;
using test::toUtf8;

Lines splitLines(std::u16string_view text) {
    Lines out;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(u'\n', start);
        out.emplace_back(text.substr(start, end - start));
        if (end == std::u16string_view::npos) return out;
        start = end + 1;
    }
}

// Pile ZH1 of the start inputs, whole-unit precision, period separator.
constexpr std::u16string_view kStartPileBlock =
    uR"BOOK(================== 嵌岩桩计算书 ==================
1.基桩编号: ZH1
2.输入数据
  2.1 基桩参数
      桩身截面类型:                      圆桩
      桩身直径d:                         1000 mm
      桩身嵌岩深度hr:                    1.0d
  2.2 基岩参数
      岩石单轴抗压强度标准值frk:        25.00 MPa
      嵌入中等风化岩石:                    是
      岩石侧阻端阻计算系数折减:          0.70
  2.3 分项系数
      单桩轴向承载力抗力分项系数γcR:    1.80
3.采用规范及公式
  3.1 采用规范:
                    《港口工程桩基规范》
                      (JTS 167-4-2012)
  3.2 规范公式:
                Qd=Qk/γR              (4.2.2)
               Qcd=U1∑ζfi.qfi.li/γcs
         +(U2ζs.frk.hr+ζp.frk.A)/γcR
                                     (4.2.4-4)
4.承载力计算
  4.1 桩身直径d:                         1000 mm
      桩身截面面积A:                     0.79 m^2
      桩身截面周长U2:                    3.14 m
  4.2 岩石坚硬程度:                    较软岩
  4.3 嵌岩深径比hr/d:                    1.00
  4.4 嵌岩段侧阻力计算采用嵌岩深度:      1000 mm
      嵌岩段侧阻力系数ζs:             0.0490
      嵌岩段总极限侧阻力标准值Qcs:    3848.45 kN
  4.5 嵌岩段端阻力系数ζp:             0.5040
      嵌岩段总极限端阻力标准值Qcp:    9896.02 kN
  4.6 嵌岩段总极限阻力标准值Qck:     13744.47 kN
      嵌岩段总极限侧阻力所占比例:      28.00%
      嵌岩段总极限端阻力所占比例:      72.00%
  4.7 覆盖层桩周极限侧阻力(不考虑)：     0.00 kN
  4.8 单桩轴向极限承载力标准值Qk:    13744.47 kN
      单桩轴向承载力抗力分项系数γcR:    1.80
      单桩轴向承载力特征值Qcd:        7635.82 kN
5.基桩主要数据汇总
      ---------------------------------------
      基    桩  桩身截面  桩身直径  嵌岩深度 
      编    号  类    型    d(mm)    hr(mm)  
      ---------------------------------------
        ZH1      圆  桩     1000      1.0d   
      ---------------------------------------
      岩石强度  极限侧阻  极限端阻  嵌岩阻力 
      frk(MPa)   Qcs(kN)   Qcp(kN)   Qck(kN) 
      ---------------------------------------
        25.00     3848      9896      13744  
      ---------------------------------------
      桩承载力  极限侧阻  极限端阻  岩石坚硬 
       Qcd(kN)  占百分比  占百分比  程    度 
      ---------------------------------------
        7636       28%       72%     较软岩  
      ---------------------------------------
==================================================)BOOK";

// Index into a block of its layout line number 1..59; line 29 is printed
// only for a capped depth ratio, so without it the later lines move up.
std::size_t blockIndex(std::size_t line, bool ratioCapped) {
    EXPECT_TRUE(ratioCapped || line != 29) << "line 29 exists only for a capped ratio";
    return (ratioCapped || line < 29) ? line - 1 : line - 2;
}

void expectSameLines(const Lines& actual, const Lines& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1 << ":\n  got      [" << toUtf8(actual[i])
                                          << "]\n  expected [" << toUtf8(expected[i]) << "]";
    }
}

TEST(BookBlock, startInputsGiveTheReferenceBlock) {
    const auto p = makePile();
    const Lines block = BookBlock(1, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u'.');
    expectSameLines(block, splitLines(kStartPileBlock));
}

TEST(AppendBook, firstPileIsTheBlockFollowedByOneTimeLine) {
    const auto p = makePile();
    Lines book;
    AppendBook(book, 1, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u"2024/5/6 9:08:07", u'.');
    Lines expected = splitLines(kStartPileBlock);
    expected.emplace_back(u"计算时间：2024/5/6 9:08:07");
    expectSameLines(book, expected);
}

// The three summary rows (block lines 47, 52, 57) follow the precision mode;
// everything above them keeps two decimals in every mode.
struct SummaryRowsCase {
    const char* name;
    PrecisionMode mode;
    std::u16string strengthRow;  // line 52
    std::u16string capacityRow;  // line 57
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const SummaryRowsCase& c, std::ostream* os) { *os << c.name; }

class BookSummaryByMode : public ::testing::TestWithParam<SummaryRowsCase> {};

TEST_P(BookSummaryByMode, rowsFollowTheModeAndTheRestDoesNot) {
    const auto& c = GetParam();
    const auto p = makePile();
    const Lines block = BookBlock(1, p.typed, p.pile, p.result, c.mode, u'.');
    const Lines reference = splitLines(kStartPileBlock);
    ASSERT_EQ(block.size(), reference.size());
    const std::size_t strength = blockIndex(52, false);
    const std::size_t capacity = blockIndex(57, false);
    EXPECT_EQ(block[strength], c.strengthRow) << toUtf8(block[strength]);
    EXPECT_EQ(block[capacity], c.capacityRow) << toUtf8(block[capacity]);
    for (std::size_t i = 0; i < reference.size(); ++i) {
        if (i == strength || i == capacity) continue;
        EXPECT_EQ(block[i], reference[i]) << "index " << i << " must not depend on the mode";
    }
    for (std::size_t line : {47, 52, 57}) EXPECT_EQ(DisplayWidth(block[blockIndex(line, false)]), 45);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, BookSummaryByMode,
    ::testing::Values(SummaryRowsCase{"two_decimals", PrecisionMode::TwoDecimals,
                                      u"        25.00    3848.45   9896.02  13744.47 ",
                                      u"       7635.82   28.00%    72.00%    较软岩  "},
                      SummaryRowsCase{"one_decimal", PrecisionMode::OneDecimal,
                                      u"        25.00    3848.5    9896.0    13744.5 ",
                                      u"       7635.8     28.0%     72.0%    较软岩  "},
                      SummaryRowsCase{"whole_units_round", PrecisionMode::WholeUnits,
                                      u"        25.00     3848      9896      13744  ",
                                      u"        7636       28%       72%     较软岩  "},
                      SummaryRowsCase{"tens_truncate_forces_not_shares", PrecisionMode::TruncateTens,
                                      u"        25.00     3840      9890      13740  ",
                                      u"        7630       28%       72%     较软岩  "},
                      SummaryRowsCase{"hundreds_truncate_forces_not_shares", PrecisionMode::TruncateHundreds,
                                      u"        25.00     3800      9800      13700  ",
                                      u"        7600       28%       72%     较软岩  "}),
    [](const auto& info) { return std::string(info.param.name); });

// Single lines of a block for inputs other than the start values; line is
// the layout line number (see blockIndex).
struct BookLineCase {
    const char* name;
    PileTexts texts;
    char16_t separator;
    std::size_t line;
    std::u16string expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const BookLineCase& c, std::ostream* os) { *os << c.name; }

class BookLines : public ::testing::TestWithParam<BookLineCase> {};

TEST_P(BookLines, showTheInputsAndResults) {
    const auto& c = GetParam();
    const auto p = makePile(c.texts, c.separator);
    const Lines block = BookBlock(1, p.typed, p.pile, p.result, PrecisionMode::TwoDecimals, c.separator);
    const std::size_t i = blockIndex(c.line, p.result.ratioCapped);
    ASSERT_LT(i, block.size());
    EXPECT_EQ(block[i], c.expected) << toUtf8(block[i]);
}

PileTexts depthInMm() { return {.hr = u"2000"}; }
PileTexts depthAsMultiple() { return {.hr = u"2.0d"}; }
PileTexts cappedDepth() { return {.hr = u"6000", .frk = u"80", .reduction = u"0.75", .gammaCR = u"1.70"}; }
PileTexts notWeathered() { return {.weathered = false, .reduction = u"0.75"}; }
PileTexts zeroReduction() { return {.reduction = u"0"}; }

INSTANTIATE_TEST_SUITE_P(
    Inputs, BookLines,
    ::testing::Values(
        BookLineCase{"depth_in_mm_has_unit", depthInMm(), u'.', 7, u"      桩身嵌岩深度hr:                    2000 mm"},
        BookLineCase{"depth_as_multiple_has_no_unit", depthAsMultiple(), u'.', 7,
                     u"      桩身嵌岩深度hr:                    2.0d"},
        BookLineCase{"capped_ratio_as_entered", cappedDepth(), u'.', 28,
                     u"  4.3 嵌岩深径比hr/d:                    6.00"},
        BookLineCase{"capped_ratio_line_present", cappedDepth(), u'.', 29,
                     u"      计算承载力采用的嵌岩深径比:        5.00"},
        BookLineCase{"capped_depth_used", cappedDepth(), u'.', 30, u"  4.4 嵌岩段侧阻力计算采用嵌岩深度:      5000 mm"},
        BookLineCase{"capped_rock_class", cappedDepth(), u'.', 27, u"  4.2 岩石坚硬程度:                    坚硬岩"},
        BookLineCase{"capped_side_resistance", cappedDepth(), u'.', 32,
                     u"      嵌岩段总极限侧阻力标准值Qcs:   65973.45 kN"},
        BookLineCase{"capped_design_value", cappedDepth(), u'.', 41,
                     u"      单桩轴向承载力特征值Qcd:       42134.30 kN"},
        BookLineCase{"not_weathered_answer", notWeathered(), u'.', 10,
                     u"      嵌入中等风化岩石:                    否"},
        BookLineCase{"not_weathered_factor_one", notWeathered(), u'.', 11,
                     u"      岩石侧阻端阻计算系数折减:          1.00"},
        BookLineCase{"not_weathered_full_coefficient", notWeathered(), u'.', 31,
                     u"      嵌岩段侧阻力系数ζs:             0.0700"},
        BookLineCase{"comma_strength", PileTexts{}, u',', 9, u"      岩石单轴抗压强度标准值frk:        25,00 MPa"},
        BookLineCase{"comma_area", PileTexts{}, u',', 25, u"      桩身截面面积A:                     0,79 m^2"},
        BookLineCase{"comma_share", PileTexts{}, u',', 36, u"      嵌岩段总极限侧阻力所占比例:      28,00%"},
        BookLineCase{"comma_keeps_fixed_overburden_text", PileTexts{}, u',', 38,
                     u"  4.7 覆盖层桩周极限侧阻力(不考虑)：     0.00 kN"},
        BookLineCase{"comma_keeps_fixed_capped_ratio", cappedDepth(), u',', 29,
                     u"      计算承载力采用的嵌岩深径比:        5.00"},
        BookLineCase{"comma_capped_ratio_as_entered", cappedDepth(), u',', 28,
                     u"  4.3 嵌岩深径比hr/d:                    6,00"},
        BookLineCase{"comma_summary_row", PileTexts{}, u',', 52, u"        25,00    3848,45   9896,02  13744,47 "},
        BookLineCase{"zero_reduction_side_share_blank", zeroReduction(), u'.', 36,
                     u"      嵌岩段总极限侧阻力所占比例:           "},
        BookLineCase{"zero_reduction_end_share_blank", zeroReduction(), u'.', 37,
                     u"      嵌岩段总极限端阻力所占比例:           "},
        BookLineCase{"zero_reduction_summary_keeps_columns", zeroReduction(), u'.', 57,
                     u"        0.00" + std::u16string(25, u' ') + u"较软岩  "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BookBlock, cappedRatioAddsExactlyOneLine) {
    const auto capped = makePile(cappedDepth());
    const auto atFive = makePile({.hr = u"5000"});
    EXPECT_TRUE(capped.result.ratioCapped);
    EXPECT_FALSE(atFive.result.ratioCapped);
    EXPECT_EQ(BookBlock(1, capped.typed, capped.pile, capped.result, PrecisionMode::WholeUnits, u'.').size(), 59u);
    EXPECT_EQ(BookBlock(1, atFive.typed, atFive.pile, atFive.result, PrecisionMode::WholeUnits, u'.').size(), 58u);
}

TEST(BookBlock, valuesOfTheComputationLinesEndInColumn45) {
    const auto p = makePile(cappedDepth());
    const Lines block = BookBlock(1, p.typed, p.pile, p.result, PrecisionMode::TwoDecimals, u'.');
    for (std::size_t i = blockIndex(6, true); i <= blockIndex(41, true); ++i) {
        std::u16string_view line = block[i];
        // Headings ("3.1 采用规范:") and fixed texts carry no value.
        if (line.find(u':') == std::u16string_view::npos || line.ends_with(u':')) continue;
        for (std::u16string_view unit : {u" mm", u" m^2", u" m", u" MPa", u" kN"}) {
            if (line.ends_with(unit)) {
                line.remove_suffix(unit.size());
                break;
            }
        }
        // Labels carrying a Greek letter count it one column, so they end one
        // earlier; the shares end with their "%" in column 45.
        const bool greek = line.find(u'ζ') != std::u16string_view::npos || line.find(u'γ') != std::u16string_view::npos;
        EXPECT_EQ(DisplayWidth(line), greek ? 44 : 45) << "line " << i + 1 << ": " << toUtf8(block[i]);
    }
}

TEST(BookBlock, hugeDesignValueWidensTheSummaryRowWithoutCutting) {
    // 4000 mm in very hard rock: a Qcd above a million kN no longer fits six
    // significant digits and is written in scientific form.
    const auto p = makePile({.d = u"4000", .hr = u"20000", .frk = u"200", .weathered = false, .gammaCR = u"1.70"});
    ASSERT_GE(p.result.Qcd, 1e6);
    const Lines block = BookBlock(1, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u'.');
    const std::u16string& row = block[blockIndex(57, p.result.ratioCapped)];
    EXPECT_NE(row.find(u'E'), std::u16string::npos) << toUtf8(row);
    EXPECT_GT(DisplayWidth(row), 45);
    EXPECT_TRUE(row.ends_with(u"坚硬岩  ")) << toUtf8(row);
}

TEST(AppendBook, laterPilesReplaceTheTimeLineAndJoinBlocksDirectly) {
    const auto first = makePile();
    const auto second = makePile({.d = u"1200", .hr = u"3000", .frk = u"40", .weathered = false, .gammaCR = u"1.75"});
    Lines book;
    AppendBook(book, 1, first.typed, first.pile, first.result, PrecisionMode::WholeUnits, u"T1", u'.');
    AppendBook(book, 2, second.typed, second.pile, second.result, PrecisionMode::TwoDecimals, u"T2", u'.');

    const Lines block1 = BookBlock(1, first.typed, first.pile, first.result, PrecisionMode::WholeUnits, u'.');
    const Lines block2 = BookBlock(2, second.typed, second.pile, second.result, PrecisionMode::TwoDecimals, u'.');
    Lines expected = block1;
    expected.insert(expected.end(), block2.begin(), block2.end());
    expected.emplace_back(u"计算时间：T2");
    expectSameLines(book, expected);
    EXPECT_EQ(book[block1.size() - 1], kBookBlockEnd);
    EXPECT_EQ(book[block1.size() + 1], u"1.基桩编号: ZH2");
    EXPECT_EQ(std::count_if(book.begin(), book.end(), [](const auto& l) { return l.starts_with(kTimeLabel); }), 1);
}

}  // namespace
}  // namespace pilecalc
