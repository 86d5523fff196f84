// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "reports/ReportInputs.h"

class QPlainTextEdit;

namespace pilecalc::app {

// Makes `memo` show `lines` (joined by line breaks), given that its first `unchanged`
// lines already match. Only the tail is rewritten, so recording the thousandth pile
// costs no more than recording the first.
void showLines(QPlainTextEdit* memo, const Lines& lines, std::size_t unchanged);

// The caret to the end of its line, then to the start of the text.
void moveCaretHome(QPlainTextEdit* memo);

}  // namespace pilecalc::app
