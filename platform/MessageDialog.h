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

}  // namespace pilecalc::platform
