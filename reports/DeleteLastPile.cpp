// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/DeleteLastPile.h"

#include <algorithm>

#include "reports/CalculationBook.h"
#include "reports/SummaryTable.h"

namespace pilecalc {
namespace {

void dropLastBookBlock(Lines& book) {
    // book = ... previous block's end | last block ... its end | time line
    if (book.size() < 2) return;
    const auto timeLine = book.end() - 1;
    const auto lastBlockEnd = timeLine - 1;  // removed whatever it holds
    const auto previousEnd = std::find(std::make_reverse_iterator(lastBlockEnd), book.rend(), kBookBlockEnd);
    const auto firstRemoved = previousEnd.base();  // begin() when no earlier block end exists
    book.erase(firstRemoved, timeLine);
}

}  // namespace

void DeleteLastPile(Lines& book, Lines& table, int pileCount) {
    if (pileCount <= 1) {
        book.clear();
        table.clear();
        return;
    }
    constexpr std::size_t rowFromEnd = kSummaryFooterLines + 1;
    if (table.size() >= rowFromEnd) table.erase(table.end() - static_cast<std::ptrdiff_t>(rowFromEnd));
    dropLastBookBlock(book);
}

}  // namespace pilecalc
