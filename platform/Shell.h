// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pilecalc::platform {

// Opens a web address or a "mailto:" address in the system's default handler; whether
// a handler was found is not reported.
void openAddress(const QString& address);

}  // namespace pilecalc::platform
