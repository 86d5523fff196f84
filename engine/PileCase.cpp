// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PileCase.h"

#include "engine/NumberReading.h"

namespace pilecalc {
namespace {

PileReading fail(PileReading reading, PileField field, const char16_t* message) {
    reading.failure = InputFailure{field, message};
    return reading;
}

// The socket depth: "1.5d" is 1.5 times d (everything from the first
// lower-case d on is ignored, so "1.5d2" is 1.5 d), anything else is mm.
// Returns hr in mm, or nothing when the text does not convert or is negative.
std::optional<double> readDepth(std::u16string_view text, double d, char16_t sep, bool& inDiameters) {
    // The text goes into the book as typed: a pasted line break after the
    // marker would cut the pile's lines apart.
    if (containsControlCharacter(text)) {
        inDiameters = text.find(u'd') != std::u16string_view::npos;
        return std::nullopt;
    }
    const auto marker = text.find(u'd');
    inDiameters = marker != std::u16string_view::npos;
    if (inDiameters) {
        const auto n = readLocaleDecimal(text.substr(0, marker), sep);
        if (!n || !limits::depthValid(*n)) return std::nullopt;
        return *n * d;
    }
    const auto hr = readLocaleDecimal(text, sep);
    if (!hr || !limits::depthValid(*hr)) return std::nullopt;
    return hr;
}

// Position of the field's check in the fixed order (the hr/d check has no field).
int checkOrder(PileField field) {
    switch (field) {
        case PileField::d:
            return 1;
        case PileField::hr:
            return 2;
        case PileField::frk:
            return 3;
        case PileField::None:
            return 5;
        case PileField::reduction:
            return 6;
        case PileField::gammaCR:
            return 7;
    }
    return 0;
}

}  // namespace

bool PileReading::passedCheckOf(PileField field) const {
    return ok() || checkOrder(failure->field) > checkOrder(field);
}

PileReading readPileCase(const PileInputTexts& texts, char16_t decimalSeparator) {
    PileReading reading;
    PileCase& pile = reading.pile;

    const auto d = readPeriodDecimal(texts.d);
    if (!d || !limits::diameterValid(*d)) return fail(reading, PileField::d, messages::diameterWrong);
    pile.d = *d;

    const auto hr = readDepth(texts.hr, pile.d, decimalSeparator, pile.hrInDiameters);
    if (!hr) return fail(reading, PileField::hr, messages::depthWrong);
    pile.hr = *hr;

    const auto frk = readPeriodDecimal(texts.frk);
    if (!frk || !limits::strengthValid(*frk)) return fail(reading, PileField::frk, messages::strengthWrong);
    pile.frk = *frk;
    reading.lowStrengthHint = limits::lowStrength(pile.frk);

    if (!limits::socketAtLeastOneDiameter(pile.hr, pile.d))
        return fail(reading, PileField::None, messages::depthBelowDiameter);

    pile.weathered = texts.weathered;
    if (pile.weathered) {
        const auto reduction = readPeriodDecimal(texts.reduction);
        if (!reduction || !limits::reductionValid(*reduction)) {
            return fail(reading, PileField::reduction, messages::reductionWrong);
        }
        pile.reduction = *reduction;
    } else {
        pile.reduction = 1.0;  // the factor field is not read at all
    }

    const auto gamma = readPeriodDecimal(texts.gammaCR);
    if (!gamma || !limits::gammaValid(*gamma)) return fail(reading, PileField::gammaCR, messages::gammaWrong);
    pile.gammaCR = *gamma;
    reading.gammaHint = limits::gammaBelowCodeRange(pile.gammaCR);

    return reading;
}

}  // namespace pilecalc
