// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Qcd range of the filter row: 0 or a negative value sets no bound on
// its side, and a lower bound above the upper one leaves the lower alone.
#include <optional>
#include <string>
#include <string_view>

#include "optimisation/ResultList.h"

namespace pilecalc {

// L = minimum when > 0, else 0; U = maximum when > 0, else 1e15; U = L when L > U.
FilterBounds effectiveBounds(double minimum, double maximum);

struct FilterReading {
    FilterBounds bounds;                  // meaningful only when ok()
    std::optional<std::u16string> error;  // "'abc' is not a valid floating point value"
    bool ok() const { return !error.has_value(); }
};

// Converts the minimum, then the maximum (locale's separator or a period,
// blanks around allowed). A failure changes nothing: the caller reports it
// and leaves both lists as they are.
FilterReading readFilterBounds(std::u16string_view minimumText, std::u16string_view maximumText,
                               char16_t decimalSeparator);

}  // namespace pilecalc
