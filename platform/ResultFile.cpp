// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ResultFile.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

#include "platform/DocumentsFolder.h"
#include "platform/DurableFile.h"
#include "platform/TextEncoding.h"

namespace pilecalc::platform {
namespace {

const QByteArray kLineEnd("\r\n");

// Big enough to keep system calls rare, small enough to stream any list.
constexpr qsizetype kChunkBytes = 256 * 1024;

SaveOutcome failed(const QString& path, const QString& reason) { return failedSave(path, reason); }

// Collects bytes and hands them to the file in large pieces; the first failed write
// is kept and ends the save.
class BlockWriter {
  public:
    explicit BlockWriter(DurableFile& file) : m_file(file) { m_block.reserve(kChunkBytes + 1024); }
    bool add(const QByteArray& bytes) {
        m_block += bytes;
        return m_block.size() < kChunkBytes || flush();
    }
    bool flush() {
        const bool ok = m_file.write(m_block.constData(), static_cast<std::size_t>(m_block.size()));
        m_block.clear();
        return ok;
    }

  private:
    DurableFile& m_file;
    QByteArray m_block;
};

// Writes the file through a temporary file and one rename. produce() gets
// the writer and returns false (leaving a reason, or none for a failed write)
// to cancel.
SaveOutcome writeSafely(const ResultFileTarget& target, const QString& fileName,
                        const std::function<bool(BlockWriter&, QString&)>& produce) {
    const SaveOutcome checked = checkResultFileTarget(target, fileName);
    if (!checked.ok) return checked;
    const QString path = checked.path;

    DurableFile file;
    if (!file.open(path)) return failed(path, QStringLiteral("无法创建文件（%1）").arg(file.errorString()));
    BlockWriter writer(file);
    QString reason;
    bool produced = false;
    try {
        produced = produce(writer, reason) && writer.flush();
    } catch (const std::exception& e) {
        reason = QStringLiteral("生成内容时出错（%1）").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reason = QStringLiteral("生成内容时出错");
    }
    if (!produced) {
        if (reason.isEmpty()) reason = QStringLiteral("写入失败（%1）").arg(file.errorString());
        file.discard();  // the temporary file is removed, the old file stays
        return failed(path, reason);
    }
    if (!file.commit()) return failed(path, QStringLiteral("写入失败（%1）").arg(file.errorString()));
    SaveOutcome saved;
    saved.ok = true;
    saved.path = path;
    return saved;
}

}  // namespace

SaveOutcome failedSave(const QString& path, const QString& reason) {
    SaveOutcome outcome;
    outcome.path = path;
    outcome.error = QStringLiteral("无法保存文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason);
    return outcome;
}

SaveOutcome checkResultFileTarget(const ResultFileTarget& target, const QString& fileName) {
    if (target.folder.isEmpty()) {
        // Without a documents folder the path would start at the file system
        // root; nothing is written there.
        return failed(fileName, QStringLiteral("无法确定文档文件夹"));
    }
    const QString path = resultFilePath(target.folder, fileName);
    const QFileInfo folder(target.folder);
    if (!folder.exists())
        return failed(path, QStringLiteral("文件夹“%1”不存在").arg(QDir::toNativeSeparators(target.folder)));
    if (!folder.isDir())
        return failed(path, QStringLiteral("“%1”不是文件夹").arg(QDir::toNativeSeparators(target.folder)));
    if (QFileInfo(path).isDir()) return failed(path, QStringLiteral("已有同名的文件夹"));
    SaveOutcome ready;
    ready.ok = true;
    ready.path = path;
    return ready;
}

SaveOutcome defaultTargetFor(const QString& fileName, ResultFileTarget& target) {
    const FolderLookup folder = prepareDocumentsFolder();
    if (!folder.ok()) return failed(fileName, folder.problem);
    target = {folder.path, systemCodeset()};
    SaveOutcome ready;
    ready.ok = true;
    return ready;
}

ResultFileTarget defaultResultFileTarget() { return {prepareDocumentsFolder().path, systemCodeset()}; }

QString resultFilePath(const QString& folder, const QString& fileName) {
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(u'/')) return folder + fileName;
    return folder + separator + fileName;
}

SaveOutcome saveMemoFile(const QString& fileName, const std::vector<std::u16string>& lines) {
    ResultFileTarget target;
    const SaveOutcome ready = defaultTargetFor(fileName, target);
    return ready.ok ? saveMemoFile(target, fileName, lines) : ready;
}

SaveOutcome saveMemoFile(const ResultFileTarget& target, const QString& fileName,
                         const std::vector<std::u16string>& lines) {
    const ResultEncoder encoder(target.codeset, ResultFileKind::Memo);
    return writeSafely(target, fileName, [&](BlockWriter& out, QString&) {
        QString text;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            if (k > 0) text += QLatin1String("\r\n");
            text += QString::fromStdU16String(lines[k]);
        }
        return out.add(encoder.prefix()) && out.add(encoder.encode(text));
    });
}

SaveOutcome saveOptimisationFile(const QString& fileName, std::size_t lineCount,
                                 const std::function<std::u16string(std::size_t)>& lineAt) {
    ResultFileTarget target;
    const SaveOutcome ready = defaultTargetFor(fileName, target);
    return ready.ok ? saveOptimisationFile(target, fileName, lineCount, lineAt) : ready;
}

SaveOutcome saveOptimisationFile(const ResultFileTarget& target, const QString& fileName, std::size_t lineCount,
                                 const std::function<std::u16string(std::size_t)>& lineAt) {
    const ResultEncoder encoder(target.codeset, ResultFileKind::OptimisationTable);
    return writeSafely(target, fileName, [&](BlockWriter& out, QString&) {
        if (!out.add(encoder.prefix())) return false;
        for (std::size_t k = 0; k < lineCount; ++k) {
            if (!out.add(encoder.encode(QString::fromStdU16String(lineAt(k))))) return false;
            if (!out.add(kLineEnd)) return false;
        }
        return true;
    });
}

}  // namespace pilecalc::platform
