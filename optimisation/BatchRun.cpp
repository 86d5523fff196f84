// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/BatchRun.h"

#include "engine/NumberReading.h"

namespace pilecalc {

BatchRun::BatchRun(const OptimisationRanges& ranges, BatchSettings settings)
    : m_context(std::make_shared<const RunContext>(ranges, std::move(settings))), m_rows(m_context) {
    const RunContext& ctx = *m_context;
    m_rows.reserve(static_cast<std::size_t>(ctx.total()));
    m_inputs = ctx.constantInputs();
    m_inputs.d = ctx.dText(0);
    m_inputs.hr = ctx.hrText(0);
    m_inputs.frk = ctx.frkText(0);
    // The d cell holds the text with a period; a locale reading accepts it.
    m_dKeys.reserve(ctx.dValues().size());
    for (std::size_t i = 0; i < ctx.dValues().size(); ++i) {
        m_dKeys.push_back(readLocaleDecimal(ctx.dText(i), ctx.separator()).value_or(ctx.dValues()[i]));
    }
}

double BatchRun::percentDone() const {
    return static_cast<double>(m_next) / static_cast<double>(m_context->total()) * 100.0;
}

ResultList BatchRun::takeRows() {
    ResultList out = std::move(m_rows);
    m_rows = ResultList(m_context);
    return out;
}

bool BatchRun::inputTextsChangedUpTo(std::uint64_t last) const { return m_firstChange && *m_firstChange <= last; }

// Re-formats only the texts whose value index changed, and notes the first
// combination that writes a text different from its predecessor's.
void BatchRun::moveTo(const CombinationIndexes& at) {
    const RunContext& ctx = *m_context;
    bool changed = false;
    auto update = [&changed](std::u16string& text, std::u16string next) {
        if (text != next) {
            text = std::move(next);
            changed = true;
        }
    };
    if (at.d != m_at.d) update(m_inputs.d, ctx.dText(at.d));
    if (at.hr != m_at.hr) update(m_inputs.hr, ctx.hrText(at.hr));
    if (at.frk != m_at.frk) update(m_inputs.frk, ctx.frkText(at.frk));
    if (changed && !m_firstChange) m_firstChange = m_next;
    m_at = at;
}

void BatchRun::processNext() {
    const RunContext& ctx = *m_context;
    if (m_next > 0) {
        CombinationIndexes at = m_at;
        if (++at.frk == ctx.frkValues().size()) {
            at.frk = 0;
            if (++at.hr == ctx.hrValues().size()) {
                at.hr = 0;
                ++at.d;
            }
        }
        moveTo(at);
    }

    PileReading reading = readPileCase(m_inputs, ctx.separator());
    if (!reading.ok()) {
        m_stop = BatchStop{m_next, m_inputs, std::move(reading), std::nullopt};
        return;
    }
    PileResult result = computePile(reading.pile);
    if (!isPrintable(result)) {
        m_stop = BatchStop{m_next, m_inputs, std::move(reading), std::move(result)};
        return;
    }

    ResultRow row;
    row.number = static_cast<std::uint32_t>(m_next + 1);
    row.dKey = m_dKeys[m_at.d];
    const std::u16string QcdText = formatForce(result.Qcd, ctx.mode(), ctx.separator());
    row.QcdKey = readLocaleDecimal(QcdText, ctx.separator()).value_or(result.Qcd);
    row.zetaS = result.zetaS;
    row.zetaP = result.zetaP;
    row.Qcs = result.Qcs;
    row.Qcp = result.Qcp;
    row.Qck = result.Qck;
    row.Qcd = result.Qcd;
    m_rows.append(row);
    ++m_next;
}

std::uint64_t BatchRun::step(std::uint64_t maxCombinations) {
    std::uint64_t processed = 0;
    while (processed < maxCombinations && !done()) {
        processNext();
        ++processed;
    }
    return processed;
}

std::uint64_t BatchRun::runFor(std::chrono::nanoseconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    std::uint64_t processed = 0;
    while (!done()) {
        processed += step(256);
        if (std::chrono::steady_clock::now() >= deadline) break;
    }
    return processed;
}

}  // namespace pilecalc
