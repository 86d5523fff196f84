// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ReportFormat.h"

#include <string>

#include "reports/TextColumns.h"

namespace pilecalc::reportformat {

std::u16string force(double kN, int precision, PrecisionMode mode, char16_t sep) {
    return FormatFixed(coarsenForce(kN, mode), precision, decimalsOf(mode), sep);
}

std::u16string share(double percent, bool defined, int decimals, char16_t sep) {
    if (!defined) return {};
    return FormatFixed(percent, kSharePrecision, decimals, sep) + u"%";
}

std::u16string pileName(int n) {
    // A negative count cannot occur: the record step only raises it.
    return u"ZH" + formatInteger(static_cast<std::uint64_t>(n < 0 ? 0 : n));
}

std::u16string listPileName(std::uint64_t number, std::uint64_t count) {
    const int digits = static_cast<int>(formatInteger(count == 0 ? 1 : count).size());
    return u"ZH-" + AlignRight(formatInteger(number), u"0", digits);
}

}  // namespace pilecalc::reportformat
