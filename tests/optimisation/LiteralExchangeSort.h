// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exchange sort exactly as the lists have always sorted: quadratic, and
// the reference that the fast order must reproduce row for row.
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace pilecalc::test {

// Returns the starting positions of the rows in their final order.
inline std::vector<std::uint32_t> literalExchangeSort(const std::vector<double>& keys) {
    std::vector<std::uint32_t> rows(keys.size());
    std::iota(rows.begin(), rows.end(), 0u);
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        double k = keys[rows[i]];
        for (std::size_t j = i; j < n; ++j) {
            if (k > keys[rows[j]]) {
                std::swap(rows[i], rows[j]);
                k = keys[rows[i]];
            }
        }
    }
    return rows;
}

}  // namespace pilecalc::test
