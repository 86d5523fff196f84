// SPDX-License-Identifier: GPL-3.0-or-later
// Delete-last on book and table texts of any shape. Input: the book's lines,
// the table's lines (lines end at a line feed; a line "=" stands for the
// book's closing rule, the rest are taken as they are) and the pile count,
// separated by '|'.
//
// Properties: with at most one pile both texts are emptied. Otherwise the
// table loses exactly the line above its four footer lines (nothing when it
// has fewer than five), and the book keeps everything up to and including
// the last closing rule before its last block's end, then its time line
// (nothing changes with fewer than two lines); nothing else moves or changes.
#include <algorithm>

#include "fuzz/FuzzInput.h"
#include "reports/CalculationBook.h"
#include "reports/DeleteLastPile.h"
#include "reports/SummaryTable.h"

using namespace pilecalc;

namespace {

Lines linesOf(std::u16string_view text) {
    Lines out;
    while (!text.empty()) {
        const auto end = text.find(u'\n');
        const auto line = text.substr(0, end);
        out.emplace_back(line == u"=" ? kBookBlockEnd : line);
        text = end == std::u16string_view::npos ? std::u16string_view{} : text.substr(end + 1);
    }
    return out;
}

int pileCountOf(std::u16string_view text) {
    int value = 0;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9') value = std::min(value * 10 + (c - u'0'), 100000);
    }
    return text.find(u'-') != std::u16string_view::npos ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 3);
    const Lines book = linesOf(f[0]);
    const Lines table = linesOf(f[1]);
    const int piles = pileCountOf(f[2]);
    const std::string context = std::to_string(book.size()) + " book lines, " + std::to_string(table.size()) +
                                " table lines, " + std::to_string(piles) + " piles";

    Lines newBook = book;
    Lines newTable = table;
    DeleteLastPile(newBook, newTable, piles);
    if (piles <= 1) {
        FUZZ_CHECK(newBook.empty() && newTable.empty(), context + ": not emptied");
        return 0;
    }

    Lines expectedTable = table;
    if (table.size() >= kSummaryFooterLines + 1) {
        expectedTable.erase(expectedTable.end() - static_cast<std::ptrdiff_t>(kSummaryFooterLines + 1));
    }
    FUZZ_CHECK(newTable == expectedTable, context + ": table");

    if (book.size() < 2) {
        FUZZ_CHECK(newBook == book, context + ": a book without a block changed");
        return 0;
    }
    // Lines kept: up to the last rule among the lines before the last block's end.
    std::size_t kept = 0;
    for (std::size_t i = 0; i + 2 < book.size(); ++i) {
        if (book[i] == kBookBlockEnd) kept = i + 1;
    }
    FUZZ_CHECK(newBook.size() == kept + 1, context + ": book keeps " + std::to_string(newBook.size()) +
                                               " lines, expected " + std::to_string(kept + 1));
    FUZZ_CHECK(std::equal(book.begin(), book.begin() + static_cast<std::ptrdiff_t>(kept), newBook.begin()),
               context + ": the kept lines changed");
    FUZZ_CHECK(newBook.back() == book.back(), context + ": the time line is lost");
    return 0;
}
