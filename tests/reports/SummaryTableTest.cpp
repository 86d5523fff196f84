// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/ReportPiles.h"
#include "reports/SummaryTable.h"
#include "reports/TextColumns.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

using test::makePile;
using test::PileTexts;
using test::toUtf8;

// Splits a row that overflows no field into its 17 columns: 11 columns,
// fifteen of 10 and a last one of 9, counted in display width.
std::vector<std::u16string> columnsOf(const std::u16string& row) {
    std::vector<std::u16string> out;
    std::size_t pos = 0;
    for (int col = 0; col < 17; ++col) {
        const int width = col == 0 ? 11 : (col == 16 ? 9 : 10);
        std::size_t end = pos;
        while (end < row.size() && DisplayWidth(std::u16string_view(row).substr(pos, end - pos)) < width) ++end;
        out.push_back(row.substr(pos, end - pos));
        pos = end;
    }
    EXPECT_EQ(pos, row.size()) << "row longer than 170 columns: " << toUtf8(row);
    return out;
}

struct ModeRowCase {
    const char* name;
    PrecisionMode mode;
    std::u16string expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ModeRowCase& c, std::ostream* os) { *os << c.name; }

class SummaryRowByMode : public ::testing::TestWithParam<ModeRowCase> {};

TEST_P(SummaryRowByMode, startPileRowIs170ColumnsWide) {
    const auto& c = GetParam();
    const auto p = makePile();
    const std::u16string row = SummaryRow(1, p.typed, p.pile, p.result, c.mode, u'.');
    EXPECT_EQ(row, c.expected) << "\n  got      [" << toUtf8(row) << "]\n  expected [" << toUtf8(c.expected) << "]";
    EXPECT_EQ(DisplayWidth(row), 170);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SummaryRowByMode,
    ::testing::Values(
        ModeRowCase{
            "two_decimals", PrecisionMode::TwoDecimals,
            u"   ZH1      圆  桩     1000      1.0d     25.00       是       0.70      1.00     0.0490    3848.45   "
            u"28.00%    0.5040    9896.02   72.00%   13744.47    1.80     7635.82 "},
        ModeRowCase{
            "one_decimal", PrecisionMode::OneDecimal,
            u"   ZH1      圆  桩     1000      1.0d     25.00       是       0.70      1.00     0.0490     3848.5    "
            u"28.0%    0.5040     9896.0    72.0%    13744.5    1.80      7635.8 "},
        ModeRowCase{
            "whole_units", PrecisionMode::WholeUnits,
            u"   ZH1      圆  桩     1000      1.0d     25.00       是       0.70      1.00     0.0490      3848      "
            u"28%     0.5040      9896      72%      13744     1.80       7636  "},
        ModeRowCase{
            "tens", PrecisionMode::TruncateTens,
            u"   ZH1      圆  桩     1000      1.0d     25.00       是       0.70      1.00     0.0490      3840      "
            u"28%     0.5040      9890      72%      13740     1.80       7630  "},
        ModeRowCase{
            "hundreds", PrecisionMode::TruncateHundreds,
            u"   ZH1      圆  桩     1000      1.0d     25.00       是       0.70      1.00     0.0490      3800      "
            u"28%     0.5040      9800      72%      13700     1.80       7600  "}),
    [](const auto& info) { return std::string(info.param.name); });

// One column of a row (1-based, as the heading counts them).
struct ColumnCase {
    const char* name;
    PileTexts texts;
    char16_t separator;
    PrecisionMode mode;
    int column;
    std::u16string expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }

class SummaryColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(SummaryColumns, holdTheValueInItsField) {
    const auto& c = GetParam();
    const auto p = makePile(c.texts, c.separator);
    const std::u16string row = SummaryRow(1, p.typed, p.pile, p.result, c.mode, c.separator);
    ASSERT_EQ(DisplayWidth(row), 170) << toUtf8(row);
    const auto cols = columnsOf(row);
    EXPECT_EQ(cols[static_cast<std::size_t>(c.column - 1)], c.expected) << toUtf8(row);
}

PileTexts notWeathered() { return {.weathered = false, .reduction = u"0.75"}; }
PileTexts capped() { return {.hr = u"6000", .frk = u"80", .reduction = u"0.75", .gammaCR = u"1.70"}; }
PileTexts depthInMm() { return {.d = u"1200", .hr = u"3000", .frk = u"40", .weathered = false, .gammaCR = u"1.75"}; }
PileTexts zeroReduction() { return {.reduction = u"0"}; }

