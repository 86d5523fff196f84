// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageDialog.h"

#include <QMessageBox>

namespace pilecalc::platform {

QMessageBox* showMessage(QWidget* parent, const QString& text, std::function<void()> onClose) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageDialog"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (onClose) {
        QObject::connect(box, &QMessageBox::finished, box, [onClose = std::move(onClose)](int) { onClose(); });
    }
    box->open();
    return box;
}

}  // namespace pilecalc::platform
