// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LineStream.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/DurableFile.h"

namespace pilecalc::platform {
namespace {

// Lines per block: about 700 kB of list lines, so a block is one large write and a few
// blocks in flight stay a few megabytes.
constexpr std::size_t kBlockLines = 4096;
// Blocks formatted ahead of the one being written.
constexpr std::size_t kRingBlocks = 6;
// Distinct non-ASCII runs an encoder remembers.
constexpr std::size_t kRememberedRuns = 32;

bool isPieceWiseCodeset(QByteArray name) {
    name = name.toUpper().replace("-", "").replace("_", "");
    return name == "GBK" || name == "GB18030" || name == "GB2312" || name == "EUCCN" || name == "CP936";
}

// Formats lines [first, last) with their line ends and encodes them onto out.
void formatBlock(LineFormatter& lines, StreamEncoder& encoder, ResultFileKind kind, std::size_t first, std::size_t last,
                 std::u16string& scratch, std::string& out) {
    for (std::size_t k = first; k < last; ++k) {
        if (kind == ResultFileKind::Memo && k > 0) out += "\r\n";
        scratch.clear();
        lines.appendLine(k, scratch);
        encoder.append(out, scratch);
        if (kind == ResultFileKind::OptimisationTable) out += "\r\n";
    }
}

struct StreamResult {
    bool written = false;
    bool stopped = false;
};

bool stopRequested(const SaveControl* control) { return control && control->stop.load(std::memory_order_relaxed); }

void reportProgress(SaveControl* control, std::size_t lines) {
    if (control) control->linesWritten.store(lines, std::memory_order_relaxed);
}

// Character sets that must see the whole text at once (none of the usual ones): the
// memo is joined and encoded in one piece, each list line on its own, as they always were.
StreamResult writeWhole(DurableFile& file, const QByteArray& codeset, ResultFileKind kind, const LineSource& source,
                        SaveControl* control) {
    const ResultEncoder encoder(codeset, kind);
    const auto lines = source.formatter();
    const std::size_t total = source.lineCount();
    std::u16string scratch;
    QByteArray bytes = encoder.prefix();
    if (kind == ResultFileKind::Memo) {
        QString text;
        for (std::size_t k = 0; k < total; ++k) {
            if (k > 0) text += QLatin1String("\r\n");
            scratch.clear();
            lines->appendLine(k, scratch);
            text += QString::fromStdU16String(scratch);
        }
        bytes += encoder.encode(text);
        const bool ok = file.write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        reportProgress(control, total);
        return {ok, false};
    }
    for (std::size_t k = 0; k < total; ++k) {
        scratch.clear();
        lines->appendLine(k, scratch);
        bytes += encoder.encode(QString::fromStdU16String(scratch));
        bytes += "\r\n";
        if (bytes.size() >= 1024 * 1024 || k + 1 == total) {
            if (!file.write(bytes.constData(), static_cast<std::size_t>(bytes.size()))) return {false, false};
            bytes.clear();
            reportProgress(control, k + 1);
            if (stopRequested(control)) return {false, true};
        }
    }
    return {file.write(bytes.constData(), static_cast<std::size_t>(bytes.size())), false};
}

StreamResult writeOnOneThread(DurableFile& file, StreamEncoder& encoder, LineFormatter& lines, ResultFileKind kind,
                              std::size_t total, SaveControl* control) {
    std::u16string scratch;
    std::string block;
    for (std::size_t first = 0; first < total; first += kBlockLines) {
        const std::size_t last = std::min(total, first + kBlockLines);
        block.clear();
        formatBlock(lines, encoder, kind, first, last, scratch, block);
        if (!file.write(block.data(), block.size())) return {false, false};
        reportProgress(control, last);
        if (stopRequested(control)) return {false, true};
    }
    return {true, false};
}

// Two formatting threads take blocks in turn; this thread writes them in order. A
// block's slot in the ring is reused once it has been written.
StreamResult writeOnThreads(DurableFile& file, const QByteArray& codeset, ResultFileKind kind, const LineSource& source,
                            std::size_t total, SaveControl* control) {
    struct Slot {
        std::string bytes;
        bool ready = false;
        std::exception_ptr error;
    };
    struct Worker {
        std::unique_ptr<LineFormatter> lines;
        std::unique_ptr<StreamEncoder> encoder;
    };
    const std::size_t blocks = (total + kBlockLines - 1) / kBlockLines;
    std::vector<Slot> ring(kRingBlocks);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t nextBlock = 0;  // guarded by mutex
    std::size_t written = 0;    // guarded by mutex
    bool abandon = false;       // guarded by mutex

    std::vector<Worker> workers(2);
    for (Worker& w : workers) {
        w.lines = source.formatter();
        w.encoder = std::make_unique<StreamEncoder>(codeset, kind);
    }
    const auto work = [&](Worker& w) {
        std::u16string scratch;
        for (;;) {
            std::size_t block = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return abandon || nextBlock >= blocks || nextBlock < written + kRingBlocks; });
                if (abandon || nextBlock >= blocks) return;
                block = nextBlock++;
            }
            Slot& slot = ring[block % kRingBlocks];
            slot.bytes.clear();
            try {
                const std::size_t first = block * kBlockLines;
                formatBlock(*w.lines, *w.encoder, kind, first, std::min(total, first + kBlockLines), scratch,
                            slot.bytes);
            } catch (...) {
                slot.error = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex);
                slot.ready = true;
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    const auto stopWorkers = [&] {
        {
            const std::lock_guard lock(mutex);
            abandon = true;
        }
        changed.notify_all();
        for (std::thread& t : threads) t.join();
    };
    try {
        for (Worker& w : workers) threads.emplace_back(work, std::ref(w));
    } catch (...) {
        stopWorkers();  // a thread the system would not start: none may outlive this call
        throw;
    }

