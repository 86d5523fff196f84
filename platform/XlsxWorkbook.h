// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a report table as an Excel workbook (.xlsx) through libxlsxwriter:
// bold header row frozen at the top, numbers as numbers in their cell's number
// format, texts as texts, column widths fitted to the widest text, the note
// lines below the last row. A table longer than a sheet goes on in further
// sheets, each with its own header row; the notes follow the last row of all.
#include <cstddef>
#include <string>

#include "platform/LineStream.h"
#include "reports/SheetTable.h"

namespace pilecalc::platform {

// Rows of a worksheet in Excel, the header row included.
inline constexpr std::size_t kXlsxSheetRows = 1048576;

// Writes the workbook to path (UTF-8) and returns an empty text, or the reason it
// failed (the file is then not left behind, an earlier one stays). sheetRows is the
// row limit of one sheet, smaller only to try the continuation on small tables. With
// a control the rows written are counted in it (linesWritten of lineTotal) and its
// stop flag ends the export, as a failure.
std::string writeWorkbook(const std::string& path, const SheetTable& table, std::size_t sheetRows = kXlsxSheetRows,
                          SaveControl* control = nullptr);

}  // namespace pilecalc::platform
