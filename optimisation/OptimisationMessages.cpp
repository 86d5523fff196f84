// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/OptimisationMessages.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "engine/NumberFormat.h"
#include "optimisation/OptimisationRange.h"

namespace pilecalc {
namespace {

// Pieces appended one by one into one text.
std::u16string join(std::initializer_list<std::u16string_view> parts) {
    std::u16string out;
    for (std::u16string_view p : parts) out.append(p);
    return out;
}

// Counts up to 2^53 are exact in a double, so the general format writes
// them as plain integers; larger (saturated) counts come out in E notation.
std::u16string count(std::uint64_t n, char16_t sep) { return formatGeneral(static_cast<double>(n), sep); }

}  // namespace

std::u16string progressMessage(double percent, char16_t sep) {
    return join({u"计算完成 ", formatGeneral(percent, sep), u" %"});
}

std::u16string runningMessage(double percent) {
    const double whole = std::isfinite(percent) ? std::clamp(std::trunc(percent), 0.0, 100.0) : 0.0;
    return join({u"计算中 ", formatInteger(static_cast<std::uint64_t>(whole)), u" %"});
}

std::u16string batchDoneMessage(std::uint64_t rows, char16_t sep) {
    return join({u"计算完成，桩数：", count(rows, sep), u" 根"});
}

std::u16string batchCancelledMessage(std::uint64_t rows, char16_t sep) {
    return join({u"计算已取消，已列出桩数：", count(rows, sep), u" 根"});
}

std::u16string filterDoneMessage(std::uint64_t rows) {
    return join({u"筛选完成，桩数：", formatInteger(rows), u" 根"});
}

std::u16string combinationLimitMessage(std::uint64_t combinations, char16_t) {
    // The count is written as the integer it is: a float near 2^64 would tell nothing.
    if (combinations == std::numeric_limits<std::uint64_t>::max()) {
        return join({u"组合数 超过 ", formatInteger(combinations), u"，上限 ", formatInteger(kCombinationLimit),
                     u"，请加大步进值后重新计算"});
    }
    return join({u"组合数 ", formatInteger(combinations), u" 超过上限 ", formatInteger(kCombinationLimit),
                 u"，请加大步进值后重新计算"});
}

std::u16string notAFloatMessage(std::u16string_view text) {
    return join({u"'", quotedText(text), u"' is not a valid floating point value"});
}

std::u16string quotedText(std::u16string_view text) {
    // A message box that quotes a pasted megabyte freezes the window while it
    // lays the text out; 100 characters say enough about what is wrong.
    constexpr std::size_t kMaxQuoted = 100;
    if (text.size() <= kMaxQuoted) return std::u16string(text);
    std::size_t cut = kMaxQuoted;
    // Never split a surrogate pair: the half would show as a replacement box.
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;
    return std::u16string(text.substr(0, cut)) + u"…";
}

}  // namespace pilecalc
