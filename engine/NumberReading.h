// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace pilecalc {

// Period-decimal reading: leading blanks, then an optional sign, digits with
// an optional "." and fraction, an optional exponent, and nothing after it.
// Anything else (a comma, a trailing blank, letters, empty) gives no value.
// Values too large for a double give no value either.
std::optional<double> readPeriodDecimal(std::u16string_view text);

// Locale-decimal reading: blanks allowed before and after the number, the
// locale's decimal separator or a period as the decimal point.
std::optional<double> readLocaleDecimal(std::u16string_view text, char16_t decimalSeparator);

// True when the text holds a control character: C0 (line breaks, tab, NUL,
// ...), DEL, C1, or the Unicode line and paragraph separators. Such a text
// would split or shift a report line, so no input that reaches a report may
// carry one, even in the part after a "d" marker that is otherwise ignored.
bool containsControlCharacter(std::u16string_view text);

}  // namespace pilecalc
