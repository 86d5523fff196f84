// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/OptimisationTable.h"

#include "engine/NumberFormat.h"
#include "reports/SummaryTable.h"
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

std::u16string rightIn(std::u16string_view text, int width, int pad) {
    return AlignRight(text, u" ", width) + Blanks(pad);
}

std::u16string centreIn(std::u16string_view text, int pad) { return AlignCentre(text, u" ", 8) + Blanks(pad); }

}  // namespace

Lines OptimisationTableHead(std::u16string_view titleWord) {
    const std::u16string equals(73, u'=');
    const std::u16string rule(170, u'-');
    return {equals + u" " + std::u16string(titleWord) + u" " + equals, rule, std::u16string(kSummaryHeadingTop),
            std::u16string(kSummaryHeadingUnits), rule};
}

std::u16string OptimisationTableRow(std::size_t i, std::size_t rowCount,
                                    const std::array<std::u16string_view, kOptimisationCells>& c) {
    const int digits = static_cast<int>(formatInteger(rowCount == 0 ? 1 : rowCount).size());
    std::u16string row;
    row.reserve(200);
    std::u16string name = u"ZH-";
    name += AlignRight(formatInteger(i), u"0", digits);
    row += u' ';
    row += centreIn(name, 2);
    row += centreIn(u"圆  桩", 2);
    row += rightIn(c[1], 6, 4);   // d
    row += rightIn(c[3], 6, 4);   // hr
    row += rightIn(c[4], 6, 4);   // frk
    row += centreIn(c[5], 2);     // weathered
    row += centreIn(c[6], 2);     // reduction
    row += rightIn(c[7], 6, 4);   // hr/d
    row += rightIn(c[8], 7, 3);   // zetaS
    row += rightIn(c[9], 7, 3);   // Qcs
    row += rightIn(c[10], 6, 4);  // side share
    row += rightIn(c[11], 7, 3);  // zetaP
    row += rightIn(c[12], 7, 3);  // Qcp
    row += rightIn(c[13], 6, 4);  // end share
    row += rightIn(c[14], 7, 3);  // Qck
    row += centreIn(c[15], 2);    // gammaCR
    row += rightIn(c[2], 7, 2);   // Qcd
    return row;
}

}  // namespace pilecalc
