// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lines of an optimisation list file (head, one row per listed pile, footer) for the
// streaming writer. A row is formatted straight into the writer's buffer: the texts that
// repeat (the constant cells, the d, hr and frk of each value, hr/d of each pair, the
// coefficients) are laid out once and copied; only the forces and shares of each pile
// are formatted anew. The lines are the ones ResultList::tableLine() gives.
#include <string>
#include <string_view>

#include "engine/NumberFormat.h"
#include "optimisation/ResultList.h"
#include "reports/LineSource.h"
#include "reports/ReportInputs.h"

namespace pilecalc {

// formatForce(kN, mode, decimalSeparator) appended to out: the same text for every
// value, made with exact integer arithmetic instead of a general conversion for the
// forces a list holds (1 kN up to 2^53 kN); other values go through formatForce.
void appendForce(std::u16string& out, double kN, PrecisionMode mode, char16_t decimalSeparator);

class ResultListLines final : public LineSource {
  public:
    // The list must stay unchanged while the lines are written.
    ResultListLines(const ResultList& rows, std::u16string_view titleWord, Lines footer);

    std::size_t lineCount() const override { return m_head.size() + m_rows.size() + m_footer.size(); }
    std::unique_ptr<LineFormatter> formatter() const override;

    const ResultList& rows() const { return m_rows; }
    const Lines& head() const { return m_head; }
    const Lines& footer() const { return m_footer; }

  private:
    const ResultList& m_rows;
    Lines m_head;
    Lines m_footer;
};

}  // namespace pilecalc
