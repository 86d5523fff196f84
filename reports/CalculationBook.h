// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation book: a readable record of every pile recorded in a run,
// one block of about sixty lines per pile followed by a single time line.
//
//   block ZH1 ... "=====...(50)"  block ZH2 ... "=====...(50)"  "计算时间：<time>"
//
// Values in the computation lines (1 to 41) always carry two decimals; only
// the three summary rows at the end of a block follow the precision mode.
#include <string_view>

#include "engine/NumberFormat.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "reports/ReportInputs.h"

namespace pilecalc {

// The closing line of every block: exactly 50 "=", and the only such line in a block.
inline constexpr std::u16string_view kBookBlockEnd = u"==================================================";
inline constexpr std::u16string_view kTimeLabel = u"计算时间：";

// Lines of pile n's block, without the time line.
Lines BookBlock(int n, const TypedInputs& typed, const PileCase& pile, const PileResult& result, PrecisionMode mode,
                char16_t decimalSeparator);

// Adds pile n's block and a fresh time line. For n >= 2 the previous time
// line (the last line of the book) is dropped first, so one time line always
// ends the book.
void AppendBook(Lines& book, int n, const TypedInputs& typed, const PileCase& pile, const PileResult& result,
                PrecisionMode mode, std::u16string_view timeText, char16_t decimalSeparator);

}  // namespace pilecalc
