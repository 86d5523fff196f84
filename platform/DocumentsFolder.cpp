// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DocumentsFolder.h"

#include <QStandardPaths>

namespace pilecalc::platform {
namespace {

QString& testingFolder() {
    static QString folder;
    return folder;
}

}  // namespace

QString documentsFolder() {
    if (!testingFolder().isEmpty()) return testingFolder();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void setDocumentsFolderForTesting(const QString& folder) { testingFolder() = folder; }

}  // namespace pilecalc::platform
