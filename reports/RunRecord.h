// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The record of one run: every pile computed on the main layer, in order, and
// the two report texts made from them. The window's memos, the saved text
// files and the exports all read this one record, so the pile count, the
// texts and the unsaved marks can never drift apart.
//
//   record(pile)  -> pile k+1 appended: table row + footer, book block + time
//   deleteLast()  -> the last pile's row and block taken out of both texts
//   markSaved(t)  -> text t equals its file on disk
#include <cstddef>
#include <string>
#include <vector>

#include "engine/NumberFormat.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "reports/ReportInputs.h"

namespace pilecalc {

// One computed pile as it was recorded.
struct RecordedPile {
    PileInputTexts inputs;                 // the six inputs as typed (d, hr and gammaCR appear verbatim in the reports)
    PileCase pile;                         // the checked inputs
    PileResult result;                     // the computed coefficients and capacities
    PrecisionMode mode = kStartPrecision;  // display precision when it was recorded
    std::u16string time;                   // timeText of the record step, as the time lines show it
};

// The two report texts; values are bits so a set of them fits the design's
// unsaved counter (1 book, 2 table, 3 both).
enum class ReportText : unsigned { Book = 1, Table = 2 };

// Which lines a change left as they were: the memos rewrite only what follows.
struct LinesChanged {
    std::size_t bookKept = 0;   // leading book lines unchanged
    std::size_t tableKept = 0;  // leading table lines unchanged
};

class RunRecord {
  public:
    // Records the pile as number pileCount() + 1 and marks both texts unsaved.
    LinesChanged record(RecordedPile pile, char16_t decimalSeparator);

    // Takes the last pile out of both texts. With piles left both texts are
    // unsaved again (they no longer match any earlier file); deleting the only
    // pile empties the record and leaves nothing to save.
    LinesChanged deleteLast();

    // The text now equals its file.
    void markSaved(ReportText text);

    int pileCount() const { return static_cast<int>(m_piles.size()); }
    const std::vector<RecordedPile>& piles() const { return m_piles; }
    const Lines& bookLines() const { return m_book; }
    const Lines& tableLines() const { return m_table; }
    const Lines& lines(ReportText text) const { return text == ReportText::Book ? m_book : m_table; }
    bool isUnsaved(ReportText text) const { return (m_unsaved & static_cast<unsigned>(text)) != 0; }
    // 0 neither, 1 book, 2 table, 3 both unsaved.
    int unsavedTexts() const { return static_cast<int>(m_unsaved); }

  private:
    std::vector<RecordedPile> m_piles;
    Lines m_book;
    Lines m_table;
    unsigned m_unsaved = 0;
};

}  // namespace pilecalc
