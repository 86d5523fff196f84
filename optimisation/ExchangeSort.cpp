// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/ExchangeSort.h"

#include <algorithm>
#include <cmath>
#include <numeric>

// How the exchange sort moves the rows of one key class (rows with equal
// keys), worked out from the loop: let K be the number of rows whose key is
// smaller, and give every class row c = the number of smaller keys before
// it in the starting order (c grows along the class, 0 <= c <= K). Pass i of
// the loop settles position i. Replaying the passes 0 .. K-1 on a queue --
// first append the class rows with c = i in starting order, then, if the
// queue is not empty, move its front row to its back -- and appending the
// rows with c = K at the end gives the class's final order, which fills
// positions K .. K+m-1.
//
// The queue is rebuilt backwards so that every step costs O(log m): in the
// final order the front sits at rank 0; undoing a rotation by r moves the
// front back r ranks among the rows still present, and undoing an append
// removes the back row, the one just before the front. A Fenwick tree over
// the final slots finds the r-th present slot.
namespace pilecalc {
namespace {

// Strict weak order on keys with NaN after every number; -0 equals +0.
bool keyLess(double a, double b) {
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a < b;
}

bool keyEqual(double a, double b) { return !keyLess(a, b) && !keyLess(b, a); }

// Fenwick tree of 0/1 presence flags over slots 0 .. size-1.
class PresenceTree {
  public:
    void fill(std::size_t size) {
        m_size = size;
        m_tree.assign(size + 1, 0);
        for (std::size_t i = 1; i <= size; ++i) m_tree[i] = static_cast<std::uint32_t>(i & (~i + 1));
        m_top = 1;
        while (m_top * 2 <= size) m_top *= 2;
    }
    // Slot of the present row with the given rank (0-based).
    std::size_t slotOfRank(std::size_t rank) const {
        std::size_t pos = 0;
        std::size_t remaining = rank + 1;
        for (std::size_t step = m_top; step != 0; step >>= 1) {
            const std::size_t next = pos + step;
            if (next <= m_size && m_tree[next] < remaining) {
                pos = next;
                remaining -= m_tree[next];
            }
        }
        return pos;
    }
    void remove(std::size_t slot) {
        for (std::size_t i = slot + 1; i <= m_size; i += i & (~i + 1)) --m_tree[i];
    }

  private:
    std::vector<std::uint32_t> m_tree;
    std::size_t m_size = 0;
    std::size_t m_top = 1;
};

// Counts of rows added so far, by key rank, for the c values.
class CountTree {
  public:
    explicit CountTree(std::size_t size) : m_tree(size + 1, 0) {}
    void add(std::size_t rank) {
        for (std::size_t i = rank + 1; i < m_tree.size(); i += i & (~i + 1)) ++m_tree[i];
    }
    // Rows added with a rank below `rank`.
    std::uint32_t below(std::size_t rank) const {
        std::uint32_t sum = 0;
        for (std::size_t i = rank; i != 0; i &= i - 1) sum += m_tree[i];
        return sum;
    }

  private:
    std::vector<std::uint32_t> m_tree;
};

struct KeyedRow {
    double key;
    std::uint32_t row;
};

// Places one class. rows/c: the class rows in starting order with their c
// values; K: rows with a smaller key; out + K: where the class goes.
void placeClass(const KeyedRow* rows, const std::uint32_t* c, std::size_t m, std::uint64_t K, std::uint32_t* out,
                PresenceTree& tree) {
    if (c[0] == c[m - 1]) {
        // One arrival: the class is appended at once and rotated by the
        // passes left, or, arriving last (c = K), not moved at all.
        const std::size_t shift = c[0] < K ? static_cast<std::size_t>((K - c[0]) % m) : 0;
        for (std::size_t i = 0; i < m; ++i) out[i] = rows[(i + shift) % m].row;
        return;
    }
    tree.fill(m);
    std::size_t present = m;
    std::size_t front = 0;  // rank of the queue's front among the present slots
    std::size_t groupEnd = m;
    while (groupEnd > 0) {
        std::size_t groupBegin = groupEnd - 1;
        while (groupBegin > 0 && c[groupBegin - 1] == c[groupEnd - 1]) --groupBegin;
        const std::uint64_t t = c[groupBegin];
        if (t < K) {
            // After this arrival every pass up to the next arrival (or to
            // pass K-1) rotated the non-empty queue once.
            const std::uint64_t next = groupEnd < m ? c[groupEnd] : K;
            const std::size_t r = static_cast<std::size_t>((next - t) % present);
            front = (front + present - r) % present;
        }
        for (std::size_t i = groupEnd; i > groupBegin; --i) {
            const std::size_t backRank = (front + present - 1) % present;
            const std::size_t slot = tree.slotOfRank(backRank);
            out[slot] = rows[i - 1].row;
            tree.remove(slot);
            if (backRank < front) --front;
            --present;
        }
        groupEnd = groupBegin;
    }
}

}  // namespace

std::vector<std::uint32_t> exchangeSortOrder(std::span<const double> keys) {
    const std::size_t n = keys.size();
    std::vector<std::uint32_t> out(n);
    std::iota(out.begin(), out.end(), 0u);
    bool ascending = true;
    for (std::size_t i = 1; i < n && ascending; ++i) ascending = !keyLess(keys[i], keys[i - 1]);
    if (ascending) return out;  // the loop exchanges nothing

    // Rows by key, each class in starting order.
    std::vector<KeyedRow> byKey(n);
    for (std::size_t i = 0; i < n; ++i) byKey[i] = {keys[i], static_cast<std::uint32_t>(i)};
    std::sort(byKey.begin(), byKey.end(), [](const KeyedRow& a, const KeyedRow& b) {
        if (keyLess(a.key, b.key)) return true;
        if (keyLess(b.key, a.key)) return false;
        return a.row < b.row;
    });
    std::vector<std::uint32_t> rank(n);
    std::size_t classes = 0;
    for (std::size_t p = 0; p < n; ++p) {
        if (p > 0 && !keyEqual(byKey[p - 1].key, byKey[p].key)) ++classes;
        rank[byKey[p].row] = static_cast<std::uint32_t>(classes);
    }
    ++classes;

    std::vector<std::uint32_t> smallerBefore(n);
    {
        CountTree counts(classes);
        for (std::size_t i = 0; i < n; ++i) {
            smallerBefore[i] = counts.below(rank[i]);
            counts.add(rank[i]);
        }
    }

    std::vector<std::uint32_t> c(n);
    for (std::size_t p = 0; p < n; ++p) c[p] = smallerBefore[byKey[p].row];

    PresenceTree tree;
    std::size_t begin = 0;
    while (begin < n) {
        std::size_t end = begin + 1;
        while (end < n && rank[byKey[end].row] == rank[byKey[begin].row]) ++end;
        placeClass(byKey.data() + begin, c.data() + begin, end - begin, begin, out.data() + begin, tree);
        begin = end;
    }
    return out;
}

}  // namespace pilecalc
