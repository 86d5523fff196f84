// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/ResultFilter.h"

#include "engine/NumberReading.h"
#include "optimisation/OptimisationMessages.h"

namespace pilecalc {

FilterBounds effectiveBounds(double minimum, double maximum) {
    FilterBounds b;
    b.lower = minimum > 0.0 ? minimum : 0.0;
    b.upper = maximum > 0.0 ? maximum : 1e15;
    if (b.lower > b.upper) b.upper = b.lower;
    return b;
}

FilterReading readFilterBounds(std::u16string_view minimumText, std::u16string_view maximumText, char16_t sep) {
    FilterReading reading;
    const auto minimum = readLocaleDecimal(minimumText, sep);
    if (!minimum) {
        reading.error = notAFloatMessage(minimumText);
        return reading;
    }
    const auto maximum = readLocaleDecimal(maximumText, sep);
    if (!maximum) {
        reading.error = notAFloatMessage(maximumText);
        return reading;
    }
    reading.bounds = effectiveBounds(*minimum, *maximum);
    return reading;
}

}  // namespace pilecalc
