// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pilecalc {

// Selected item of the precision list: kN values get 2, 1, 0, 0, 0 decimals;
// modes TruncateTens and TruncateHundreds first cut them toward zero to
// multiples of 10 and 100. Shares use the same decimals, never the cut.
enum class PrecisionMode : int {
    TwoDecimals = 0,       // "两位小数"
    OneDecimal = 1,        // "一位小数"
    WholeUnits = 2,        // "个位取整" (start value)
    TruncateTens = 3,      // "十位取整"
    TruncateHundreds = 4,  // "百位取整"
};

inline constexpr PrecisionMode kStartPrecision = PrecisionMode::WholeUnits;

// Decimals that kN values and shares carry in a mode: 2, 1, 0, 0, 0.
int decimalsOf(PrecisionMode mode);

// The kN value as a mode shows it before formatting: unchanged, or cut
// toward zero to a multiple of 10 or 100.
double coarsenForce(double kN, PrecisionMode mode);

// Fixed-point text: optional minus, at least one integer digit, and when
// decimals > 0 the separator and exactly that many decimals; no grouping.
// The value's decimal expansion to 18 significant digits is rounded half
// away from zero at the decimals-th decimal or the precision-th significant
// digit, whichever comes first; places past that digit are written as 0.
// An integer part longer than precision digits is written in scientific
// form instead (mantissa of at most precision digits, "E", exponent).
std::u16string FormatFixed(double value, int precision, int decimals, char16_t decimalSeparator);

// Shortest text with at most 15 significant digits, no trailing zeros and
// no trailing separator (1000, 2.5, 3.7037037037037). Scientific form
// outside 0.00001 <= |v| < 1e15.
std::u16string formatGeneral(double value, char16_t decimalSeparator);

// A whole number in plain decimal digits, as counts and pile numbers are
// written ("ZH12", "ZH-007"): no sign, no grouping.
std::u16string formatInteger(std::uint64_t value);

// A kN value as the output fields show it in a mode: coarsened, then
// FormatFixed with precision 7 and the mode's decimals.
std::u16string formatForce(double kN, PrecisionMode mode, char16_t decimalSeparator);

// Captions of the two share labels beside Qcs and Qcp.
inline constexpr char16_t kSideShareCaption[] = u"侧阻力Qcs(kN)";
inline constexpr char16_t kEndShareCaption[] = u"端阻力Qcp(kN)";

// A share label as the main layer shows it: "侧阻力Qcs(kN) [ 28% ]" with the
// mode's decimals, never coarsened; the plain caption when no share exists.
std::u16string shareLabel(std::u16string_view caption, double share, bool defined, PrecisionMode mode,
                          char16_t decimalSeparator);

}  // namespace pilecalc
