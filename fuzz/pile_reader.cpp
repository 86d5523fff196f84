// SPDX-License-Identifier: GPL-3.0-or-later
// One pile's six inputs through readPileCase, then (when they pass) the
// computation and the report lines of that pile. Input: the texts of d, hr,
// frk, the reduction and gammaCR and a flags field, separated by '|'; in the
// flags an 'x' clears the weathering box, a ',' selects the comma locale and
// a digit picks the precision mode.
//
// Properties: the outcome is the first failing check of the fixed order,
// computed here from the two readers (a depth text holding a control
// character fails its check); a passing pile keeps the invariants
// the computation relies on and its hints; a printable result gives one book
// block with its single closing line at the end and a table row of at least
// 170 columns, no line holding a control character.
#include <cmath>

#include "engine/NumberReading.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "fuzz/FuzzInput.h"
#include "reports/CalculationBook.h"
#include "reports/SummaryTable.h"
#include "reports/TextColumns.h"

using namespace pilecalc;
using pilecalc::fuzz::show;

namespace {

struct Expected {
    PileField field = PileField::None;
    const char16_t* message = nullptr;  // nullptr: every check passes
    PileCase pile;
};

Expected expectedReading(const PileInputTexts& t, char16_t sep) {
    Expected e;
    const auto failAt = [&e](PileField field, const char16_t* message) {
        e.field = field;
        e.message = message;
        return e;
    };
    const auto d = readPeriodDecimal(t.d);
    if (!d || !(*d > 0.0)) return failAt(PileField::d, messages::diameterWrong);
    e.pile.d = *d;
    const auto marker = t.hr.find(u'd');
    e.pile.hrInDiameters = marker != std::u16string::npos;
    // The depth text goes into the book as typed, the part after the marker too.
    if (fuzz::hasControl(t.hr)) return failAt(PileField::hr, messages::depthWrong);
    const auto number = readLocaleDecimal(
        e.pile.hrInDiameters ? std::u16string_view(t.hr).substr(0, marker) : std::u16string_view(t.hr), sep);
    if (!number || *number < 0.0) return failAt(PileField::hr, messages::depthWrong);
    e.pile.hr = e.pile.hrInDiameters ? *number * *d : *number;
    const auto frk = readPeriodDecimal(t.frk);
    if (!frk || !(*frk > 0.0)) return failAt(PileField::frk, messages::strengthWrong);
    e.pile.frk = *frk;
    if (!(e.pile.hr / e.pile.d >= 1.0)) return failAt(PileField::None, messages::depthBelowDiameter);
    e.pile.weathered = t.weathered;
    e.pile.reduction = 1.0;
    if (t.weathered) {
        const auto r = readPeriodDecimal(t.reduction);
        if (!r || !(*r >= 0.0 && *r <= 1.0)) return failAt(PileField::reduction, messages::reductionWrong);
        e.pile.reduction = *r;
    }
    const auto gamma = readPeriodDecimal(t.gammaCR);
    if (!gamma || !(*gamma > 1.0)) return failAt(PileField::gammaCR, messages::gammaWrong);
    e.pile.gammaCR = *gamma;
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 6);
    PileInputTexts texts{f[0], f[1], f[2], f[3], f[4], f[5].find(u'x') == std::u16string::npos};
    const char16_t sep = f[5].find(u',') != std::u16string::npos ? u',' : u'.';
    PrecisionMode mode = kStartPrecision;
    for (char16_t c : f[5]) {
        if (c >= u'0' && c <= u'9') mode = static_cast<PrecisionMode>((c - u'0') % 5);
    }
    const std::string input = show(f[0]) + " " + show(f[1]) + " " + show(f[2]) + " " + show(f[3]) + " " + show(f[4]) +
                              (texts.weathered ? " weathered" : " not weathered");

    const PileReading reading = readPileCase(texts, sep);
    const Expected expected = expectedReading(texts, sep);
    if (expected.message) {
        FUZZ_CHECK(!reading.ok(), input + ": passed, expected " + show(expected.message));
        FUZZ_CHECK(reading.failure->field == expected.field && reading.failure->message == expected.message,
                   input + ": failed with " + show(reading.failure->message) + ", expected " + show(expected.message));
        return 0;
    }
    FUZZ_CHECK(reading.ok(), input + ": failed with " + show(reading.failure->message));
    const PileCase& p = reading.pile;
    FUZZ_CHECK(fuzz::sameBits(p.d, expected.pile.d) && fuzz::sameBits(p.hr, expected.pile.hr) &&
                   p.hrInDiameters == expected.pile.hrInDiameters && fuzz::sameBits(p.frk, expected.pile.frk) &&
                   p.weathered == expected.pile.weathered && fuzz::sameBits(p.reduction, expected.pile.reduction) &&
                   fuzz::sameBits(p.gammaCR, expected.pile.gammaCR),
               input + ": read d " + show(p.d) + " hr " + show(p.hr) + " frk " + show(p.frk) + " reduction " +
                   show(p.reduction) + " gammaCR " + show(p.gammaCR));
    FUZZ_CHECK(p.d > 0.0 && std::isfinite(p.d) && p.hr / p.d >= 1.0 && p.frk > 0.0 && std::isfinite(p.frk) &&
                   p.reduction >= 0.0 && p.reduction <= 1.0 && p.gammaCR > 1.0 && std::isfinite(p.gammaCR),
               input + ": invariants broken");
    FUZZ_CHECK(reading.lowStrengthHint == (p.frk < 10.0) && reading.gammaHint == (p.gammaCR < 1.699),
               input + ": hints");

    const PileResult result = computePile(p);
    if (!isPrintable(result)) return 0;
    const TypedInputs typed{texts.d, texts.hr, texts.gammaCR};
    const Lines block = BookBlock(7, typed, p, result, mode, sep);
    FUZZ_CHECK(!block.empty() && block.back() == kBookBlockEnd, input + ": the block does not end with its rule");
    for (std::size_t i = 0; i < block.size(); ++i) {
        FUZZ_CHECK(i + 1 == block.size() || block[i] != kBookBlockEnd, input + ": a second closing rule in the block");
        FUZZ_CHECK(!fuzz::hasControl(block[i]), input + ": book line " + show(block[i]));
    }
    const std::u16string row = SummaryRow(7, typed, p, result, mode, sep);
    FUZZ_CHECK(!fuzz::hasControl(row), input + ": table row " + show(row));
    // 170 columns; a value wider than its field pushes the rest right, never cut.
    FUZZ_CHECK(DisplayWidth(row) >= 170 && row.starts_with(u"   ZH7 "), input + ": table row " + show(row));
    for (double v : {result.Qcs, result.Qcp, result.Qck, result.Qcd}) {
        FUZZ_CHECK(!formatForce(v, mode, sep).empty(), input + ": a printable force formats as nothing");
    }
    return 0;
}
