// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "reports/CalculationBook.h"
#include "reports/DeleteLastPile.h"
#include "reports/ReportPiles.h"
#include "reports/SummaryTable.h"

namespace pilecalc {
namespace {

using test::makePile;
using test::PileTexts;

// Three different piles recorded one after the other, with a snapshot of
// both texts after each record step.
class ThreeRecordedPiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const PileTexts texts[] = {
            {},
            {.d = u"1200", .hr = u"3000", .frk = u"40", .weathered = false, .gammaCR = u"1.75"},
            {.hr = u"6000", .frk = u"80", .reduction = u"0.75", .gammaCR = u"1.70"},  // capped: one line more
        };
        const std::u16string times[] = {u"T1", u"T2", u"T3"};
        for (int n = 1; n <= 3; ++n) {
            const auto p = makePile(texts[n - 1]);
            AppendBook(book, n, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, times[n - 1], u'.');
            AppendSummaryRow(table, n, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, times[n - 1], u'.');
            bookAfter.push_back(book);
            tableAfter.push_back(table);
        }
    }

    // The texts of k piles as deleting leaves them: the time lines keep the
    // time of the last computation.
    static Lines withTime(Lines text, std::u16string_view time) {
        text.back() = std::u16string(kTimeLabel) + std::u16string(time);
        return text;
    }

    Lines book;
    Lines table;
    std::vector<Lines> bookAfter;
    std::vector<Lines> tableAfter;
};

TEST_F(ThreeRecordedPiles, deletingStepByStepUndoesEachPileThenEmptiesBoth) {
    DeleteLastPile(book, table, 3);
    EXPECT_EQ(book, withTime(bookAfter[1], u"T3"));
    EXPECT_EQ(table, withTime(tableAfter[1], u"T3"));

    DeleteLastPile(book, table, 2);
    EXPECT_EQ(book, withTime(bookAfter[0], u"T3"));
    EXPECT_EQ(table, withTime(tableAfter[0], u"T3"));

    DeleteLastPile(book, table, 1);
    EXPECT_TRUE(book.empty());
    EXPECT_TRUE(table.empty());
}

TEST_F(ThreeRecordedPiles, nextPileAfterADeleteTakesTheFreedNumber) {
    DeleteLastPile(book, table, 3);
    const auto p = makePile();
    AppendBook(book, 3, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u"T4", u'.');
    AppendSummaryRow(table, 3, p.typed, p.pile, p.result, PrecisionMode::WholeUnits, u"T4", u'.');
    EXPECT_EQ(table.size(), 12u);
    EXPECT_TRUE(table[7].starts_with(u"   ZH3  "));
    EXPECT_EQ(std::count(book.begin(), book.end(), u"1.基桩编号: ZH3"), 1);
    EXPECT_EQ(book.back(), u"计算时间：T4");
}

// Texts that do not have the recorded shape must neither hang nor reach
// before their first line.
struct MalformedCase {
    const char* name;
    Lines book;
    Lines table;
    int pileCount;
    Lines bookAfter;
    Lines tableAfter;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class DeleteOnMalformedText : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(DeleteOnMalformedText, trimsOnlyWhatIsThere) {
    auto c = GetParam();
    DeleteLastPile(c.book, c.table, c.pileCount);
    EXPECT_EQ(c.book, c.bookAfter);
    EXPECT_EQ(c.table, c.tableAfter);
}

const std::u16string kEnd(kBookBlockEnd);

INSTANTIATE_TEST_SUITE_P(
    Shapes, DeleteOnMalformedText,
    ::testing::Values(
        MalformedCase{"empty_texts", {}, {}, 2, {}, {}},
        MalformedCase{"only_a_time_line", {u"time"}, {u"a", u"b"}, 2, {u"time"}, {u"a", u"b"}},
        MalformedCase{"no_earlier_block_end_keeps_time_line", {u"x", u"y", kEnd, u"time"}, {}, 2, {u"time"}, {}},
        MalformedCase{"stops_at_previous_block_end",
                      {u"a", kEnd, u"b", u"c", kEnd, u"time"},
                      {u"h", u"r1", u"r2", u"f1", u"f2", u"f3", u"f4"},
                      2,
                      {u"a", kEnd, u"time"},
                      {u"h", u"r1", u"f1", u"f2", u"f3", u"f4"}},
        MalformedCase{
            "table_shorter_than_footer_and_row", {}, {u"f1", u"f2", u"f3", u"f4"}, 5, {}, {u"f1", u"f2", u"f3", u"f4"}},
        MalformedCase{"zero_piles_empties", {u"a"}, {u"b"}, 0, {}, {}},
        MalformedCase{"negative_count_empties", {u"a"}, {u"b"}, -4, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pilecalc
