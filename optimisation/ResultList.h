// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A list of optimisation results: the raw list of a run and the filtered
// list are both of this type. A row holds its production number, the two
// sort keys and the computed figures (72 bytes); its 17 cell texts are made
// on demand from the run context it shares with its list.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "optimisation/RunContext.h"
#include "reports/OptimisationTable.h"
#include "reports/ReportInputs.h"

namespace pilecalc {

// Column positions of both result lists, as created.
namespace resultColumn {
inline constexpr int number = 0;     // "ZH-01"
inline constexpr int d = 1;          // mm, the text written into the diameter input
inline constexpr int Qcd = 2;        // kN, as the output field shows it
inline constexpr int hr = 3;         // "2.0d" or mm
inline constexpr int frk = 4;        // MPa, "30.00"
inline constexpr int weathered = 5;  // "是" / "否"
inline constexpr int reduction = 6;  // reduction text, "1.00" when not weathered
inline constexpr int hrPerD = 7;     // two decimals
inline constexpr int zetaS = 8;
inline constexpr int Qcs = 9;
inline constexpr int sideShare = 10;  // "28%"
inline constexpr int zetaP = 11;
inline constexpr int Qcp = 12;
inline constexpr int endShare = 13;
inline constexpr int Qck = 14;
inline constexpr int gammaCR = 15;
inline constexpr int remark = 16;  // always empty
}  // namespace resultColumn

inline constexpr int kResultColumns = 17;
static_assert(kResultColumns == static_cast<int>(kOptimisationCells));

// Header text of a column, right-aligned to 8 display columns ("   d(mm)").
std::u16string resultColumnHeader(int column);

struct ResultRow {
    std::uint32_t number = 0;  // production number, 1-based (= combination index + 1)
    double dKey = 0.0;         // the d cell read back as a number, mm
    double QcdKey = 0.0;       // the Qcd cell read back as a number, kN (rounded as shown)
    double zetaS = 0.0;        // after the weathering reduction
    double zetaP = 0.0;
    double Qcs = 0.0;  // kN, unrounded
    double Qcp = 0.0;  // kN, unrounded
    double Qck = 0.0;  // kN, unrounded
    double Qcd = 0.0;  // kN, unrounded
};

enum class SortKey { Diameter, Qcd };

// Effective Qcd bounds of the filter, both inclusive.
struct FilterBounds {
    double lower = 0.0;   // kN
    double upper = 1e15;  // kN
};

class ResultList {
  public:
    ResultList() = default;
    explicit ResultList(std::shared_ptr<const RunContext> context) : m_context(std::move(context)) {}

    bool empty() const { return m_rows.empty(); }
    std::size_t size() const { return m_rows.size(); }
    const ResultRow& row(std::size_t index) const { return m_rows[index]; }
    const std::vector<ResultRow>& rows() const { return m_rows; }
    const std::shared_ptr<const RunContext>& context() const { return m_context; }

    void reserve(std::size_t rows) { m_rows.reserve(rows); }
    void append(const ResultRow& row) { m_rows.push_back(row); }
    void clear() { m_rows.clear(); }

    // Texts exactly as the output fields showed them for this pile.
    std::u16string cell(std::size_t row, int column) const;
    std::array<std::u16string, kResultColumns> cells(std::size_t row) const;

    double key(std::size_t row, SortKey key) const;

    // The list file without its footer: the head with the title word and
    // one line per row, numbered 1 .. size() in the present order.
    Lines tableLines(std::u16string_view titleWord) const;
    std::u16string tableLine(std::size_t row) const;

    // Rows with lower <= Qcd key <= upper, copied unchanged in list order.
    ResultList filtered(const FilterBounds& bounds) const;

    // Ascending by the key in the exchange sort's exact order (ExchangeSort.h).
    void sortAscending(SortKey key);
    void reverse();

  private:
    std::shared_ptr<const RunContext> m_context;
    std::vector<ResultRow> m_rows;
};

}  // namespace pilecalc
