// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The per-combination path written out plainly, as the window runs it: the
// row steps write three texts into the inputs, the compute operation reads
// all six, the outputs show the figures in the display precision, and the
// row copies the output texts. Tests compare the compact batch with it.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/NumberFormat.h"
#include "engine/NumberReading.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "optimisation/RunContext.h"

namespace pilecalc::test {

using Cells = std::array<std::u16string, 17>;

struct ReferenceRun {
    std::vector<Cells> rows;
    std::optional<PileInputTexts> rejected;  // the inputs of the combination that stopped the run
};

inline std::u16string referenceShare(const std::u16string& part, const std::u16string& total, char16_t sep) {
    const double p = *readLocaleDecimal(part, sep);
    const double t = *readLocaleDecimal(total, sep);
    if (t == 0.0) return {};
    return FormatFixed(p / t * 100.0, 15, 0, sep) + u"%";
}

inline std::u16string referenceNumber(std::size_t n, std::uint64_t total) {
    std::string digits = std::to_string(n);
    const std::size_t width = std::to_string(total).size();
    while (digits.size() < width) digits.insert(digits.begin(), '0');
    std::u16string out = u"ZH-";
    for (char ch : digits) out.push_back(static_cast<char16_t>(ch));
    return out;
}

inline ReferenceRun runReference(const OptimisationRanges& r, const BatchSettings& s) {
    const char16_t sep = s.decimalSeparator;
    const std::uint64_t total = r.d.count * r.hr.count * r.frk.count;
    ReferenceRun run;
    PileInputTexts in{u"", u"", u"", s.reduction, s.gammaCR, s.weathered};
    double d = r.d.min;
    for (std::uint64_t i = 0; i < r.d.count; ++i) {
        double hr = r.hr.min;
        for (std::uint64_t j = 0; j < r.hr.count; ++j) {
            double frk = r.frk.min;
            for (std::uint64_t k = 0; k < r.frk.count; ++k) {
                in.d = formatGeneral(d, u'.');
                double hrPerD = 0.0;
                if (r.hrInDiameters) {
                    in.hr = FormatFixed(hr, 15, 1, sep) + u"d";
                    hrPerD = hr;
                } else {
                    in.hr = formatGeneral(hr, sep);
                    hrPerD = hr / d;
                }
                in.frk = FormatFixed(frk, 15, 2, u'.');
                const PileReading reading = readPileCase(in, sep);
                if (!reading.ok()) {
                    run.rejected = in;
                    return run;
                }
                const PileResult res = computePile(reading.pile);
                if (!isPrintable(res)) {
                    run.rejected = in;
                    return run;
                }
                Cells c;
                c[0] = referenceNumber(run.rows.size() + 1, total);
                c[1] = in.d;
                c[2] = formatForce(res.Qcd, s.mode, sep);
                c[3] = in.hr;
                c[4] = in.frk;
                c[5] = s.weathered ? u"是" : u"否";
                c[6] = s.weathered ? s.reduction : u"1.00";
                c[7] = FormatFixed(hrPerD, 15, 2, sep);
                c[8] = FormatFixed(res.zetaS, 7, 4, sep);
                c[9] = formatForce(res.Qcs, s.mode, sep);
                c[11] = FormatFixed(res.zetaP, 7, 4, sep);
                c[12] = formatForce(res.Qcp, s.mode, sep);
                c[14] = formatForce(res.Qck, s.mode, sep);
                c[10] = referenceShare(c[9], c[14], sep);
                c[13] = referenceShare(c[12], c[14], sep);
                c[15] = s.gammaCR;
                run.rows.push_back(c);
                frk += r.frk.step;
                if (frk > r.frk.max) frk = r.frk.max;
            }
            hr += r.hr.step;
            if (hr > r.hr.max) hr = r.hr.max;
        }
        d += r.d.step;
        if (d > r.d.max) d = r.d.max;
    }
    return run;
}

}  // namespace pilecalc::test
