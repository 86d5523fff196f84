// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Permissions.h"

namespace pilecalc::platform {

void DesktopPermissionService::requestPermissions(QObject* sender, const QStringList& permissions,
                                                  const PermissionResultHandler& onResult,
                                                  const RationaleHandler& /*onRationale*/) {
    const std::vector<PermissionStatus> granted(static_cast<std::size_t>(permissions.size()),
                                                PermissionStatus::Granted);
    if (onResult) onResult(sender, permissions, granted);
}

PermissionService& permissionService() {
    static DesktopPermissionService desktop;
    return desktop;
}

}  // namespace pilecalc::platform
