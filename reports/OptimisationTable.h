// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lines of the optimisation list files: the summary table's layout with the
// rows taken from a result grid. File = head, one row per grid row, and the
// summary table's footer (SummaryFooter).
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "reports/ReportInputs.h"

namespace pilecalc {

inline constexpr std::size_t kOptimisationCells = 17;
inline constexpr std::size_t kOptimisationHeadLines = 5;

// Title with the list's word ("嵌岩桩优化计算原始结果"), rule, the summary
// table's two heading lines, rule.
Lines optimisationTableHead(std::u16string_view titleWord);

// Row i (1-based) of a list of rowCount rows. The pile is renamed "ZH-" and
// i zero-filled to the digits of rowCount, so the saved list is numbered in
// its current order whatever the grid's own first column says. cells are the
// grid's texts in column order (0 number, 1 d, 2 Qcd, 3 hr, 4 frk, 5 weathered,
// 6 reduction, 7 hr/d, 8 zetaS, 9 Qcs, 10 side share, 11 zetaP, 12 Qcp,
// 13 end share, 14 Qck, 15 gammaCR, 16 remark); 0 and 16 are not written.
std::u16string optimisationTableRow(std::size_t i, std::size_t rowCount,
                                    const std::array<std::u16string_view, kOptimisationCells>& cells);

}  // namespace pilecalc
