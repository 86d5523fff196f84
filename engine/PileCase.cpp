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
        if (!n || *n < 0.0) return std::nullopt;
        return *n * d;
    }
    const auto hr = readLocaleDecimal(text, sep);
    if (!hr || *hr < 0.0) return std::nullopt;
    return hr;
}

}  // namespace

int checkNumberOf(PileField field) {
    switch (field) {
        case PileField::d: return 1;
        case PileField::hr: return 2;
        case PileField::frk: return 3;
        case PileField::None: return 5;
        case PileField::reduction: return 6;
        case PileField::gammaCR: return 7;
    }
    return 0;
}

PileReading readPileCase(const PileInputTexts& texts, char16_t decimalSeparator) {
    PileReading reading;
    PileCase& pile = reading.pile;

    const auto d = readPeriodDecimal(texts.d);
    if (!d || !(*d > 0.0)) return fail(reading, PileField::d, messages::diameterWrong);
    pile.d = *d;

    const auto hr = readDepth(texts.hr, pile.d, decimalSeparator, pile.hrInDiameters);
    if (!hr) return fail(reading, PileField::hr, messages::depthWrong);
    pile.hr = *hr;

    const auto frk = readPeriodDecimal(texts.frk);
    if (!frk || !(*frk > 0.0)) return fail(reading, PileField::frk, messages::strengthWrong);
    pile.frk = *frk;
    reading.lowStrengthHint = pile.frk < 10.0;

    if (!(pile.hr / pile.d >= 1.0)) return fail(reading, PileField::None, messages::depthBelowDiameter);

    pile.weathered = texts.weathered;
    if (pile.weathered) {
        const auto reduction = readPeriodDecimal(texts.reduction);
        if (!reduction || !(*reduction >= 0.0 && *reduction <= 1.0)) {
            return fail(reading, PileField::reduction, messages::reductionWrong);
        }
        pile.reduction = *reduction;
    } else {
        pile.reduction = 1.0;  // the factor field is not read at all
    }

    const auto gamma = readPeriodDecimal(texts.gammaCR);
    if (!gamma || !(*gamma > 1.0)) return fail(reading, PileField::gammaCR, messages::gammaWrong);
    pile.gammaCR = *gamma;
    // 1.699, not 1.7: a typed "1.70" is inside the code range and gets no hint.
    reading.gammaHint = pile.gammaCR < 1.699;

    return reading;
}

}  // namespace pilecalc
