// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pilecalc::platform {

// The user's documents folder, where the result files go; an empty string
// when the system cannot name one. The folder is not created here.
QString documentsFolder();

// Points documentsFolder() at another folder (tests use a temporary one);
// an empty string restores the system's folder.
void setDocumentsFolderForTesting(const QString& folder);

}  // namespace pilecalc::platform
