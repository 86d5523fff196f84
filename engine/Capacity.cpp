// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <numbers>

#include "engine/PileResult.h"

namespace pilecalc {
namespace {

// Socket coefficients at integer hr / d = 1 ... 6. The sixth point repeats
// the fifth; it is only the upper neighbour when hr / d is exactly 5.
constexpr double kZetaS[7] = {0.0, 0.070, 0.096, 0.093, 0.083, 0.070, 0.070};
constexpr double kZetaP[7] = {0.0, 0.72, 0.54, 0.36, 0.18, 0.12, 0.12};

constexpr double kPi = std::numbers::pi;

}  // namespace

std::u16string classifyRock(double frk) {
    if (frk <= 5.0) return u"极软岩";
    if (frk <= 15.0) return u"软岩";
    if (frk <= 30.0) return u"较软岩";
    if (frk <= 60.0) return u"较硬岩";
    return u"坚硬岩";
}

double interpolate(double x, double x0, double y0, double x1, double y1) {
    const double slope = (y1 - y0) / (x1 - x0);
    const double rise = slope * (x - x0);
    return rise + y0;
}

PileResult computePile(const PileCase& pile) {
    PileResult r;
    r.hardness = classifyRock(pile.frk);
    r.ratio = pile.hr / pile.d;

    double zetaS = 0.0;
    double zetaP = 0.0;
    if (r.ratio <= 5.0) {
        // Truncation picks the table interval; at exactly 5 the sixth point
        // is the neighbour, which gives the values of point 5.
        const int i = static_cast<int>(r.ratio);
        const double x0 = i;
        const double x1 = i + 1;
        zetaS = interpolate(r.ratio, x0, kZetaS[i], x1, kZetaS[i + 1]);
        zetaP = interpolate(r.ratio, x0, kZetaP[i], x1, kZetaP[i + 1]);
        r.ratioCapped = false;
        r.ratioUsed = r.ratio;
        r.hrUsed = pile.hr;
    } else {
        // Socket depth beyond 5 d adds nothing to either resistance.
        r.ratioCapped = true;
        r.ratioUsed = 5.0;
        r.hrUsed = 5.0 * pile.d;
        zetaS = kZetaS[5];  // point 5 taken directly, not interpolated
        zetaP = kZetaP[5];
    }

    r.zetaS = zetaS * pile.reduction;
    r.zetaP = zetaP * pile.reduction;

    r.A = kPi * pile.d * pile.d / 4000000.0;
    r.U2 = kPi * pile.d / 1000.0;

    // Equals U2 * zetaS * frk * hr with frk in kPa and the lengths in m, but is
    // computed as zetaS * frk * pi * d * hr / 1000 from d in mm, in that order,
    // so the kN figures match to the last digit (A and U2 serve the book only).
    r.Qcs = r.zetaS * pile.frk * kPi * pile.d * r.hrUsed / 1000.0;
    const double sectionMm2 = kPi * pile.d * pile.d / 4.0;
    const double endStress = r.zetaP * pile.frk;
    r.Qcp = sectionMm2 * endStress / 1000.0;
    r.Qck = r.Qcs + r.Qcp;

    if (r.Qck > 0.0) {
        r.endShare = r.Qcp / r.Qck * 100.0;
        r.sideShare = 100.0 - r.endShare;
        r.sharesDefined = true;
    } else {
        // A reduction factor of 0 leaves nothing to share out.
        r.endShare = 0.0;
        r.sideShare = 0.0;
        r.sharesDefined = false;
    }

    r.Qcd = r.Qck / pile.gammaCR;
    return r;
}

bool isPrintable(const PileResult& r) {
    for (double v : {r.ratio, r.ratioUsed, r.hrUsed, r.zetaS, r.zetaP, r.A, r.U2, r.Qcs, r.Qcp, r.Qck, r.endShare,
                     r.sideShare, r.Qcd}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace pilecalc
