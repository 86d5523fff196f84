// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DocumentsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#ifndef _WIN32
#include <sys/stat.h>

#include <cerrno>
#endif

namespace pilecalc::platform {
namespace {

QString& testingFolder() {
    static QString folder;
    return folder;
}

const QString kUnknown = QStringLiteral("无法确定文档文件夹");

FolderLookup refused(const QString& problem) { return {QString(), problem}; }

// Creates the folder and every missing parent; on failure names the folder that
// could not be made and the system's reason.
bool makeFolders(const QString& path, QString& problem) {
#ifdef _WIN32
    if (QDir().mkpath(path)) return true;
    problem = QStringLiteral("无法创建文档文件夹“%1”").arg(QDir::toNativeSeparators(path));
    return false;
#else
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    QString current;
    for (const QString& part : parts) {
        current += u'/' + part;
        const QByteArray name = QFile::encodeName(current);
        if (::mkdir(name.constData(), 0777) == 0) continue;  // the umask narrows it
        int error = errno;
        if (error == EEXIST) {
            struct stat st {};
            if (::stat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode)) continue;
            error = ENOTDIR;
        }
        problem = QStringLiteral("无法创建文档文件夹“%1”（%2）").arg(current, qt_error_string(error));
        return false;
    }
    return true;
#endif
}

}  // namespace

QString documentsFolder() {
    if (!testingFolder().isEmpty()) return testingFolder();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

FolderLookup prepareFolder(const QString& location) {
    if (location.isEmpty()) return refused(kUnknown + QStringLiteral("：系统没有给出它的位置"));
    if (QDir::isRelativePath(location)) {
        return refused(kUnknown + QStringLiteral("：“%1”是相对路径").arg(QDir::toNativeSeparators(location)));
    }
    const QString path = QDir::cleanPath(location);
    if (QDir(path).isRoot()) {
        return refused(kUnknown + QStringLiteral("：“%1”是根文件夹").arg(QDir::toNativeSeparators(path)));
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        return refused(QStringLiteral("文档文件夹“%1”不是文件夹").arg(QDir::toNativeSeparators(path)));
    }
    QString problem;
    if (!info.exists() && !makeFolders(path, problem)) return refused(problem);
    return {path, QString()};
}

FolderLookup prepareDocumentsFolder() {
    if (testingFolder().isEmpty()) {
#ifndef _WIN32
        // Without a home folder the toolkit builds the location on the root ("//Documents").
        const QByteArray home = qgetenv("HOME");
        if (home.isEmpty()) return refused(kUnknown + QStringLiteral("：没有设置用户主文件夹（环境变量 HOME）"));
        if (QDir::isRelativePath(QFile::decodeName(home))) {
            return refused(kUnknown + QStringLiteral("：用户主文件夹“%1”是相对路径").arg(QFile::decodeName(home)));
        }
#endif
    }
    return prepareFolder(documentsFolder());
}

void setDocumentsFolderForTesting(const QString& folder) { testingFolder() = folder; }

}  // namespace pilecalc::platform
