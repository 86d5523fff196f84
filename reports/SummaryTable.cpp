// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/SummaryTable.h"

#include "reports/CalculationBook.h"
#include "reports/ReportFormat.h"
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

namespace rf = reportformat;

constexpr int kTableWidth = 170;

std::u16string repeated(char16_t c, int count) { return std::u16string(static_cast<std::size_t>(count), c); }

}  // namespace

Lines SummaryHeader() {
    return {repeated(u'=', 83) + u" 嵌岩桩计算书 " + repeated(u'=', 73), repeated(u'-', kTableWidth),
            std::u16string(kSummaryHeadingTop), std::u16string(kSummaryHeadingUnits), repeated(u'-', kTableWidth)};
}

std::u16string SummaryRow(int n, const TypedInputs& typed, const PileCase& pile, const PileResult& r,
                          PrecisionMode mode, char16_t sep) {
    namespace tf = tableField;
    const int D = decimalsOf(mode);
    // The mode's decimals widen the fields of the forces and the shares.
    const auto modeField = [D](TableField f) { return D > 0 ? tf::widened(f) : f; };
    const auto right = [](std::u16string_view text, TableField f) {
        return AlignRight(text, u" ", f.width) + Blanks(f.pad);
    };
    const auto centre = [](std::u16string_view text, TableField f) {
        return AlignCentre(text, u" ", f.width) + Blanks(f.pad);
    };
    const auto force = [&](double kN) {
        return right(rf::force(kN, rf::kForcePrecision, mode, sep), modeField(tf::force));
    };
    const auto share = [&](double percent) {
        return right(rf::share(percent, r.sharesDefined, D, sep), modeField(tf::share));
    };
    // A cleared weathering box prints the fixed factor text, whatever the locale.
    const std::u16string reduction =
        pile.weathered ? FormatFixed(pile.reduction, rf::kInputPrecision, 2, sep) : std::u16string(u"1.00");

    std::u16string row;
    row.reserve(200);
    row += Blanks(3) + AlignLeft(rf::pileName(n), u" ", 6) + Blanks(2);
    row += centre(u"圆  桩", tf::kind);
    row += right(typed.d, tf::input);
    row += right(typed.hr, tf::input);
    row += right(FormatFixed(pile.frk, rf::kInputPrecision, 2, sep), tf::input);
    row += centre(pile.weathered ? u"是" : u"否", tf::mark);
    row += right(reduction, tf::input);
    row += right(FormatFixed(r.ratio, rf::kInputPrecision, 2, sep), tf::input);
    row += right(FormatFixed(r.zetaS, rf::kCoefficientPrecision, 4, sep), tf::coefficient);
    row += force(r.Qcs);
    row += share(r.sideShare);
    row += right(FormatFixed(r.zetaP, rf::kCoefficientPrecision, 4, sep), tf::coefficient);
    row += force(r.Qcp);
    row += share(r.endShare);
    row += force(r.Qck);
    row += right(FormatFixed(pile.gammaCR, rf::kForcePrecision, 2, sep), tf::input);
    row += right(rf::force(r.Qcd, rf::kForcePrecision, mode, sep), modeField(tf::design));
    return row;
}

Lines SummaryFooter(std::u16string_view timeText) {
    return {repeated(u'-', kTableWidth), u" 注: 采用《港口工程桩基规范》(JTS 167-4-2012)公式计算",
            repeated(u'=', kTableWidth), std::u16string(kTimeLabel) + std::u16string(timeText)};
}

void AppendSummaryRow(Lines& table, int n, const TypedInputs& typed, const PileCase& pile, const PileResult& result,
                      PrecisionMode mode, std::u16string_view timeText, char16_t sep) {
    if (n == 1) {
        Lines header = SummaryHeader();
        table.insert(table.end(), header.begin(), header.end());
    } else {
        for (std::size_t k = 0; k < kSummaryFooterLines && !table.empty(); ++k) table.pop_back();
    }
    table.push_back(SummaryRow(n, typed, pile, result, mode, sep));
    Lines footer = SummaryFooter(timeText);
    table.insert(table.end(), footer.begin(), footer.end());
}

}  // namespace pilecalc
