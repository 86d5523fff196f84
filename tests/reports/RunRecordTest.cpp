// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/CalculationBook.h"
#include "reports/ReportPiles.h"
#include "reports/RunRecord.h"
#include "reports/SummaryTable.h"

namespace pilecalc {
namespace {

using test::PileTexts;

// Three different piles: a plain one, one in mm without weathering, a capped one.
const PileTexts kTexts[] = {
    {},
    {.d = u"1200", .hr = u"3000", .frk = u"40", .weathered = false, .gammaCR = u"1.75"},
    {.hr = u"6000", .frk = u"80", .reduction = u"0.75", .gammaCR = u"1.70"},
};

RecordedPile recorded(int k, PrecisionMode mode = PrecisionMode::WholeUnits) {
    const PileTexts& t = kTexts[k % 3];
    const auto p = test::makePile(t);
    return {{t.d, t.hr, t.frk, t.reduction, t.gammaCR, t.weathered},
            p.pile,
            p.result,
            mode,
            u"2025/3/14 9:26:" + std::u16string(1, static_cast<char16_t>(u'0' + k % 10))};
}

// The texts that appending the same piles straight into line lists gives.
struct Expected {
    Lines book, table;
};
Expected appendedDirectly(int piles) {
    Expected e;
    for (int k = 0; k < piles; ++k) {
        const RecordedPile r = recorded(k);
        const TypedInputs typed{r.inputs.d, r.inputs.hr, r.inputs.gammaCR};
        AppendBook(e.book, k + 1, typed, r.pile, r.result, r.mode, r.time, u'.');
        AppendSummaryRow(e.table, k + 1, typed, r.pile, r.result, r.mode, r.time, u'.');
    }
    return e;
}

RunRecord withPiles(int piles) {
    RunRecord run;
    for (int k = 0; k < piles; ++k) run.record(recorded(k), u'.');
    return run;
}

TEST(RunRecord, recordsTheSameTextsAsTheReportBuilders) {
    for (int piles : {1, 2, 7}) {
        const RunRecord run = withPiles(piles);
        const Expected e = appendedDirectly(piles);
        EXPECT_EQ(run.pileCount(), piles);
        EXPECT_EQ(run.bookLines(), e.book) << piles << " piles";
        EXPECT_EQ(run.tableLines(), e.table) << piles << " piles";
        ASSERT_EQ(run.piles().size(), static_cast<std::size_t>(piles));
        EXPECT_EQ(run.piles().back().inputs.d, kTexts[(piles - 1) % 3].d);
        EXPECT_EQ(run.piles().back().mode, PrecisionMode::WholeUnits);
        EXPECT_EQ(run.unsavedTexts(), 3);
    }
}

class FirstChangedLine : public ::testing::TestWithParam<int> {};

// A record keeps everything above the old footer and the old time line; a
// delete keeps everything above the removed block and row. The memo rewrites
// only what follows, so the kept lines must be truly unchanged and the first
// line after them truly new.
TEST_P(FirstChangedLine, recordAndDeleteKeepExactlyTheUnchangedLines) {
    const int before = GetParam();
    RunRecord run = withPiles(before);
    const Lines bookBefore = run.bookLines();
    const Lines tableBefore = run.tableLines();

    const LinesChanged added = run.record(recorded(before), u'.');
    EXPECT_EQ(added.bookKept, before == 0 ? 0 : bookBefore.size() - 1);
    EXPECT_EQ(added.tableKept, before == 0 ? 0 : tableBefore.size() - kSummaryFooterLines);
    for (std::size_t i = 0; i < added.bookKept; ++i) EXPECT_EQ(run.bookLines()[i], bookBefore[i]);
    for (std::size_t i = 0; i < added.tableKept; ++i) EXPECT_EQ(run.tableLines()[i], tableBefore[i]);
    if (before > 0) {
        EXPECT_NE(run.bookLines()[added.bookKept], bookBefore[added.bookKept]);
        EXPECT_NE(run.tableLines()[added.tableKept], tableBefore[added.tableKept]);
    }

    const LinesChanged removed = run.deleteLast();
    if (before == 0) {
        EXPECT_TRUE(run.bookLines().empty());
        EXPECT_TRUE(run.tableLines().empty());
        EXPECT_EQ(removed.bookKept, 0u);
        EXPECT_EQ(removed.tableKept, 0u);
        return;
    }
    // Back to the texts before the record, except the time lines, which keep
    // the time of the last computation.
    EXPECT_EQ(run.bookLines().size(), bookBefore.size());
    EXPECT_EQ(run.tableLines().size(), tableBefore.size());
    EXPECT_EQ(removed.bookKept, bookBefore.size() - 1);
    EXPECT_EQ(removed.tableKept, tableBefore.size() - kSummaryFooterLines);
    for (std::size_t i = 0; i + 1 < bookBefore.size(); ++i) EXPECT_EQ(run.bookLines()[i], bookBefore[i]);
    const std::u16string lastTime = std::u16string(kTimeLabel) + recorded(before).time;
    EXPECT_EQ(run.bookLines().back(), lastTime);
    EXPECT_EQ(run.tableLines().back(), lastTime);
}

INSTANTIATE_TEST_SUITE_P(PilesBefore, FirstChangedLine, ::testing::Values(0, 1, 2, 5),
                         [](const auto& info) { return "after_" + std::to_string(info.param) + "_piles"; });

TEST(RunRecord, deleteLastOnOneTwoAndManyPiles) {
    struct Row {
        const char* name;
        int piles;
        int left;
        int unsaved;
    };
    const Row rows[] = {
        {"only_pile_empties_and_leaves_nothing_to_save", 1, 0, 0},
        {"two_piles_leave_the_first_unsaved", 2, 1, 3},
        {"many_piles_leave_the_rest_unsaved", 6, 5, 3},
        {"no_pile_stays_empty", 0, 0, 0},
    };
    for (const Row& r : rows) {
        RunRecord run = withPiles(r.piles);
        run.markSaved(ReportText::Book);
        run.markSaved(ReportText::Table);
        run.deleteLast();
        EXPECT_EQ(run.pileCount(), r.left) << r.name;
        EXPECT_EQ(run.unsavedTexts(), r.unsaved) << r.name;
        EXPECT_EQ(run.piles().size(), static_cast<std::size_t>(r.left)) << r.name;
        if (r.left == 0) {
            EXPECT_TRUE(run.bookLines().empty()) << r.name;
            EXPECT_TRUE(run.tableLines().empty()) << r.name;
        } else {
            EXPECT_EQ(run.tableLines().size(), kSummaryHeaderLines + r.left + kSummaryFooterLines) << r.name;
            const Expected e = appendedDirectly(r.left);
            // Same texts as recording the remaining piles, but for the time lines.
            EXPECT_TRUE(std::equal(e.book.begin(), e.book.end() - 1, run.bookLines().begin())) << r.name;
        }
    }
}

TEST(RunRecord, saveMarksClearOneTextEachAndARecordSetsBoth) {
    struct Row {
        const char* name;
        std::vector<ReportText> saved;
        int unsaved;
        bool bookUnsaved, tableUnsaved;
    };
    const Row rows[] = {
        {"nothing_saved", {}, 3, true, true},
        {"book_saved", {ReportText::Book}, 2, false, true},
        {"table_saved", {ReportText::Table}, 1, true, false},
        {"both_saved", {ReportText::Book, ReportText::Table}, 0, false, false},
        {"book_saved_twice", {ReportText::Book, ReportText::Book}, 2, false, true},
    };
    for (const Row& r : rows) {
        RunRecord run = withPiles(2);
        for (ReportText t : r.saved) run.markSaved(t);
        EXPECT_EQ(run.unsavedTexts(), r.unsaved) << r.name;
        EXPECT_EQ(run.isUnsaved(ReportText::Book), r.bookUnsaved) << r.name;
        EXPECT_EQ(run.isUnsaved(ReportText::Table), r.tableUnsaved) << r.name;
        run.record(recorded(2), u'.');
        EXPECT_EQ(run.unsavedTexts(), 3) << r.name;
    }
    RunRecord empty;
    empty.markSaved(ReportText::Book);  // saving the empty book at start
    EXPECT_EQ(empty.unsavedTexts(), 0);
}

TEST(RunRecord, keepsEachPilesOwnPrecisionAndTime) {
    RunRecord run;
    run.record(recorded(0, PrecisionMode::TwoDecimals), u'.');
    run.record(recorded(1, PrecisionMode::TruncateHundreds), u'.');
    EXPECT_EQ(run.piles()[0].mode, PrecisionMode::TwoDecimals);
    EXPECT_EQ(run.piles()[1].mode, PrecisionMode::TruncateHundreds);
    EXPECT_EQ(run.piles()[0].time, recorded(0).time);
    EXPECT_EQ(run.lines(ReportText::Book).back(), std::u16string(kTimeLabel) + recorded(1).time);
}

}  // namespace
}  // namespace pilecalc
