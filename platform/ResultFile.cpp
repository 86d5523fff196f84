// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ResultFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <exception>

#include "platform/DocumentsFolder.h"
#include "platform/TextEncoding.h"

namespace pilecalc::platform {
namespace {

const QByteArray kLineEnd("\r\n");

// Big enough to keep system calls rare, small enough to stream any list.
constexpr qsizetype kChunkBytes = 256 * 1024;

SaveOutcome failed(const QString& path, const QString& reason) {
    return {false, path, QStringLiteral("无法保存文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason)};
}

// Writes the file through a temporary file and one rename. produce() gets
// the open file and returns false (leaving a reason) to cancel.
SaveOutcome writeSafely(const ResultFileTarget& target, const QString& fileName,
                        const std::function<bool(QSaveFile&, QString&)>& produce) {
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

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(path, QStringLiteral("无法创建文件（%1）").arg(file.errorString()));
    }
    QString reason;
    bool produced = false;
    try {
        produced = produce(file, reason);
    } catch (const std::exception& e) {
        reason = QStringLiteral("生成内容时出错（%1）").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reason = QStringLiteral("生成内容时出错");
    }
    if (!produced) {
        // Read the system's reason first: cancelling replaces it with its own.
        if (reason.isEmpty()) reason = QStringLiteral("写入失败（%1）").arg(file.errorString());
        file.cancelWriting();  // the temporary file is removed, the old file stays
        return failed(path, reason);
    }
    if (!file.commit()) return failed(path, QStringLiteral("写入失败（%1）").arg(file.errorString()));
    return {true, path, {}};
}

bool writeAll(QSaveFile& file, const QByteArray& bytes) { return bytes.isEmpty() || file.write(bytes) == bytes.size(); }

}  // namespace

ResultFileTarget defaultResultFileTarget() { return {documentsFolder(), systemCodeset()}; }

QString resultFilePath(const QString& folder, const QString& fileName) {
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator) || folder.endsWith(u'/')) return folder + fileName;
    return folder + separator + fileName;
}

SaveOutcome saveMemoFile(const QString& fileName, const std::vector<std::u16string>& lines) {
    return saveMemoFile(defaultResultFileTarget(), fileName, lines);
}

SaveOutcome saveMemoFile(const ResultFileTarget& target, const QString& fileName,
                         const std::vector<std::u16string>& lines) {
    const ResultEncoder encoder(target.codeset, ResultFileKind::Memo);
    return writeSafely(target, fileName, [&](QSaveFile& file, QString&) {
        QByteArray bytes = encoder.prefix();
        for (std::size_t k = 0; k < lines.size(); ++k) {
            if (k > 0) bytes += kLineEnd;
            bytes += encoder.encode(QString::fromStdU16String(lines[k]));
        }
        return writeAll(file, bytes);
    });
}

SaveOutcome saveOptimisationFile(const QString& fileName, std::size_t lineCount,
                                 const std::function<std::u16string(std::size_t)>& lineAt) {
    return saveOptimisationFile(defaultResultFileTarget(), fileName, lineCount, lineAt);
}

SaveOutcome saveOptimisationFile(const ResultFileTarget& target, const QString& fileName, std::size_t lineCount,
                                 const std::function<std::u16string(std::size_t)>& lineAt) {
    const ResultEncoder encoder(target.codeset, ResultFileKind::OptimisationTable);
    return writeSafely(target, fileName, [&](QSaveFile& file, QString&) {
        QByteArray chunk = encoder.prefix();
        chunk.reserve(kChunkBytes + 1024);
        for (std::size_t k = 0; k < lineCount; ++k) {
            chunk += encoder.encode(QString::fromStdU16String(lineAt(k)));
            chunk += kLineEnd;
            if (chunk.size() >= kChunkBytes) {
                if (!writeAll(file, chunk)) return false;
                chunk.clear();
            }
        }
        return writeAll(file, chunk);
    });
}

}  // namespace pilecalc::platform
