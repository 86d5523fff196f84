// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/SheetTable.h"

#include <cstdlib>

#include "reports/SummaryTable.h"

namespace pilecalc {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const auto last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

bool isRule(std::u16string_view line) {
    return !line.empty() && line.find_first_not_of(u"-=") == std::u16string_view::npos;
}

// Column headers of the summary table: its two heading lines read top to bottom.
const std::vector<std::u16string>& summaryHeaders() {
    static const std::vector<std::u16string> headers = {
        u"基桩编号",         u"桩身截面类型",       u"桩身直径 d(mm)",   u"嵌岩深度 hr(mm)",
        u"岩石强度 frk(MPa)", u"嵌入中等风化岩石",   u"侧阻端阻折减系数", u"深径比 hr/d",
        u"侧阻系数 ζs",      u"极限侧阻 Qcs(kN)",   u"极限侧阻占百分比", u"端阻系数 ζp",
        u"极限端阻 Qcp(kN)",  u"极限端阻占百分比",   u"嵌岩阻力 Qck(kN)", u"抗力分项系数 γcR",
        u"桩承载力 Qcd(kN)"};
    return headers;
}

}  // namespace

SheetCell sheetCell(std::u16string_view shown, char16_t sep) {
    SheetCell cell;
    cell.text = trimmed(shown);
    if (cell.text.empty()) return cell;
    cell.kind = SheetCell::Kind::Text;

    std::u16string_view t = cell.text;
    const bool percent = t.back() == u'%';
    if (percent) t.remove_suffix(1);
    const bool negative = !t.empty() && t.front() == u'-';
    if (negative) t.remove_prefix(1);
    const auto point = t.find(sep);
    const std::u16string_view whole = t.substr(0, point);
    const std::u16string_view decimals = point == std::u16string_view::npos ? std::u16string_view{} : t.substr(point + 1);
    const auto allDigits = [](std::u16string_view s) {
        for (char16_t c : s)
            if (!isDigit(c)) return false;
        return true;
    };
    if (whole.empty() || !allDigits(whole) || (whole.size() > 1 && whole.front() == u'0')) return cell;
    if (point != std::u16string_view::npos && (decimals.empty() || !allDigits(decimals))) return cell;
    // More than 15 significant digits would not come back as written.
    if (whole.size() + decimals.size() > 15) return cell;

    std::string ascii = negative ? "-" : "";
    for (char16_t c : whole) ascii += static_cast<char>(c);
    if (!decimals.empty()) {
        ascii += '.';
        for (char16_t c : decimals) ascii += static_cast<char>(c);
    }
    const double value = std::strtod(ascii.c_str(), nullptr);
    // "-0" and "-0.00" would show without their minus.
    if (negative && value == 0.0) return cell;

    cell.kind = SheetCell::Kind::Number;
    cell.value = value;
    cell.format = decimals.empty() ? "0" : "0." + std::string(decimals.size(), '0');
    if (percent) cell.format += "\"%\"";
    return cell;
}

Lines footerNotes(const Lines& footer) {
    Lines notes;
    for (const auto& line : footer)
        if (!isRule(line)) notes.push_back(trimmed(line));
    return notes;
}

SheetTable summarySheet(const RunRecord& run, char16_t sep) {
    SheetTable table;
    table.name = u"桩汇总表";
    table.headers = summaryHeaders();
    table.rowCount = run.piles().size();
    table.row = [&run, sep](std::size_t i, std::vector<SheetCell>& cells) {
        const RecordedPile& p = run.piles()[i];
        const TypedInputs typed{p.inputs.d, p.inputs.hr, p.inputs.gammaCR};
        const auto fields = SummaryFields(static_cast<int>(i) + 1, typed, p.pile, p.result, p.mode, sep);
        cells.resize(fields.size());
        for (std::size_t c = 0; c < fields.size(); ++c) cells[c] = sheetCell(fields[c], sep);
    };
    const Lines& lines = run.tableLines();
    if (lines.size() >= kSummaryFooterLines)
        table.notes = footerNotes(Lines(lines.end() - static_cast<std::ptrdiff_t>(kSummaryFooterLines), lines.end()));
    return table;
}

}  // namespace pilecalc
