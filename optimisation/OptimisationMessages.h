// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts that the optimisation layer shows in its status line lb_YHxingxi.
#include <cstdint>
#include <string>
#include <string_view>

namespace pilecalc {

namespace optimisationMessages {
// Red, the run ends before anything is computed.
inline constexpr char16_t diameterNegative[] = u"桩径不能为负值";
inline constexpr char16_t depthNegative[] = u"嵌岩深度不能为负值";
inline constexpr char16_t strengthNegative[] = u"岩石单轴抗压强度不能为负值";
// Red, a combination was rejected by the pile checks; the main layer shows why.
inline constexpr char16_t runAborted[] = u"运行中止，主界面可查看中止位置、原因";
// Black.
inline constexpr char16_t noRows[] = u"调整优化项重新计算";
inline constexpr char16_t filterEmpty[] = u"无满足条件桩，调整区间再筛选";
inline constexpr char16_t sortNotNeeded[] = u"无需排序";
inline constexpr char16_t sortUnsupported[] = u"仅支持d、Qcd排序";
}  // namespace optimisationMessages

// "计算完成 3.7037037037037 %": progress after each slice of a run.
std::u16string progressMessage(double percent, char16_t decimalSeparator);

// "计算中 63 %": what a run that takes long shows while it computes, in whole percent
// (truncated, so 100 % appears only when everything is computed).
std::u16string runningMessage(double percent);

// "计算完成，桩数：27 根".
std::u16string batchDoneMessage(std::uint64_t rows, char16_t decimalSeparator);

// A run the user cancelled keeps its rows: "计算已取消，已列出桩数：N 根".
std::u16string batchCancelledMessage(std::uint64_t rows, char16_t decimalSeparator);

// "筛选完成，桩数：N 根" with N as a plain integer.
std::u16string filterDoneMessage(std::uint64_t rows);

// Refusal of a run whose number of combinations exceeds kCombinationLimit
// (OptimisationRange.h):
// "组合数 N 超过上限 2000000，请加大步进值后重新计算", N written out in full; a count
// too large to hold (saturated at 2^64 - 1) is stated as such:
// "组合数 超过 18446744073709551615，上限 2000000，请加大步进值后重新计算".
std::u16string combinationLimitMessage(std::uint64_t combinations, char16_t decimalSeparator);

// The conversion error of a cell that is not a number:
// "'abc' is not a valid floating point value".
std::u16string notAFloatMessage(std::u16string_view text);

// A user's text as a message quotes it: at most 100 characters, then "…".
std::u16string quotedText(std::u16string_view text);

}  // namespace pilecalc
