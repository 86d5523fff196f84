// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A result list laid out for a spreadsheet: the 17 columns in the list's order
// with the headers the lists show, one row per pile in its present order. The
// pile numbers are the ones the list file writes (ZH-01 .. in the present
// order), every other cell is the list's own text made a number where it is one.
#include <string_view>

#include "optimisation/ResultList.h"
#include "reports/SheetTable.h"

namespace pilecalc {

// The list must outlive the table and stay unchanged while it is written.
SheetTable listSheet(const ResultList& list, std::u16string_view name, Lines notes);

}  // namespace pilecalc
