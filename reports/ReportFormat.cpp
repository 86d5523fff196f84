// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ReportFormat.h"

#include <string>

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

}  // namespace pilecalc::reportformat
