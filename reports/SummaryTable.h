// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pile summary table: one 170-column row per recorded pile.
//
//   5 header lines | row ZH1 .. row ZHk | 4 footer lines (rule, note, rule, time)
//
// The last pile's row is therefore always the fifth line from the end.
#include <string>
#include <string_view>

#include "engine/NumberFormat.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "reports/ReportInputs.h"

namespace pilecalc {

inline constexpr std::size_t kSummaryHeaderLines = 5;
inline constexpr std::size_t kSummaryFooterLines = 4;

// Column header lines shared with the optimisation list files.
inline constexpr std::u16string_view kSummaryHeadingTop =
    u" 基    桩  桩身截面  桩身直径  嵌岩深度  岩石强度  嵌入中等  侧阻端阻  深 径 比  侧阻系数  极限侧阻  极限侧阻  "
    u"端阻系数  极限端阻  极限端阻  嵌岩阻力  抗力分项  桩承载力 ";
inline constexpr std::u16string_view kSummaryHeadingUnits =
    u" 编    号  类    型    d(mm)    hr(mm)   frk(MPa)  风化岩石  折减系数    hr/d      ζs      Qcs(kN)  占百分比    "
    u"ζp      Qcp(kN)  占百分比   Qck(kN)  系数γcR   Qcd(kN) ";

// A field of a table row: the width its text is aligned in and the blanks
// after it. Every field takes 10 columns, but the first (11) and the last (9).
struct TableField {
    int width;
    int pad;
};
namespace tableField {
inline constexpr TableField kind{8, 2};         // "圆  桩", centred
inline constexpr TableField input{6, 4};        // d, hr, frk, reduction, hr/d, γcR
inline constexpr TableField mark{8, 2};         // 是 / 否 (and short texts the lists centre)
inline constexpr TableField coefficient{7, 3};  // ζs, ζp
inline constexpr TableField force{7, 3};        // Qcs, Qcp, Qck
inline constexpr TableField share{6, 4};        // share with "%"
inline constexpr TableField design{7, 2};       // Qcd, the last field
// With decimals a figure takes one column more of its field and one blank less.
inline constexpr TableField widened(TableField f) { return {f.width + 1, f.pad - 1}; }
}  // namespace tableField

// Title, rule, the two heading lines, rule.
Lines SummaryHeader();

// Pile n's row. Columns 10 to 17 follow the precision mode; a value wider
// than its field pushes the rest of the row right, nothing is cut.
std::u16string SummaryRow(int n, const TypedInputs& typed, const PileCase& pile, const PileResult& result,
                          PrecisionMode mode, char16_t decimalSeparator);

// Rule, code note, double rule and "计算时间：" + timeText.
Lines SummaryFooter(std::u16string_view timeText);

// Records pile n in the table: the first pile brings the header, later ones
// replace the old footer; then the row and a footer with the new time.
void AppendSummaryRow(Lines& table, int n, const TypedInputs& typed, const PileCase& pile, const PileResult& result,
                      PrecisionMode mode, std::u16string_view timeText, char16_t decimalSeparator);

}  // namespace pilecalc
