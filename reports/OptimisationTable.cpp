// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/OptimisationTable.h"

#include "reports/ReportFormat.h"
#include "reports/SummaryTable.h"
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

namespace tf = tableField;

std::u16string rightIn(std::u16string_view text, TableField f) {
    return AlignRight(text, u" ", f.width) + Blanks(f.pad);
}

// Reduction and γcR are centred in the lists where the table right-aligns them:
// the same place for their four-character texts ("0.70", "1.80").
std::u16string centreIn(std::u16string_view text, TableField f) {
    return AlignCentre(text, u" ", f.width) + Blanks(f.pad);
}

}  // namespace

Lines optimisationTableHead(std::u16string_view titleWord) {
    const std::u16string equals(73, u'=');
    const std::u16string rule(170, u'-');
    return {equals + u" " + std::u16string(titleWord) + u" " + equals, rule, std::u16string(kSummaryHeadingTop),
            std::u16string(kSummaryHeadingUnits), rule};
}

std::u16string optimisationTableRow(std::size_t i, std::size_t rowCount,
                                    const std::array<std::u16string_view, kOptimisationCells>& c) {
    std::u16string row;
    row.reserve(200);
    row += u' ';
    row += centreIn(reportformat::listPileName(i, rowCount), tf::kind);
    row += centreIn(u"圆  桩", tf::kind);
    row += rightIn(c[1], tf::input);         // d
    row += rightIn(c[3], tf::input);         // hr
    row += rightIn(c[4], tf::input);         // frk
    row += centreIn(c[5], tf::mark);         // weathered
    row += centreIn(c[6], tf::mark);         // reduction
    row += rightIn(c[7], tf::input);         // hr/d
    row += rightIn(c[8], tf::coefficient);   // zetaS
    row += rightIn(c[9], tf::force);         // Qcs
    row += rightIn(c[10], tf::share);        // side share
    row += rightIn(c[11], tf::coefficient);  // zetaP
    row += rightIn(c[12], tf::force);        // Qcp
    row += rightIn(c[13], tf::share);        // end share
    row += rightIn(c[14], tf::force);        // Qck
    row += centreIn(c[15], tf::mark);        // gammaCR
    row += rightIn(c[2], tf::design);        // Qcd
    return row;
}

}  // namespace pilecalc
