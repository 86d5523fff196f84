// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Safe writing of the result files. A file is first written in full to a
// temporary file beside it, flushed to the disk and then put in place by one
// rename (DurableFile), so a failed save (missing folder, name taken by a
// folder, full disk, an error while producing the lines) leaves any earlier
// file as it was and no partial or temporary file behind.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pilecalc::platform {

struct SaveOutcome {
    bool ok = false;
    QString path;          // the file written, or the one that could not be
    QString error;         // for the user, naming the file; empty when ok
    bool stopped = false;  // the user stopped the save (no error to show)
};

// Where and in which character set result files are written.
struct ResultFileTarget {
    QString folder;      // empty: no documents folder, nothing is written
    QByteArray codeset;  // see ResultEncoder
};

// The user's documents folder (created when missing) and locale character set; the
// folder is empty when it is refused (see prepareDocumentsFolder).
ResultFileTarget defaultResultFileTarget();

// The saves without a target use defaultResultFileTarget(), and a refused documents
// folder fails them with its reason.

// folder + the native separator + name.
QString resultFilePath(const QString& folder, const QString& fileName);

// A failed save of path: "无法保存文件“path”：reason".
SaveOutcome failedSave(const QString& path, const QString& reason);

// Checks the target before anything is written: a failure when there is no folder, the
// folder is missing or not a folder, or a folder has the file's name. Else ok, with
// the file's path.
SaveOutcome checkResultFileTarget(const ResultFileTarget& target, const QString& fileName);

// The documents folder in the locale's character set, or the failure of fileName when
// the folder is refused.
SaveOutcome defaultTargetFor(const QString& fileName, ResultFileTarget& target);

// Calculation book or summary table: lines joined by CR LF, no line break
// after the last line.
SaveOutcome saveMemoFile(const QString& fileName, const std::vector<std::u16string>& lines);
SaveOutcome saveMemoFile(const ResultFileTarget& target, const QString& fileName,
                         const std::vector<std::u16string>& lines);

// Optimisation list: every line ended by CR LF. The lines are asked for one
// at a time (lineAt(k), k in [0, lineCount)), so a list of a million rows is
// streamed to disk instead of being built in memory. An exception thrown by
// lineAt cancels the save like a write error.
SaveOutcome saveOptimisationFile(const QString& fileName, std::size_t lineCount,
                                 const std::function<std::u16string(std::size_t)>& lineAt);
SaveOutcome saveOptimisationFile(const ResultFileTarget& target, const QString& fileName, std::size_t lineCount,
                                 const std::function<std::u16string(std::size_t)>& lineAt);

}  // namespace pilecalc::platform
