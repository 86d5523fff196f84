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

// Field widths of the mode-dependent columns: with decimals the figures get
// one more column and the padding one less, so every column stays 10 wide.
struct ModeColumns {
    int force;  // Qcs, Qcp, Qck
    int forcePad;
    int share;  // share text including "%"
    int sharePad;
    int design;  // Qcd, last column (9 wide)
    int designPad;
};

ModeColumns columnsOf(PrecisionMode mode) {
    if (decimalsOf(mode) > 0) return {8, 2, 7, 3, 8, 1};
    return {7, 3, 6, 4, 7, 2};
}

}  // namespace

Lines SummaryHeader() {
    return {repeated(u'=', 83) + u" 嵌岩桩计算书 " + repeated(u'=', 73), repeated(u'-', kTableWidth),
            std::u16string(kSummaryHeadingTop), std::u16string(kSummaryHeadingUnits), repeated(u'-', kTableWidth)};
}

std::u16string SummaryRow(int n, const TypedInputs& typed, const PileCase& pile, const PileResult& r,
                          PrecisionMode mode, char16_t sep) {
    const ModeColumns w = columnsOf(mode);
    const int D = decimalsOf(mode);
    const auto right = [](std::u16string_view text, int width, int pad) {
        return AlignRight(text, u" ", width) + Blanks(pad);
    };
    const auto force = [&](double kN) {
        return right(rf::force(kN, rf::kForcePrecision, mode, sep), w.force, w.forcePad);
    };
    const auto share = [&](double percent) {
        return right(rf::share(percent, r.sharesDefined, D, sep), w.share, w.sharePad);
    };
    // A cleared weathering box prints the fixed factor text, whatever the locale.
    const std::u16string reduction =
        pile.weathered ? FormatFixed(pile.reduction, rf::kInputPrecision, 2, sep) : std::u16string(u"1.00");

    std::u16string row;
    row.reserve(200);
    row += Blanks(3) + AlignLeft(rf::pileName(n), u" ", 6) + Blanks(2);
    row += AlignCentre(u"圆  桩", u" ", 8) + Blanks(2);
    row += right(typed.d, 6, 4);
    row += right(typed.hr, 6, 4);
    row += right(FormatFixed(pile.frk, rf::kInputPrecision, 2, sep), 6, 4);
    row += AlignCentre(pile.weathered ? u"是" : u"否", u" ", 8) + Blanks(2);
    row += right(reduction, 6, 4);
    row += right(FormatFixed(r.ratio, rf::kInputPrecision, 2, sep), 6, 4);
    row += right(FormatFixed(r.zetaS, rf::kCoefficientPrecision, 4, sep), 7, 3);
    row += force(r.Qcs);
    row += share(r.sideShare);
    row += right(FormatFixed(r.zetaP, rf::kCoefficientPrecision, 4, sep), 7, 3);
    row += force(r.Qcp);
    row += share(r.endShare);
    row += force(r.Qck);
    row += right(FormatFixed(pile.gammaCR, rf::kForcePrecision, 2, sep), 6, 4);
    row += right(rf::force(r.Qcd, rf::kForcePrecision, mode, sep), w.design, w.designPad);
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
