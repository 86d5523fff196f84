// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/CalculationBook.h"

#include "reports/ReportFormat.h"
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

namespace rf = reportformat;

constexpr std::u16string_view kRule = u"      ---------------------------------------";

std::u16string F(double v, int precision, int decimals, char16_t sep) {
    return FormatFixed(v, precision, decimals, sep);
}

// The 45-column summary at the end of a block: identity, strength and
// resistances, then capacity, shares and rock class.
void appendSummary(Lines& out, int n, const TypedInputs& typed, const PileCase& pile, const PileResult& r,
                   PrecisionMode mode, char16_t sep) {
    const int D = decimalsOf(mode);
    out.emplace_back(u"5.基桩主要数据汇总");
    out.emplace_back(kRule);
    out.emplace_back(u"      基    桩  桩身截面  桩身直径  嵌岩深度 ");
    out.emplace_back(u"      编    号  类    型    d(mm)    hr(mm)  ");
    out.emplace_back(kRule);
    out.push_back(Blanks(8) + AlignLeft(rf::pileName(n), u" ", 6) + Blanks(2) + AlignCentre(u"圆  桩", u" ", 8) +
                  Blanks(2) + AlignCentre(typed.d, u" ", 8) + Blanks(2) + AlignCentre(typed.hr, u" ", 8) + Blanks(1));
    out.emplace_back(kRule);
    out.emplace_back(u"      岩石强度  极限侧阻  极限端阻  嵌岩阻力 ");
    out.emplace_back(u"      frk(MPa)   Qcs(kN)   Qcp(kN)   Qck(kN) ");
    out.emplace_back(kRule);
    out.push_back(Blanks(6) + AlignCentre(F(pile.frk, rf::kInputPrecision, 2, sep), u" ", 8) + Blanks(2) +
                  AlignCentre(rf::force(r.Qcs, rf::kForcePrecision, mode, sep), u" ", 8) + Blanks(2) +
                  AlignCentre(rf::force(r.Qcp, rf::kForcePrecision, mode, sep), u" ", 8) + Blanks(2) +
                  AlignCentre(rf::force(r.Qck, rf::kForcePrecision, mode, sep), u" ", 8) + Blanks(1));
    out.emplace_back(kRule);
    out.emplace_back(u"      桩承载力  极限侧阻  极限端阻  岩石坚硬 ");
    out.emplace_back(u"       Qcd(kN)  占百分比  占百分比  程    度 ");
    out.emplace_back(kRule);
    out.push_back(Blanks(6) + AlignCentre(rf::force(r.Qcd, rf::kInputPrecision, mode, sep), u" ", 8) + Blanks(2) +
                  AlignCentre(rf::share(r.sideShare, r.sharesDefined, D, sep), u" ", 8) + Blanks(2) +
                  AlignCentre(rf::share(r.endShare, r.sharesDefined, D, sep), u" ", 8) + Blanks(2) +
                  AlignCentre(r.hardness, u" ", 8) + Blanks(1));
    out.emplace_back(kRule);
}

}  // namespace

