// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/ReportInputs.h"

namespace pilecalc {

// Takes the last recorded pile out of both report texts. With one pile (or
// none) left both texts are emptied. Otherwise the table loses the row above
// its four footer lines, and the book loses the last block: every line after
// the previous block's closing "=" line up to the final time line, which
// stays with its time. A text that does not have the expected shape is
// trimmed only as far as it can be, never past its start.
void DeleteLastPile(Lines& book, Lines& table, int pileCount);

}  // namespace pilecalc
