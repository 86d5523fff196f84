// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

#include "LiteralExchangeSort.h"
#include "optimisation/ExchangeSort.h"

namespace pilecalc {
namespace {

using test::literalExchangeSort;

std::vector<double> randomKeys(std::mt19937& rng, std::size_t n, int alphabet) {
    std::uniform_int_distribution<int> value(0, alphabet - 1);
    std::vector<double> keys(n);
    for (double& k : keys) k = 1000.0 + 100.0 * value(rng);
    return keys;
}

TEST(ExchangeSort, tiesEndInTheLoopsUnstableOrder) {
    // [5, 5', 3] ends as [3, 5', 5].
    EXPECT_EQ(exchangeSortOrder(std::vector<double>{5, 5, 3}), (std::vector<std::uint32_t>{2, 1, 0}));
    EXPECT_EQ(literalExchangeSort({5, 5, 3}), (std::vector<std::uint32_t>{2, 1, 0}));
}

struct Shape {
    const char* name;
    std::vector<double> keys;
};
void PrintTo(const Shape& s, std::ostream* os) { *os << s.name; }

class Shapes : public ::testing::TestWithParam<Shape> {};

TEST_P(Shapes, sameAsTheLiteralLoop) {
    const Shape& s = GetParam();
    EXPECT_EQ(exchangeSortOrder(s.keys), literalExchangeSort(s.keys));
}

INSTANTIATE_TEST_SUITE_P(Lists, Shapes,
                         ::testing::Values(Shape{"empty", {}}, Shape{"oneRow", {7}},
                                           Shape{"alreadyAscending", {1, 2, 2, 3, 9}},
                                           Shape{"allEqual", {4, 4, 4, 4, 4, 4}},
                                           Shape{"descending", {9, 8, 7, 6, 5, 4, 3}},
                                           Shape{"descendingWithTies", {9, 9, 5, 5, 5, 1, 1}},
                                           Shape{"numbersNotText", {1000, 900, 1100, 950}},
                                           Shape{"negativeAndZero", {0.0, -0.0, -5, 3, -0.0, 0.0}},
                                           Shape{"blocksLikeProductionOrder", {3, 3, 3, 1, 1, 1, 2, 2, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExchangeSort, thousandsOfRandomListsWithManyTies) {
    std::mt19937 rng(4711);
    for (int trial = 0; trial < 6000; ++trial) {
        const std::size_t n = static_cast<std::size_t>(trial % 201);
        const int alphabet = 1 + trial % 7;
        const std::vector<double> keys = randomKeys(rng, n, alphabet);
        ASSERT_EQ(exchangeSortOrder(keys), literalExchangeSort(keys)) << "trial " << trial << " n " << n;
    }
}

TEST(ExchangeSort, largerListsFromProductionAndReversedOrders) {
    std::mt19937 rng(99);
    for (int trial = 0; trial < 12; ++trial) {
        const std::size_t n = 1500 + static_cast<std::size_t>(trial) * 250;
        std::vector<double> keys = randomKeys(rng, n, trial % 2 == 0 ? 5 : 300);
        if (trial % 3 == 1) std::sort(keys.begin(), keys.end(), std::greater<>());
        if (trial % 3 == 2) {
            // Blocks of equal keys in a shuffled block order, as a diameter
            // column in production order after a sort by another key.
            std::sort(keys.begin(), keys.end());
            std::reverse(keys.begin() + static_cast<std::ptrdiff_t>(n / 3), keys.end());
        }
        ASSERT_EQ(exchangeSortOrder(keys), literalExchangeSort(keys)) << "trial " << trial;
    }
}

TEST(ExchangeSort, resultIsAPermutationSortedAscending) {
    std::mt19937 rng(7);
    const std::vector<double> keys = randomKeys(rng, 200000, 40);
    const std::vector<std::uint32_t> order = exchangeSortOrder(keys);
    std::vector<bool> seen(keys.size(), false);
    for (std::uint32_t r : order) {
        ASSERT_LT(r, keys.size());
        ASSERT_FALSE(seen[r]);
        seen[r] = true;
    }
    for (std::size_t p = 1; p < order.size(); ++p) ASSERT_LE(keys[order[p - 1]], keys[order[p]]);
}

TEST(ExchangeSort, nanKeysDoNotBreakTheOrder) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> keys = {3, nan, 1, nan, 2, 1};
    const std::vector<std::uint32_t> order = exchangeSortOrder(keys);
    ASSERT_EQ(order.size(), keys.size());
    std::vector<std::uint32_t> sortedRows = order;
    std::sort(sortedRows.begin(), sortedRows.end());
    EXPECT_EQ(sortedRows, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(keys[order[0]], 1.0);
    EXPECT_EQ(keys[order[3]], 3.0);
    EXPECT_TRUE(std::isnan(keys[order[4]]));
    EXPECT_TRUE(std::isnan(keys[order[5]]));
}

}  // namespace
}  // namespace pilecalc
