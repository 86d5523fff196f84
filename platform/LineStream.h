// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Streaming of large result files. Lines are formatted by the caller into a reused
// UTF-16 buffer, encoded straight into a byte block in the file's character set (ASCII
// passes through byte by byte, the few Chinese words of a row are converted once and
// then copied) and written in blocks of about a megabyte to the temporary file of a
// DurableFile. Long files are formatted by two threads, block by block, while a third
// writes the finished blocks in order; memory stays at a few blocks whatever the size.
// The bytes are the same as encoding each line on its own with ResultEncoder.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ResultFile.h"
#include "reports/LineSource.h"
#include "platform/TextEncoding.h"

namespace pilecalc::platform {

// Turns UTF-16 pieces into the bytes ResultEncoder gives for them, without a QString
// per piece. Not thread-safe: one per thread.
class StreamEncoder {
  public:
    StreamEncoder(const QByteArray& codeset, ResultFileKind kind);

    QByteArray prefix() const { return m_encoder.prefix(); }
    // Appends the bytes of text to out.
    void append(std::string& out, std::u16string_view text);
    // True when pieces can be encoded one by one and give the bytes of the whole: the
    // character set is stateless and leaves ASCII as it is (UTF-8, GBK, GB18030, GB2312).
    bool streamsPieces() const { return m_streams; }

  private:
    void appendRun(std::string& out, std::u16string_view run);

    ResultEncoder m_encoder;
    bool m_streams = false;
    // Non-ASCII runs met so far and their bytes; a row holds only a few distinct ones.
    std::vector<std::pair<std::u16string, std::string>> m_runs;
    std::size_t m_nextReplaced = 0;
};

// The lines of a file, made on demand (reports/LineSource.h).
using pilecalc::LineFormatter;
using pilecalc::LineSource;
using pilecalc::LinesSource;

// Shared between a save and whoever watches it (another thread).
struct SaveControl {
    std::atomic<bool> stop{false};               // set to end the save, the earlier file kept
    std::atomic<std::uint64_t> linesWritten{0};  // lines handed to the file so far
    std::atomic<std::uint64_t> lineTotal{0};     // lines of the file, known once it starts
};

// Writes the source as a result file: for Memo files the lines joined by CR LF with no
// break after the last, for OptimisationTable files every line ended by CR LF. A save
// stopped through control fails with stopped set; the earlier file stays and no
// temporary file is left, as for any failure.
SaveOutcome streamResultFile(const ResultFileTarget& target, const QString& fileName, ResultFileKind kind,
                             const LineSource& source, SaveControl* control = nullptr);
// The same in the documents folder, in the locale's character set.
SaveOutcome streamResultFile(const QString& fileName, ResultFileKind kind, const LineSource& source,
                             SaveControl* control = nullptr);

}  // namespace pilecalc::platform
