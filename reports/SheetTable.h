// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A report table laid out for a spreadsheet: one header row, one row per pile,
// the note lines below. A cell keeps the text the report file shows; a figure
// becomes a number with a number format that shows exactly that text again
// ("1234.50" -> 1234.5 shown with "0.00"), anything else stays text (是/否,
// "1.5d", "圆  桩", an empty share). Rows are made on demand, so a list of
// millions of piles never exists as cells all at once.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/ReportInputs.h"
#include "reports/RunRecord.h"

namespace pilecalc {

struct SheetCell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::u16string text;  // the figure or word as the report file shows it, without outer blanks
    double value = 0.0;   // Number: the figure as written ("28%" -> 28)
    std::string format;   // Number: spreadsheet number format, "0", "0.00", "0\"%\""
};

// The cell for a text as a report shows it. A number is a plain decimal: an
// optional minus, digits without a leading zero (but "0" itself), the decimal
// separator and decimals, and an optional "%". Every other text (a scientific
// figure, "-0", "01000", "1.5d") stays text, so its look never changes.
SheetCell sheetCell(std::u16string_view shown, char16_t decimalSeparator);

struct SheetTable {
    std::u16string name;                  // sheet name; further sheets add " (2)", " (3)" ...
    std::vector<std::u16string> headers;  // one per column, with the unit
    std::size_t rowCount = 0;
    // Fills cells (one per header) for row 0 .. rowCount - 1.
    std::function<void(std::size_t row, std::vector<SheetCell>& cells)> row;
    Lines notes;  // written below the last row: the code note and the time line
};

// The pile summary table of the run: the record's piles with the texts their
// table rows show, and the note and time line of the table's footer. The
// record must outlive the table.
SheetTable summarySheet(const RunRecord& run, char16_t decimalSeparator);

// Lines of a report footer that carry words: the code note and the time line
// (the rules are left out).
Lines footerNotes(const Lines& footer);

}  // namespace pilecalc