INSTANTIATE_TEST_SUITE_P(
    Columns, SummaryColumns,
    ::testing::Values(
        ColumnCase{"not_weathered_answer", notWeathered(), u'.', PrecisionMode::WholeUnits, 6, u"   否     "},
        ColumnCase{"not_weathered_factor", notWeathered(), u'.', PrecisionMode::WholeUnits, 7, u"  1.00    "},
        ColumnCase{"comma_not_weathered_factor_keeps_period", notWeathered(), u',', PrecisionMode::WholeUnits, 7,
                   u"  1.00    "},
        ColumnCase{"comma_weathered_factor", PileTexts{}, u',', PrecisionMode::WholeUnits, 7, u"  0,70    "},
        ColumnCase{"comma_strength", PileTexts{}, u',', PrecisionMode::WholeUnits, 5, u" 25,00    "},
        ColumnCase{"comma_side_resistance", PileTexts{}, u',', PrecisionMode::TwoDecimals, 10, u" 3848,45  "},
        ColumnCase{"comma_share", PileTexts{}, u',', PrecisionMode::TwoDecimals, 11, u" 28,00%   "},
        ColumnCase{"comma_partial_factor", PileTexts{}, u',', PrecisionMode::WholeUnits, 16, u"  1,80    "},
        ColumnCase{"capped_ratio_as_entered", capped(), u'.', PrecisionMode::WholeUnits, 8, u"  6.00    "},
        ColumnCase{"capped_side_resistance", capped(), u'.', PrecisionMode::WholeUnits, 10, u"  65973   "},
        ColumnCase{"capped_design_hundreds", capped(), u'.', PrecisionMode::TruncateHundreds, 17, u"  42100  "},
        ColumnCase{"depth_in_mm_typed", depthInMm(), u'.', PrecisionMode::WholeUnits, 4, u"  3000    "},
        ColumnCase{"depth_in_mm_ratio", depthInMm(), u'.', PrecisionMode::WholeUnits, 8, u"  2.50    "},
        ColumnCase{"depth_in_mm_partial_factor", depthInMm(), u'.', PrecisionMode::WholeUnits, 16, u"  1.75    "},
        ColumnCase{"zero_reduction_side_share_blank", zeroReduction(), u'.', PrecisionMode::TwoDecimals, 11,
                   u"          "},
        ColumnCase{"zero_reduction_end_share_blank", zeroReduction(), u'.', PrecisionMode::WholeUnits, 14,
                   u"          "},
        ColumnCase{"zero_reduction_capacity_zero", zeroReduction(), u'.', PrecisionMode::WholeUnits, 17, u"      0  "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SummaryRow, overflowingFieldsPushTheRestRightWithoutCutting) {
    const auto p = makePile();
    const std::u16string first = SummaryRow(1, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u'.');

    const std::u16string far = SummaryRow(10000, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u'.');
    EXPECT_TRUE(far.starts_with(u"   ZH10000  ")) << toUtf8(far);
    EXPECT_EQ(far.substr(12), first.substr(11));
    EXPECT_EQ(DisplayWidth(far), 171);

    const auto wide = makePile({.hr = u"12000.5"});
    const std::u16string row = SummaryRow(1, wide.typed, wide.pile, wide.result, PrecisionMode::WholeUnits, u'.');
    EXPECT_NE(row.find(u"    12000.5     25.00  "), std::u16string::npos) << toUtf8(row);
    EXPECT_EQ(DisplayWidth(row), 171);
}

TEST(SummaryHeader, titleRulesAndHeadingsSpanTheTable) {
    const Lines header = SummaryHeader();
    ASSERT_EQ(header.size(), kSummaryHeaderLines);
    EXPECT_EQ(header[0], std::u16string(83, u'=') + u" 嵌岩桩计算书 " + std::u16string(73, u'='));
    EXPECT_EQ(header[0].size(), 164u);
    EXPECT_EQ(header[1], std::u16string(170, u'-'));
    EXPECT_EQ(header[2], kSummaryHeadingTop);
    EXPECT_EQ(header[3], kSummaryHeadingUnits);
    EXPECT_EQ(header[4], std::u16string(170, u'-'));
    EXPECT_EQ(header[2].size(), 105u);
    EXPECT_EQ(header[3].size(), 145u);
    const int widths[] = {170, 170, 170, 167, 170};  // the Greek letters count one column each
    for (std::size_t i = 0; i < header.size(); ++i) EXPECT_EQ(DisplayWidth(header[i]), widths[i]) << "line " << i + 1;
}

TEST(SummaryFooter, closesWithTheNoteAndTheTime) {
    const Lines footer = SummaryFooter(u"2024/5/6 9:08:07");
    const Lines expected{std::u16string(170, u'-'), u" 注: 采用《港口工程桩基规范》(JTS 167-4-2012)公式计算",
                         std::u16string(170, u'='), u"计算时间：2024/5/6 9:08:07"};
    EXPECT_EQ(footer, expected);
}

TEST(AppendSummaryRow, firstPileWritesHeaderRowAndFooter) {
    const auto p = makePile();
    Lines table;
    AppendSummaryRow(table, 1, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u"T1", u'.');
    Lines expected = SummaryHeader();
    expected.push_back(SummaryRow(1, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u'.'));
    const Lines footer = SummaryFooter(u"T1");
    expected.insert(expected.end(), footer.begin(), footer.end());
    EXPECT_EQ(table, expected);
}

TEST(AppendSummaryRow, laterPileReplacesTheFooterAndKeepsEarlierRows) {
    const auto first = makePile();
    const auto second = makePile(depthInMm());
    Lines table;
    AppendSummaryRow(table, 1, first.typed, first.pile, first.result, PrecisionMode::WholeUnits, u"T1", u'.');
    AppendSummaryRow(table, 2, second.typed, second.pile, second.result, PrecisionMode::TwoDecimals, u"T2", u'.');

    ASSERT_EQ(table.size(), 11u);
    const Lines header = SummaryHeader();
    EXPECT_TRUE(std::equal(header.begin(), header.end(), table.begin()));
    EXPECT_EQ(table[5], SummaryRow(1, first.typed, first.pile, first.result, PrecisionMode::WholeUnits, u'.'));
    EXPECT_EQ(table[6], SummaryRow(2, second.typed, second.pile, second.result, PrecisionMode::TwoDecimals, u'.'));
    const Lines footer = SummaryFooter(u"T2");
    EXPECT_TRUE(std::equal(footer.begin(), footer.end(), table.begin() + 7));
}

}  // namespace
}  // namespace pilecalc
