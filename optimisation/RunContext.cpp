// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/RunContext.h"

#include <stdexcept>
#include <utility>

#include "engine/NumberFormat.h"
#include "reports/ReportFormat.h"
#include "reports/TextColumns.h"

namespace pilecalc {

RunContext::RunContext(const OptimisationRanges& ranges, BatchSettings settings)
    : m_ranges(ranges), m_settings(std::move(settings)) {
    if (exceedsCombinationLimit(ranges)) throw std::length_error("too many combinations");
    m_total = combinationCount(ranges);
    m_numberDigits = static_cast<int>(formatInteger(m_total).size());
    m_d = rangeValues(ranges.d);
    m_hr = rangeValues(ranges.hr);
    m_frk = rangeValues(ranges.frk);
}

CombinationIndexes RunContext::indexesOf(std::uint64_t combination) const {
    const std::uint64_t nFrk = m_frk.size();
    const std::uint64_t nHr = m_hr.size();
    CombinationIndexes at;
    at.frk = static_cast<std::size_t>(combination % nFrk);
    const std::uint64_t outer = combination / nFrk;
    at.hr = static_cast<std::size_t>(outer % nHr);
    at.d = static_cast<std::size_t>(outer / nHr);
    return at;
}

std::u16string RunContext::dText(std::size_t index) const { return formatGeneral(m_d[index], u'.'); }

std::u16string RunContext::hrText(std::size_t index) const {
    if (m_ranges.hrInDiameters) return FormatFixed(m_hr[index], 15, 1, separator()) + u"d";
    return formatGeneral(m_hr[index], separator());
}

std::u16string RunContext::frkText(std::size_t index) const { return FormatFixed(m_frk[index], 15, 2, u'.'); }

CombinationTexts RunContext::textsOf(std::uint64_t combination) const {
    const CombinationIndexes at = indexesOf(combination);
    return {dText(at.d), hrText(at.hr), frkText(at.frk)};
}

PileInputTexts RunContext::constantInputs() const {
    PileInputTexts texts;
    texts.reduction = m_settings.reduction;
    texts.gammaCR = m_settings.gammaCR;
    texts.weathered = m_settings.weathered;
    return texts;
}

double RunContext::hrPerD(const CombinationIndexes& at) const {
    return m_ranges.hrInDiameters ? m_hr[at.hr] : m_hr[at.hr] / m_d[at.d];
}

std::u16string RunContext::pileNumber(std::uint64_t number) const {
    return reportformat::listPileName(number, m_total);
}

}  // namespace pilecalc
