// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "reports/OptimisationTable.h"
#include "reports/ReportPiles.h"
#include "reports/SummaryTable.h"
#include "reports/TextColumns.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

using test::toUtf8;
using Cells = std::array<std::u16string_view, kOptimisationCells>;

// The start pile as the result grid lists it in whole-unit precision, with
// marker texts in the two columns a file never shows.
const Cells kStartPileCells{u"GRID#7", u"1000", u"7636",   u"1.0d", u"25.00",      u"是",
                            u"0.70",   u"1.00", u"0.0490", u"3848", u"28%",        u"0.5040",
                            u"9896",   u"72%",  u"13744",  u"1.80", u"REMARK-备注"};

TEST(optimisationTableHead, titleNamesTheListAboveTheSummaryHeadings) {
    const Lines head = optimisationTableHead(u"嵌岩桩优化计算原始结果");
    ASSERT_EQ(head.size(), kOptimisationHeadLines);
    EXPECT_EQ(head[0], std::u16string(73, u'=') + u" 嵌岩桩优化计算原始结果 " + std::u16string(73, u'='));
    EXPECT_EQ(head[0].size(), 159u);
    EXPECT_EQ(DisplayWidth(head[0]), 170);
    const Lines summary = SummaryHeader();
    for (std::size_t i = 1; i < head.size(); ++i) EXPECT_EQ(head[i], summary[i]) << "line " << i + 1;
}

struct NumberingCase {
    const char* name;
    std::size_t i;
    std::size_t rowCount;
    std::u16string start;  // the first 11 columns
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const NumberingCase& c, std::ostream* os) { *os << c.name; }

class OptimisationRowNumber : public ::testing::TestWithParam<NumberingCase> {};

TEST_P(OptimisationRowNumber, zeroFillsToTheDigitsOfTheRowCount) {
    const auto& c = GetParam();
    const std::u16string row = optimisationTableRow(c.i, c.rowCount, kStartPileCells);
    EXPECT_TRUE(row.starts_with(c.start)) << toUtf8(row);
    // The rest of the line does not depend on the number unless it overflows.
    const std::u16string first = optimisationTableRow(1, 1, kStartPileCells);
    EXPECT_EQ(row.substr(c.start.size()), first.substr(11));
}

INSTANTIATE_TEST_SUITE_P(Lists, OptimisationRowNumber,
                         ::testing::Values(NumberingCase{"nine_rows_first", 1, 9, u"   ZH-1    "},
                                           NumberingCase{"nine_rows_last", 9, 9, u"   ZH-9    "},
                                           NumberingCase{"ten_rows_first", 1, 10, u"   ZH-01   "},
                                           NumberingCase{"ten_rows_last", 10, 10, u"   ZH-10   "},
                                           NumberingCase{"hundred_twenty_first", 1, 120, u"  ZH-001   "},
                                           NumberingCase{"hundred_twenty_last", 120, 120, u"  ZH-120   "},
                                           NumberingCase{"thousand_rows", 57, 1000, u"  ZH-0057  "},
                                           NumberingCase{"hundred_thousand_overflows_field", 42, 100000,
                                                         u" ZH-000042  "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(optimisationTableRow, cellsLandInTheSummaryTableColumns) {
    // Built from the same texts, the list line and the summary row of the start
    // pile agree after the pile number: the file reads like the summary table.
    const auto p = test::makePile();
    const std::u16string summary = SummaryRow(1, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u'.');
    const std::u16string row = optimisationTableRow(3, 120, kStartPileCells);
    EXPECT_EQ(row.substr(11), summary.substr(11))
        << "\n  list    [" << toUtf8(row) << "]\n  summary [" << toUtf8(summary) << "]";
    EXPECT_EQ(DisplayWidth(row), 170);
    EXPECT_EQ(row.find(u"GRID#7"), std::u16string::npos);
    EXPECT_EQ(row.find(u"REMARK"), std::u16string::npos);
}

TEST(optimisationTableRow, centredFieldsAndOverflow) {
    Cells cells = kStartPileCells;
    cells[6] = u"0.8";       // reduction: centred in its field
    cells[15] = u"1.755";    // gammaCR: centred
    cells[1] = u"12345678";  // wider than 6: pushes the rest right
    const std::u16string row = optimisationTableRow(1, 9, cells);
    EXPECT_NE(row.find(u"  12345678    "), std::u16string::npos) << toUtf8(row);
    EXPECT_NE(row.find(u"   是        0.8    "), std::u16string::npos) << toUtf8(row);
    EXPECT_NE(row.find(u"13744     1.755      7636  "), std::u16string::npos) << toUtf8(row);
    EXPECT_EQ(DisplayWidth(row), 172);
    EXPECT_TRUE(row.ends_with(u"   7636  "));
}

}  // namespace
}  // namespace pilecalc
