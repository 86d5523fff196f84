// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

namespace pilecalc::platform {

// Outcome of one requested permission.
enum class PermissionStatus { Granted, Denied, PermanentlyDenied };

// Called before the user is asked, on platforms that ask; `proceed` lets the request go on.
using RationaleHandler =
    std::function<void(QObject* sender, const QStringList& permissions, std::function<void()> proceed)>;
// Receives one status per requested permission, in the order requested.
using PermissionResultHandler = std::function<void(QObject* sender, const QStringList& permissions,
                                                   const std::vector<PermissionStatus>& grantResults)>;

class PermissionService {
public:
    virtual ~PermissionService() = default;
    virtual void requestPermissions(QObject* sender, const QStringList& permissions,
                                    const PermissionResultHandler& onResult,
                                    const RationaleHandler& onRationale) = 0;
};

// The desktop has no permission model: every request is granted at once, synchronously,
// inside requestPermissions, and the rationale is never needed.
class DesktopPermissionService final : public PermissionService {
public:
    void requestPermissions(QObject* sender, const QStringList& permissions,
                            const PermissionResultHandler& onResult,
                            const RationaleHandler& onRationale) override;
};

// The service of the running platform; lives for the whole process.
PermissionService& permissionService();

}  // namespace pilecalc::platform
