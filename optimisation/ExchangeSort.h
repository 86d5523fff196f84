// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The order in which the optimisation lists sort by a key: exactly the
// permutation of the classic exchange sort below, ties included, computed
// in O(n log n) instead of O(n^2).
//
//   for i in 0 .. n-1:
//       k = key[i]
//       for j in i .. n-1:
//           if k > key[j]: swap rows i and j; k = key[i]
//
// The exchange sort is not stable: keys [5, 5', 3] end as [3, 5', 5]. Users
// see that order and its reversal, so a stable sort would not do.
#include <cstdint>
#include <span>
#include <vector>

namespace pilecalc {

// result[p] is the starting position of the row that ends at position p.
// A NaN key (cells always hold numbers, so it does not arise) is ranked
// after every number; the order is then well defined but not the loop's.
std::vector<std::uint32_t> exchangeSortOrder(std::span<const double> keys);

}  // namespace pilecalc
