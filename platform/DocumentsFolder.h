// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pilecalc::platform {

// The location the system gives for the user's documents folder, where the result
// files go, as it names it (not checked, not created); empty when it names none.
QString documentsFolder();

// A folder made ready for the result files, or the reason there is none.
struct FolderLookup {
    QString path;     // absolute and cleaned; empty when refused
    QString problem;  // for the user, in Chinese; empty when the folder is ready
    bool ok() const { return problem.isEmpty(); }
};

// The documents folder, created with its parents when missing, as desktop programs
// do. A location that cannot be right is refused rather than guessed at: none at all,
// a home folder that is not set (the toolkit would then name "//Documents"), a
// relative location (it would depend on the working folder) or the root folder.
FolderLookup prepareDocumentsFolder();

// The same checks and creation for a location given directly.
FolderLookup prepareFolder(const QString& location);

// Points documentsFolder() at another folder (tests use a temporary one);
// an empty string restores the system's folder.
void setDocumentsFolderForTesting(const QString& folder);

}  // namespace pilecalc::platform
