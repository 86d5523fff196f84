// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/EditChecks.h"

#include <optional>

#include "engine/NumberReading.h"
#include "engine/PileCase.h"

namespace pilecalc {
namespace {

// A text that does not convert fails like a value out of range.
EditCheck check(std::u16string_view text, char16_t sep, bool (*valid)(double), const char16_t* message) {
    const std::optional<double> value = readLocaleDecimal(text, sep);
    if (value && valid(*value)) return {};
    return {CheckTone::Failed, message};
}

}  // namespace

EditCheck checkDiameterEdit(std::u16string_view text, char16_t sep) {
    return check(text, sep, limits::diameterValid, messages::diameterWrong);
}

EditCheck checkStrengthEdit(std::u16string_view text, char16_t sep) {
    return check(text, sep, limits::strengthEditValid, messages::strengthEditWrong);
}

EditCheck checkReductionEdit(std::u16string_view text, char16_t sep) {
    return check(text, sep, limits::reductionValid, messages::reductionWrong);
}

EditCheck checkGammaEdit(std::u16string_view text, char16_t sep) {
    EditCheck outcome = check(text, sep, limits::gammaValid, messages::gammaWrong);
    if (outcome.tone == CheckTone::Passed && limits::gammaBelowCodeRange(*readLocaleDecimal(text, sep))) {
        outcome = {CheckTone::Hint, messages::gammaHint};
    }
    return outcome;
}

}  // namespace pilecalc
