// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace pilecalc {

// Fixed-column layout for texts shown in a font where an ideograph takes
// two Latin columns. Width is counted per UTF-16 code unit: units in
// U+1000..U+9FA5 count two columns, every other unit one (so the full-width
// colon U+FF1A counts one, and a surrogate pair two).
int DisplayWidth(std::u16string_view text);

// The aligning operations add n = width - DisplayWidth(text) copies of the
// fill (a repetition count, not columns); a text already as wide as the
// field or wider comes back unchanged, never cut.
std::u16string AlignLeft(std::u16string_view text, std::u16string_view fill, int width);
std::u16string AlignRight(std::u16string_view text, std::u16string_view fill, int width);
// The odd extra repetition goes to the left: width 3 in 8 is 3 + text + 2.
std::u16string AlignCentre(std::u16string_view text, std::u16string_view fill, int width);

// count blanks; zero or a negative count gives the empty text.
std::u16string Blanks(int count);

}  // namespace pilecalc