Lines BookBlock(int n, const TypedInputs& typed, const PileCase& pile, const PileResult& r, PrecisionMode mode,
                char16_t sep) {
    // Computation lines: the value ends in column 45 whatever the mode.
    const auto value10 = [](std::u16string_view label, std::u16string_view value, std::u16string_view unit = {}) {
        return std::u16string(label) + AlignRight(value, u" ", 10) + std::u16string(unit);
    };
    const auto f2 = [sep](double v) { return F(v, rf::kInputPrecision, 2, sep); };
    const auto kN = [sep](double v) { return F(v, rf::kForcePrecision, 2, sep); };
    const auto shareLine = [&](std::u16string_view label, double percent) {
        std::u16string line = std::u16string(label) +
                              AlignRight(r.sharesDefined ? F(percent, rf::kSharePrecision, 2, sep) : u"", u" ", 7);
        if (r.sharesDefined) line += u"%";
        return line;
    };
    const double reduction = pile.weathered ? pile.reduction : 1.0;

    Lines out;
    out.reserve(60);
    out.emplace_back(u"================== 嵌岩桩计算书 ==================");
    out.push_back(u"1.基桩编号: " + rf::pileName(n));
    out.emplace_back(u"2.输入数据");
    out.emplace_back(u"  2.1 基桩参数");
    out.emplace_back(u"      桩身截面类型:                      圆桩");
    out.push_back(value10(u"      桩身直径d:                   ", typed.d, u" mm"));
    // A depth typed as a multiple of d already carries its unit ("1.0d").
    out.push_back(value10(u"      桩身嵌岩深度hr:              ", typed.hr, pile.hrInDiameters ? u"" : u" mm"));
    out.emplace_back(u"  2.2 基岩参数");
    out.push_back(value10(u"      岩石单轴抗压强度标准值frk:   ", f2(pile.frk), u" MPa"));
    out.emplace_back(pile.weathered ? u"      嵌入中等风化岩石:                    是"
                                    : u"      嵌入中等风化岩石:                    否");
    out.push_back(value10(u"      岩石侧阻端阻计算系数折减:    ", f2(reduction)));
    out.emplace_back(u"  2.3 分项系数");
    out.push_back(u"      单桩轴向承载力抗力分项系数γcR:" + AlignRight(typed.gammaCR, u" ", 8));
    out.emplace_back(u"3.采用规范及公式");
    out.emplace_back(u"  3.1 采用规范:");
    out.emplace_back(u"                    《港口工程桩基规范》");
    out.emplace_back(u"                      (JTS 167-4-2012)");
    out.emplace_back(u"  3.2 规范公式:");
    out.emplace_back(u"                Qd=Qk/γR              (4.2.2)");
    out.emplace_back(u"               Qcd=U1∑ζfi.qfi.li/γcs");
    out.emplace_back(u"         +(U2ζs.frk.hr+ζp.frk.A)/γcR");
    out.emplace_back(u"                                     (4.2.4-4)");
    out.emplace_back(u"4.承载力计算");
    out.push_back(value10(u"  4.1 桩身直径d:                   ", typed.d, u" mm"));
    out.push_back(value10(u"      桩身截面面积A:               ", f2(r.A), u" m^2"));
    out.push_back(value10(u"      桩身截面周长U2:              ", f2(r.U2), u" m"));
    out.push_back(u"  4.2 岩石坚硬程度:              " + AlignRight(r.hardness, u" ", 12));
    // The ratio as entered; a capped depth is stated on its own line.
    out.push_back(value10(u"  4.3 嵌岩深径比hr/d:              ", f2(r.ratio)));
    if (r.ratioCapped) out.emplace_back(u"      计算承载力采用的嵌岩深径比:        5.00");
    out.push_back(value10(u"  4.4 嵌岩段侧阻力计算采用嵌岩深度:", F(r.hrUsed, rf::kInputPrecision, 0, sep), u" mm"));
    out.push_back(value10(u"      嵌岩段侧阻力系数ζs:         ", F(r.zetaS, rf::kCoefficientPrecision, 4, sep)));
    out.push_back(value10(u"      嵌岩段总极限侧阻力标准值Qcs: ", kN(r.Qcs), u" kN"));
    out.push_back(value10(u"  4.5 嵌岩段端阻力系数ζp:         ", F(r.zetaP, rf::kCoefficientPrecision, 4, sep)));
    out.push_back(value10(u"      嵌岩段总极限端阻力标准值Qcp: ", kN(r.Qcp), u" kN"));
    out.push_back(value10(u"  4.6 嵌岩段总极限阻力标准值Qck:   ", kN(r.Qck), u" kN"));
    out.push_back(shareLine(u"      嵌岩段总极限侧阻力所占比例:    ", r.sideShare));
    out.push_back(shareLine(u"      嵌岩段总极限端阻力所占比例:    ", r.endShare));
    out.emplace_back(u"  4.7 覆盖层桩周极限侧阻力(不考虑)：     0.00 kN");
    out.push_back(value10(u"  4.8 单桩轴向极限承载力标准值Qk:  ", kN(r.Qck), u" kN"));
    out.push_back(u"      单桩轴向承载力抗力分项系数γcR:" + AlignRight(typed.gammaCR, u" ", 8));
    out.push_back(value10(u"      单桩轴向承载力特征值Qcd:     ", kN(r.Qcd), u" kN"));
    appendSummary(out, n, typed, pile, r, mode, sep);
    out.emplace_back(kBookBlockEnd);
    return out;
}

void AppendBook(Lines& book, int n, const TypedInputs& typed, const PileCase& pile, const PileResult& result,
                PrecisionMode mode, std::u16string_view timeText, char16_t sep) {
    if (n >= 2 && !book.empty()) book.pop_back();
    Lines block = BookBlock(n, typed, pile, result, mode, sep);
    book.insert(book.end(), std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
    book.push_back(std::u16string(kTimeLabel) + std::u16string(timeText));
}

}  // namespace pilecalc
