// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace pilecalc::app {
namespace {

QScreen* screenOf(const QWidget* window) {
    if (QScreen* screen = window->screen()) return screen;
    return QGuiApplication::primaryScreen();
}

QMargins frameOf(const QWidget* window) {
    // A popup has no frame, whatever a platform plug-in may report for it.
    if (window->windowType() == Qt::Popup || window->windowFlags().testFlag(Qt::FramelessWindowHint)) return {};
    if (const QWindow* handle = window->windowHandle(); handle && window->isVisible()) return handle->frameMargins();
    return {};
}

// Refits its window on the events after which the frame or the screen may have changed.
class FitKeeper final : public QObject {
public:
    FitKeeper(QWidget* window, QSize designSize) : QObject(window), m_window(window), m_designSize(designSize) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_window) return false;
        switch (event->type()) {
            case QEvent::Show:
                watchScreen();
                fitToScreen(m_window, m_designSize);
                // The window manager reports the frame only after the window is mapped.
                QTimer::singleShot(0, this, [this] {
                    if (m_window && m_window->isVisible()) fitToScreen(m_window, m_designSize);
                });
                break;
            default: break;
        }
        return false;
    }

private:
    void watchScreen() {
        QWindow* handle = m_window->windowHandle();
        if (!handle || handle == m_watched) return;
        m_watched = handle;
        connect(handle, &QWindow::screenChanged, this, [this] { fitToScreen(m_window, m_designSize); });
    }

    QPointer<QWidget> m_window;
    QPointer<QWindow> m_watched;
    QSize m_designSize;
};

}  // namespace

double fittingScale(QSize designSize, QMargins frame, QRect available) {
    if (designSize.isEmpty() || available.isEmpty()) return 1.0;
    const double roomW = available.width() - frame.left() - frame.right();
    const double roomH = available.height() - frame.top() - frame.bottom();
    const double scale = std::min({1.0, roomW / designSize.width(), roomH / designSize.height()});
    return std::max(scale, 0.05);
}

void fitToScreen(QWidget* window, QSize designSize) {
    const QScreen* screen = screenOf(window);
    if (!screen) {
        window->setFixedSize(designSize);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    const double scale = fittingScale(designSize, frame, available);
    // Rounded down, so that the shrunk window never exceeds the room by a rounding pixel.
    const QSize size = scale >= 1.0 ? designSize
                                    : QSize(static_cast<int>(std::floor(designSize.width() * scale)),
                                            static_cast<int>(std::floor(designSize.height() * scale)));
    if (window->size() != size || window->minimumSize() != size || window->maximumSize() != size) {
        window->setFixedSize(size);
    }
    const QSize outer(size.width() + frame.left() + frame.right(), size.height() + frame.top() + frame.bottom());
    const QPoint corner(available.x() + (available.width() - outer.width()) / 2,
                        available.y() + (available.height() - outer.height()) / 2);
    // move() places the frame's corner for a window.
    if (window->pos() != corner) window->move(corner);
}

void keepFittedToScreen(QWidget* window, QSize designSize) {
    fitToScreen(window, designSize);
    new FitKeeper(window, designSize);
}

}  // namespace pilecalc::app
