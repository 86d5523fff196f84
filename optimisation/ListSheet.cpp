// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/ListSheet.h"

#include "reports/ReportFormat.h"

namespace pilecalc {

SheetTable listSheet(const ResultList& list, std::u16string_view name, Lines notes) {
    SheetTable table;
    table.name = std::u16string(name);
    for (int c = 0; c < kResultColumns; ++c) table.headers.push_back(sheetCell(resultColumnHeader(c), u'.').text);
    table.rowCount = list.size();
    table.notes = std::move(notes);
    const char16_t sep = list.context() ? list.context()->separator() : u'.';
    table.row = [&list, sep](std::size_t i, std::vector<SheetCell>& cells) {
        const auto texts = list.cells(i);
        cells.resize(texts.size());
        cells[resultColumn::number] = sheetCell(reportformat::listPileName(i + 1, list.size()), sep);
        for (int c = 1; c < kResultColumns; ++c)
            cells[static_cast<std::size_t>(c)] = sheetCell(texts[static_cast<std::size_t>(c)], sep);
    };
    return table;
}

}  // namespace pilecalc
