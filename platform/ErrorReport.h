// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>
#include <utility>

class QWidget;

namespace pilecalc::platform {

// The wording of the error report: the message, followed by "." when its last character
// sorts above "." (so "Disk full" gains a full stop and "Disk full." or "(3)" do not).
QString errorReportText(const QString& message);

// Shows an error that ended a handler, without blocking.
void showErrorReport(QWidget* parent, const QString& message);

// Runs a handler body so that no exception crosses the event loop: an error is shown
// by the error report. Handlers report their own failures (a failed check shows its
// message and returns), so only real errors arrive here. Returns false when it threw.
template <class Body>
bool runGuarded(QWidget* parent, Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception& e) {
        showErrorReport(parent, QString::fromUtf8(e.what()));
        return false;
    } catch (...) {
        showErrorReport(parent, QStringLiteral("Unknown error"));
        return false;
    }
}

}  // namespace pilecalc::platform
