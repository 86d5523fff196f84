// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/ResultList.h"

#include <algorithm>

#include "engine/NumberReading.h"
#include "optimisation/ExchangeSort.h"
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

constexpr std::u16string_view kHeaders[kResultColumns] = {
    u"桩编号",  u"d(mm)",    u"Qcd(kN)", u"hr(mm)",  u"frk(MPa)", u"中风化",  u"折减系数", u"hr/d", u"ζs",
    u"Qcs(kN)", u"侧阻占比", u"ζp",      u"Qcp(kN)", u"端阻占比", u"Qck(kN)", u"γcR",      u"备注"};

// A share as the list shows it: worked out from the two texts the output
// fields hold, so it carries their rounding and the two shares of a row
// need not add up to 100 %. No share exists when the shown total is 0.
std::u16string shareText(const std::u16string& partText, const std::u16string& totalText, char16_t sep) {
    const auto part = readLocaleDecimal(partText, sep);
    const auto total = readLocaleDecimal(totalText, sep);
    if (!part || !total || *total == 0.0) return {};
    return FormatFixed(*part / *total * 100.0, 15, 0, sep) + u"%";
}

}  // namespace

std::u16string resultColumnHeader(int column) {
    if (column < 0 || column >= kResultColumns) return {};
    return AlignRight(kHeaders[column], u" ", 8);
}

std::u16string ResultList::cell(std::size_t index, int column) const {
    const ResultRow& r = m_rows[index];
    const RunContext& ctx = *m_context;
    const char16_t sep = ctx.separator();
    const PrecisionMode mode = ctx.mode();
    switch (column) {
        case resultColumn::number:
            return ctx.pileNumber(r.number);
        case resultColumn::d:
            return ctx.dText(ctx.indexesOf(r.number - 1).d);
        case resultColumn::Qcd:
            return formatForce(r.Qcd, mode, sep);
        case resultColumn::hr:
            return ctx.hrText(ctx.indexesOf(r.number - 1).hr);
        case resultColumn::frk:
            return ctx.frkText(ctx.indexesOf(r.number - 1).frk);
        case resultColumn::weathered:
            return ctx.settings().weathered ? u"是" : u"否";
        case resultColumn::reduction:
            return ctx.settings().weathered ? ctx.settings().reduction : u"1.00";
        case resultColumn::hrPerD:
            return FormatFixed(ctx.hrPerD(ctx.indexesOf(r.number - 1)), 15, 2, sep);
        case resultColumn::zetaS:
            return FormatFixed(r.zetaS, 7, 4, sep);
        case resultColumn::Qcs:
            return formatForce(r.Qcs, mode, sep);
        case resultColumn::sideShare:
            return shareText(formatForce(r.Qcs, mode, sep), formatForce(r.Qck, mode, sep), sep);
        case resultColumn::zetaP:
            return FormatFixed(r.zetaP, 7, 4, sep);
        case resultColumn::Qcp:
            return formatForce(r.Qcp, mode, sep);
        case resultColumn::endShare:
            return shareText(formatForce(r.Qcp, mode, sep), formatForce(r.Qck, mode, sep), sep);
        case resultColumn::Qck:
            return formatForce(r.Qck, mode, sep);
        case resultColumn::gammaCR:
            return ctx.settings().gammaCR;
        default:
            return {};
    }
}

std::array<std::u16string, kResultColumns> ResultList::cells(std::size_t index) const {
    std::array<std::u16string, kResultColumns> c;
    for (int column = 0; column < kResultColumns; ++column) c[static_cast<std::size_t>(column)] = cell(index, column);
    return c;
}

double ResultList::key(std::size_t index, SortKey key) const {
    return key == SortKey::Diameter ? m_rows[index].dKey : m_rows[index].QcdKey;
}

std::u16string ResultList::tableLine(std::size_t index) const {
    const auto texts = cells(index);
    std::array<std::u16string_view, kOptimisationCells> views;
    for (std::size_t i = 0; i < views.size(); ++i) views[i] = texts[i];
    return optimisationTableRow(index + 1, m_rows.size(), views);
}

Lines ResultList::tableLines(std::u16string_view titleWord) const {
    Lines lines = optimisationTableHead(titleWord);
    lines.reserve(lines.size() + m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i) lines.push_back(tableLine(i));
    return lines;
}

ResultList ResultList::filtered(const FilterBounds& bounds) const {
    ResultList out(m_context);
    for (const ResultRow& r : m_rows) {
        if (bounds.lower <= r.QcdKey && r.QcdKey <= bounds.upper) out.m_rows.push_back(r);
    }
    return out;
}

void ResultList::sortAscending(SortKey key) {
    std::vector<double> keys(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i) keys[i] = this->key(i, key);
    std::vector<std::uint32_t> order = exchangeSortOrder(keys);
    // Applied in place, cycle by cycle: a million rows are 72 MB, and a
    // second array of that size costs more in fresh pages than the moves.
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == i) continue;
        const ResultRow held = m_rows[i];
        std::size_t to = i;
        while (order[to] != i) {
            const std::size_t from = order[to];
            m_rows[to] = m_rows[from];
            order[to] = static_cast<std::uint32_t>(to);
            to = from;
        }
        m_rows[to] = held;
        order[to] = static_cast<std::uint32_t>(to);
    }
}

void ResultList::reverse() { std::reverse(m_rows.begin(), m_rows.end()); }

}  // namespace pilecalc
