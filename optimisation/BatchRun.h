// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One optimisation run: every combination of the three ranges, d outer, hr
// middle, frk inner, each computed exactly as the compute button computes a
// pile typed with the same texts (readPileCase, computePile, the display
// precision). The run is resumable: the window calls step() or runFor() a
// slice at a time to stay responsive and to let the user cancel.
//
//   RunContext (values, constant texts) --shared--> ResultList (compact rows)
//   BatchRun: combination k -> input texts -> readPileCase -> computePile -> row
//
// A combination that the checks reject, or whose result is not a finite
// number, stops the run there; the rows so far stay.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "optimisation/ResultList.h"
#include "optimisation/RunContext.h"

namespace pilecalc {

// Why a run stopped before its end.
struct BatchStop {
    std::uint64_t combination = 0;     // 0-based index of the rejected combination
    PileInputTexts inputs;             // the six inputs it was computed with
    PileReading reading;               // the failed check, or ok() when the result was not printable
    std::optional<PileResult> result;  // set when the checks passed but a figure is not finite
};

class BatchRun {
  public:
    // Throws std::length_error above kCombinationLimit: check
    // exceedsCombinationLimit() first and show combinationLimitMessage().
    BatchRun(const OptimisationRanges& ranges, BatchSettings settings);

    // Computes up to maxCombinations more; returns how many were processed
    // (a rejected combination counts as processed).
    std::uint64_t step(std::uint64_t maxCombinations);
    // Computes until done() or until the budget has passed (checked every
    // few hundred combinations).
    std::uint64_t runFor(std::chrono::nanoseconds budget);

    bool done() const { return m_stop.has_value() || m_next == m_context->total(); }
    bool completed() const { return !m_stop.has_value() && m_next == m_context->total(); }
    const std::optional<BatchStop>& stop() const { return m_stop; }

    std::uint64_t total() const { return m_context->total(); }
    std::uint64_t combinationsDone() const { return m_next; }
    std::uint64_t rowsProduced() const { return m_rows.size(); }
    // done / total x 100, for the progress text and bar.
    double percentDone() const;

    const ResultList& rows() const { return m_rows; }
    // Hands the rows over (after done(): a later slice would start a new list).
    ResultList takeRows();
    const std::shared_ptr<const RunContext>& context() const { return m_context; }

    // Texts of combination k (0-based), for replaying it through the window.
    CombinationTexts combinationTexts(std::uint64_t combination) const { return m_context->textsOf(combination); }
    // True when some combination j with 1 <= j <= last (all processed)
    // wrote an input text different from combination j - 1's.
    bool inputTextsChangedUpTo(std::uint64_t last) const;

  private:
    void processNext();
    void moveTo(const CombinationIndexes& at);

    std::shared_ptr<const RunContext> m_context;
    ResultList m_rows;
    std::optional<BatchStop> m_stop;
    std::uint64_t m_next = 0;                    // next combination to compute
    CombinationIndexes m_at;                     // indexes of m_next
    PileInputTexts m_inputs;                     // texts of the current combination
    std::vector<double> m_dKeys;                 // d text read back, per d value
    std::optional<std::uint64_t> m_firstChange;  // first j >= 1 whose texts differ from j - 1's
};

}  // namespace pilecalc
