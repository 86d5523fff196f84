// SPDX-License-Identifier: GPL-3.0-or-later
// The fast sort order against the literal exchange loop. Input: the first
// byte picks how the rest becomes keys: an even byte maps each further byte
// to one of eight keys (many ties, +0 and -0 among them), an odd one reads
// eight bytes per key as a double (NaN replaced by 0: the order of a NaN key
// is not the loop's, and cells never hold one).
//
// Properties: exchangeSortOrder gives exactly the loop's permutation, and a
// result list sorted by a key holds its rows in that order.
#include <cmath>
#include <cstring>

#include "fuzz/FuzzInput.h"
#include "optimisation/ExchangeSort.h"
#include "optimisation/LiteralExchangeSort.h"
#include "optimisation/ResultList.h"

using namespace pilecalc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    constexpr std::size_t kMaxRows = 3000;  // the loop is quadratic
    std::vector<double> keys;
    if (data[0] % 2 == 0) {
        static constexpr double kFew[8] = {0.0, -0.0, 1.0, 2.0, 2.5, -1.0, 1e15, 7636.0};
        for (std::size_t i = 1; i < size && keys.size() < kMaxRows; ++i) keys.push_back(kFew[data[i] % 8]);
    } else {
        for (std::size_t i = 1; i + 8 <= size && keys.size() < kMaxRows; i += 8) {
            double v = 0.0;
            std::memcpy(&v, data + i, sizeof v);
            keys.push_back(std::isnan(v) ? 0.0 : v);
        }
    }
    std::string shown;
    for (std::size_t i = 0; i < keys.size() && i < 40; ++i) shown += fuzz::show(keys[i]) + " ";

    const std::vector<std::uint32_t> fast = exchangeSortOrder(keys);
    const std::vector<std::uint32_t> literal = test::literalExchangeSort(keys);
    if (fast != literal) {
        std::size_t p = 0;
        while (p < fast.size() && p < literal.size() && fast[p] == literal[p]) ++p;
        FUZZ_CHECK(false, std::to_string(keys.size()) + " keys " + shown + ": orders first differ at position " +
                              std::to_string(p));
    }

    ResultList list;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        ResultRow row;
        row.number = static_cast<std::uint32_t>(i + 1);
        row.QcdKey = keys[i];
        row.dKey = -keys[i];
        list.append(row);
    }
    list.sortAscending(SortKey::Qcd);
    for (std::size_t p = 0; p < keys.size(); ++p) {
        FUZZ_CHECK(list.row(p).number == literal[p] + 1, "a sorted list's row " + std::to_string(p) + " of " + shown);
    }
    return 0;
}
