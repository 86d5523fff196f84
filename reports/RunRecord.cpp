// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/RunRecord.h"

#include <utility>

#include "reports/CalculationBook.h"
#include "reports/DeleteLastPile.h"
#include "reports/SummaryTable.h"

namespace pilecalc {
namespace {

constexpr unsigned kBoth = static_cast<unsigned>(ReportText::Book) | static_cast<unsigned>(ReportText::Table);

// Everything above the table's footer and the book's time line survives a
// record or a delete; only what follows is written again.
LinesChanged keptBeforeTheEnd(const Lines& book, const Lines& table) {
    LinesChanged kept;
    kept.tableKept = table.size() >= kSummaryFooterLines ? table.size() - kSummaryFooterLines : 0;
    kept.bookKept = book.empty() ? 0 : book.size() - 1;
    return kept;
}

}  // namespace

LinesChanged RunRecord::record(RecordedPile pile, char16_t decimalSeparator) {
    const LinesChanged kept = keptBeforeTheEnd(m_book, m_table);
    const int n = pileCount() + 1;
    const TypedInputs typed{pile.inputs.d, pile.inputs.hr, pile.inputs.gammaCR};
    AppendSummaryRow(m_table, n, typed, pile.pile, pile.result, pile.mode, pile.time, decimalSeparator);
    AppendBook(m_book, n, typed, pile.pile, pile.result, pile.mode, pile.time, decimalSeparator);
    m_piles.push_back(std::move(pile));
    m_unsaved = kBoth;
    return kept;
}

LinesChanged RunRecord::deleteLast() {
    DeleteLastPile(m_book, m_table, pileCount());
    if (pileCount() <= 1) {
        m_piles.clear();
        m_unsaved = 0;
        return {};
    }
    m_piles.pop_back();
    m_unsaved = kBoth;
    return keptBeforeTheEnd(m_book, m_table);
}

void RunRecord::markSaved(ReportText text) { m_unsaved &= ~static_cast<unsigned>(text); }

}  // namespace pilecalc
