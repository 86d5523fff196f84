// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test helper: real piles for the report tests, read and computed by the
// engine exactly as the window does, so report texts are checked against
// genuine results rather than hand-made numbers.
#include <gtest/gtest.h>

#include <string>

#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "reports/ReportInputs.h"

namespace pilecalc::test {

struct ComputedPile {
    TypedInputs typed;
    PileCase pile;
    PileResult result;
};

struct PileTexts {
    std::u16string d = u"1000";
    std::u16string hr = u"1.0d";
    std::u16string frk = u"25";
    bool weathered = true;
    std::u16string reduction = u"0.70";
    std::u16string gammaCR = u"1.80";
};

inline ComputedPile makePile(const PileTexts& t = {}, char16_t sep = u'.') {
    const PileInputTexts texts{t.d, t.hr, t.frk, t.reduction, t.gammaCR, t.weathered};
    const PileReading reading = readPileCase(texts, sep);
    EXPECT_TRUE(reading.ok()) << "test pile does not pass the input checks";
    ComputedPile out{{t.d, t.hr, t.gammaCR}, reading.pile, computePile(reading.pile)};
    return out;
}

}  // namespace pilecalc::test
