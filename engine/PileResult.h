// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/PileCase.h"

namespace pilecalc {

// Results of one pile after formula 4.2.4-4 of JTS 167-4-2012, the side
// resistance of the overburden left out. Every value is stored as a double
// in the order the computation names it, so printed figures are reproducible.
struct PileResult {
    std::u16string hardness;   // rock hardness class from frk, e.g. "较软岩"
    double ratio = 0.0;        // hr / d as entered (not capped)
    bool ratioCapped = false;  // hr / d > 5: coefficients and depth taken at 5 d
    double ratioUsed = 0.0;    // hr / d the coefficients belong to (ratio, or 5)
    double hrUsed = 0.0;       // mm: socket depth used for side resistance, capped at 5 d
    double zetaS = 0.0;        // side resistance coefficient, after the weathering reduction
    double zetaP = 0.0;        // end resistance coefficient, after the weathering reduction
    double A = 0.0;            // m2: section area of the pile
    double U2 = 0.0;           // m: section perimeter of the pile
    double Qcs = 0.0;          // kN: ultimate side resistance of the socket
    double Qcp = 0.0;          // kN: ultimate end resistance of the socket
    double Qck = 0.0;          // kN: total ultimate resistance, Qcs + Qcp
    double endShare = 0.0;     // %: Qcp of Qck
    double sideShare = 0.0;    // %: 100 - endShare
    bool sharesDefined = true; // false when Qck is 0 (a reduction of 0): no share exists
    double Qcd = 0.0;          // kN: design bearing capacity, Qck / gammaCR
};

// Rock hardness class by frk in MPa (lower bound exclusive, upper inclusive).
std::u16string classifyRock(double frk);

// Straight line through (x0, y0) and (x1, y1) at x, evaluated in exactly
// this order: (y1 - y0) / (x1 - x0) * (x - x0) + y0.
double interpolate(double x, double x0, double y0, double x1, double y1);

// Requires the invariants of a checked PileCase; cannot fail under them.
PileResult computePile(const PileCase& pile);

// True when every figure of the result is a finite number. Absurdly large
// inputs (d of 1e200 mm) overflow; such a pile must not be shown.
bool isPrintable(const PileResult& result);

namespace messages {
// A pile whose figures overflow is refused like a failed check.
inline constexpr char16_t resultOutOfRange[] = u"计算结果超出数值范围，请检查输入数据";
}  // namespace messages

}  // namespace pilecalc
