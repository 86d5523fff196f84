// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace pilecalc::platform {

// Shows `text` with an OK button without blocking: the call returns at once and the
// dialog (window-modal over `parent`) deletes itself when closed, after running `onClose`.
QMessageBox* showMessage(QWidget* parent, const QString& text, std::function<void()> onClose = {});

// Asks `text` with two buttons, `yes` and `no`, without blocking, as showMessage does;
// `onAnswer` receives true when the dialog was closed with `yes`, false for `no`, Esc or
// any other way of closing it.
QMessageBox* askQuestion(QWidget* parent, const QString& text, const QString& yes, const QString& no,
                         std::function<void(bool)> onAnswer);

}  // namespace pilecalc::platform
