// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ErrorReport.h"

#include "platform/MessageDialog.h"

namespace pilecalc::platform {

QString errorReportText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

void showErrorReport(QWidget* parent, const QString& message) { showMessage(parent, errorReportText(message)); }

}  // namespace pilecalc::platform
