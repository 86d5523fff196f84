// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace pilecalc::platform {

void openAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace pilecalc::platform
