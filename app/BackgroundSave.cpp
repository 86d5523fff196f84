// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackgroundSave.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <chrono>
#include <future>

#include "app/FontColour.h"

namespace pilecalc::app {
namespace {

using namespace std::chrono_literals;

// A save done within this time never shows that it was running.
constexpr auto kQuietSave = 500ms;
// How often a longer save lets the window repaint and renews its progress.
constexpr auto kTick = 50ms;

// While a long save runs: the busy cursor, no input but Esc, the progress on the
// status line; everything as it was afterwards.
class SavingWindow final : public QObject {
  public:
    SavingWindow(QWidget& window, QLabel* status, platform::SaveControl& control)
        : m_window(window), m_status(status), m_control(control) {
        if (m_status) {
            m_text = m_status->text();
            m_colour = fontColour(m_status);
            setFontColour(m_status, kBlack);
        }
        QApplication::setOverrideCursor(Qt::BusyCursor);
        qApp->installEventFilter(this);
    }
    ~SavingWindow() override {
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
        if (m_status) {
            m_status->setText(m_text);
            setFontColour(m_status, m_colour);
        }
    }
    SavingWindow(const SavingWindow&) = delete;
    SavingWindow& operator=(const SavingWindow&) = delete;

    void showProgress() {
        if (!m_status) return;
        const std::uint64_t total = m_control.lineTotal.load();
        const std::uint64_t done = m_control.linesWritten.load();
        const std::uint64_t percent = total == 0 ? 0 : done * 100 / total;
        m_status->setText(QStringLiteral("存盘中 %1 %").arg(percent));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_control.stop = true;
            return true;
        }
        // The list being written must not change: no click, key or wheel reaches the
        // window, and it is not closed under the save.
        if (event->isInputEvent() || event->type() == QEvent::ShortcutOverride || event->type() == QEvent::Shortcut) {
            return true;
        }
        if (event->type() == QEvent::Close && watched == &m_window) {
            event->ignore();
            return true;
        }
        return false;
    }

  private:
    QWidget& m_window;
    QLabel* m_status;
    platform::SaveControl& m_control;
    QString m_text;
    QRgb m_colour = kBlack;
};

}  // namespace

platform::SaveOutcome runSave(QWidget& window, QLabel* status, const SaveJob& job) {
    platform::SaveControl control;
    std::future<platform::SaveOutcome> saving = std::async(std::launch::async, [&] { return job(control); });
    if (saving.wait_for(kQuietSave) == std::future_status::ready) return saving.get();
    SavingWindow busy(window, status, control);
    do {
        busy.showProgress();
        QApplication::processEvents();
    } while (saving.wait_for(kTick) != std::future_status::ready);
    return saving.get();
}

}  // namespace pilecalc::app
