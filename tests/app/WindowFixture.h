// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared fixture of the window tests: a fresh MainWindow per test on a fixed clock,
// the documents folder pointed at a temporary directory, the C locale unless a test
// says otherwise, and a watchdog that fails any test leaving a dialog open that it did
// not expect.
#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/MainWindow.h"
#include "support/WindowControls.h"

namespace pilecalc::test {

inline QDateTime fixedTime() { return QDateTime(QDate(2025, 3, 14), QTime(9, 26, 53)); }

class WindowFixture {
  public:
    // Call from the test class's init().
    void start();
    // Call from cleanup(): the texts of dialogs still open, which are then closed.
    QStringList finish();

    MainWindow& window() { return *m_window; }
    QString documents() const { return m_documents->path(); }

    // Texts of the message dialogs open now, oldest first.
    static QStringList openDialogs();
    // Closes every open dialog (running its close handler).
    static void closeAllDialogs();
    // Closes the one open dialog and returns its text; empty when there is not exactly one.
    static QString takeDialog();

    // Fills the six inputs (the box by its flag) as a user would type them.
    void enterInputs(const QString& d, const QString& hr, const QString& frk, bool weathered, const QString& reduction,
                     const QString& gammaCR);

  private:
    std::unique_ptr<QTemporaryDir> m_documents;
    std::unique_ptr<MainWindow> m_window;
};

}  // namespace pilecalc::test

// Every window test class holds the fixture and runs it from its own init() and
// cleanup() slots (moc does not see slots declared inside a macro):
//     void init() { fixture.start(); }
//     void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }
#define PILECALC_WINDOW_FIXTURE            \
    pilecalc::test::WindowFixture fixture; \
    MainWindow& w() { return fixture.window(); }

#define PILECALC_FINISH_WINDOW_TEST()                                                   \
    do {                                                                                \
        const QStringList left = fixture.finish();                                      \
        QVERIFY2(left.isEmpty(), qPrintable("unexpected dialog: " + left.join(" | "))); \
    } while (false)
