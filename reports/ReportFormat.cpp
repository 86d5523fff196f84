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
    std::u16string out = u"ZH";
    for (char c : std::to_string(n)) out.push_back(static_cast<char16_t>(c));
    return out;
}

}  // namespace pilecalc::reportformat