    StreamResult result{true, false};
    std::exception_ptr error;
    for (std::size_t block = 0; block < blocks; ++block) {
        Slot& slot = ring[block % kRingBlocks];
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slot.ready; });
        }
        if (slot.error) {
            error = slot.error;
            result.written = false;
            break;
        }
        if (!file.write(slot.bytes.data(), slot.bytes.size())) {
            result.written = false;
            break;
        }
        {
            const std::lock_guard lock(mutex);
            slot.ready = false;
            ++written;
        }
        changed.notify_all();
        reportProgress(control, std::min(total, (block + 1) * kBlockLines));
        if (stopRequested(control)) {
            result = {false, true};
            break;
        }
    }
    stopWorkers();
    if (error) std::rethrow_exception(error);
    return result;
}

StreamResult writeStream(DurableFile& file, const QByteArray& codeset, ResultFileKind kind, const LineSource& source,
                         SaveControl* control) {
    const std::size_t total = source.lineCount();
    if (control) control->lineTotal.store(total, std::memory_order_relaxed);
    StreamEncoder encoder(codeset, kind);
    if (!encoder.streamsPieces()) return writeWhole(file, codeset, kind, source, control);
    const QByteArray prefix = encoder.prefix();
    if (!file.write(prefix.constData(), static_cast<std::size_t>(prefix.size()))) return {false, false};
    // Threads pay off from a few blocks on; a book or a short list is done at once.
    if (total >= 4 * kBlockLines && std::thread::hardware_concurrency() >= 2) {
        return writeOnThreads(file, codeset, kind, source, total, control);
    }
    const auto lines = source.formatter();
    return writeOnOneThread(file, encoder, *lines, kind, total, control);
}

}  // namespace

StreamEncoder::StreamEncoder(const QByteArray& codeset, ResultFileKind kind)
    : m_encoder(codeset, kind), m_streams(m_encoder.writesUtf8() || isPieceWiseCodeset(codeset)) {}

void StreamEncoder::append(std::string& out, std::u16string_view text) {
    if (!m_streams) {
        const QByteArray bytes = m_encoder.encode(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
        out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        return;
    }
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        std::size_t j = i;
        while (j < n && text[j] < 0x80) ++j;
        if (j > i) {
            const std::size_t at = out.size();
            out.resize(at + (j - i));
            char* dst = out.data() + at;
            for (std::size_t k = i; k < j; ++k) *dst++ = static_cast<char>(text[k]);
        }
        i = j;
        while (j < n && text[j] >= 0x80) ++j;
        if (j > i) appendRun(out, text.substr(i, j - i));
        i = j;
    }
}

void StreamEncoder::appendRun(std::string& out, std::u16string_view run) {
    for (const auto& [text, bytes] : m_runs) {
        if (text == run) {
            out += bytes;
            return;
        }
    }
    const QByteArray encoded = m_encoder.encode(QString::fromUtf16(run.data(), static_cast<qsizetype>(run.size())));
    std::pair<std::u16string, std::string> entry{
        std::u16string(run), std::string(encoded.constData(), static_cast<std::size_t>(encoded.size()))};
    out += entry.second;
    if (m_runs.size() < kRememberedRuns) {
        m_runs.push_back(std::move(entry));
    } else {
        m_runs[m_nextReplaced] = std::move(entry);
        m_nextReplaced = (m_nextReplaced + 1) % kRememberedRuns;
    }
}

SaveOutcome streamResultFile(const ResultFileTarget& target, const QString& fileName, ResultFileKind kind,
                             const LineSource& source, SaveControl* control) {
    const SaveOutcome checked = checkResultFileTarget(target, fileName);
    if (!checked.ok) return checked;
    const QString& path = checked.path;

    DurableFile file;
    if (!file.open(path)) return failedSave(path, QStringLiteral("无法创建文件（%1）").arg(file.errorString()));
    StreamResult result;
    QString reason;
    try {
        result = writeStream(file, target.codeset, kind, source, control);
    } catch (const std::exception& e) {
        reason = QStringLiteral("生成内容时出错（%1）").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reason = QStringLiteral("生成内容时出错");
    }
    // The disk is waited for before the file replaces the old one, so that a stop asked
    // for meanwhile still keeps the earlier file.
    if (result.written && !file.sync()) {
        result.written = false;
        reason.clear();
    }
    if (result.written && stopRequested(control)) result = {false, true};
    if (result.written && !file.commit()) {
        result.written = false;
        reason.clear();
    }
    if (!result.written) {
        if (result.stopped) reason = QStringLiteral("存盘已停止");
        if (reason.isEmpty()) reason = QStringLiteral("写入失败（%1）").arg(file.errorString());
        file.discard();  // the temporary file is removed, the old file stays
        SaveOutcome outcome = failedSave(path, reason);
        outcome.stopped = result.stopped;
        return outcome;
    }
    SaveOutcome saved;
    saved.ok = true;
    saved.path = path;
    return saved;
}

SaveOutcome streamResultFile(const QString& fileName, ResultFileKind kind, const LineSource& source,
                             SaveControl* control) {
    ResultFileTarget target;
    const SaveOutcome ready = defaultTargetFor(fileName, target);
    return ready.ok ? streamResultFile(target, fileName, kind, source, control) : ready;
}

}  // namespace pilecalc::platform
