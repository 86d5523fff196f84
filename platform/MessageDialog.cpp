// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageDialog.h"

#include <QMessageBox>
#include <QPushButton>

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

QMessageBox* askQuestion(QWidget* parent, const QString& text, const QString& yes, const QString& no,
                         std::function<void(bool)> onAnswer) {
    auto* box = new QMessageBox(QMessageBox::Question, QString(), text, QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("messageDialog"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* yesButton = box->addButton(yes, QMessageBox::AcceptRole);
    QPushButton* noButton = box->addButton(no, QMessageBox::RejectRole);
    box->setDefaultButton(noButton);
    box->setEscapeButton(noButton);
    QObject::connect(box, &QMessageBox::finished, box, [box, yesButton, onAnswer = std::move(onAnswer)](int) {
        if (onAnswer) onAnswer(box->clickedButton() == yesButton);
    });
    box->open();
    return box;
}

}  // namespace pilecalc::platform
