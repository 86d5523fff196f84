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

std::u16string plainInteger(std::uint64_t n) {
    std::u16string out;
    for (char c : std::to_string(n)) out.push_back(static_cast<char16_t>(c));
    return out;
}

}  // namespace

std::u16string progressMessage(double percent, char16_t sep) {
    return join({u"计算完成 ", formatGeneral(percent, sep), u" %"});
}

std::u16string runningMessage(double percent) {
    const double whole = std::isfinite(percent) ? std::clamp(std::trunc(percent), 0.0, 100.0) : 0.0;
    return join({u"计算中 ", plainInteger(static_cast<std::uint64_t>(whole)), u" %"});
}

std::u16string batchDoneMessage(std::uint64_t rows, char16_t sep) {
    return join({u"计算完成，桩数：", count(rows, sep), u" 根"});
}

std::u16string batchCancelledMessage(std::uint64_t rows, char16_t sep) {
    return join({u"计算已取消，已列出桩数：", count(rows, sep), u" 根"});
}

std::u16string filterDoneMessage(std::uint64_t rows) { return join({u"筛选完成，桩数：", plainInteger(rows), u" 根"}); }

std::u16string combinationLimitMessage(std::uint64_t combinations, char16_t) {
    // The count is written as the integer it is: a float near 2^64 would tell nothing.
    if (combinations == std::numeric_limits<std::uint64_t>::max()) {
        return join({u"组合数 超过 ", plainInteger(combinations), u"，上限 ", plainInteger(kCombinationLimit),
                     u"，请加大步进值后重新计算"});
    }
    return join({u"组合数 ", plainInteger(combinations), u" 超过上限 ", plainInteger(kCombinationLimit),
                 u"，请加大步进值后重新计算"});
}

std::u16string notAFloatMessage(std::u16string_view text) {
    return join({u"'", text, u"' is not a valid floating point value"});
}

}  // namespace pilecalc
