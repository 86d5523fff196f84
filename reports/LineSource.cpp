// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/LineSource.h"

namespace pilecalc {
namespace {

class HeldLines final : public LineFormatter {
  public:
    explicit HeldLines(const std::vector<std::u16string>& lines) : m_lines(lines) {}
    void appendLine(std::size_t k, std::u16string& out) override { out += m_lines[k]; }

  private:
    const std::vector<std::u16string>& m_lines;
};

}  // namespace

std::unique_ptr<LineFormatter> LinesSource::formatter() const { return std::make_unique<HeldLines>(m_lines); }

}  // namespace pilecalc
