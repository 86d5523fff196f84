// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a result file holds, as lines made on demand: the streaming writer asks each
// thread's formatter for line k and encodes it straight into its byte block, so a list
// of millions of rows is never held as texts.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace pilecalc {

// Formats the lines of one file; one per thread.
class LineFormatter {
  public:
    virtual ~LineFormatter() = default;
    // Appends line k (0-based, no line end) to out.
    virtual void appendLine(std::size_t k, std::u16string& out) = 0;
};

// Read from several threads at once while a file is written, so it must not change
// during the save.
class LineSource {
  public:
    virtual ~LineSource() = default;
    virtual std::size_t lineCount() const = 0;
    virtual std::unique_ptr<LineFormatter> formatter() const = 0;
};

// Lines held in memory (the book, the summary table).
class LinesSource final : public LineSource {
  public:
    explicit LinesSource(const std::vector<std::u16string>& lines) : m_lines(lines) {}
    std::size_t lineCount() const override { return m_lines.size(); }
    std::unique_ptr<LineFormatter> formatter() const override;

  private:
    const std::vector<std::u16string>& m_lines;
};

}  // namespace pilecalc
