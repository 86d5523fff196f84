// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "app/MainWindow.h"
#include "app/ToolkitTranslations.h"

namespace {

// Without a display and without an explicit platform, Qt would abort with a
// long plugin message; say in one line why the window cannot open.
bool displayAvailable() {
#if defined(Q_OS_LINUX)
    const bool hasPlatform = std::getenv("QT_QPA_PLATFORM") != nullptr;
    const bool hasX11 = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY") != '\0';
    const bool hasWayland = std::getenv("WAYLAND_DISPLAY") != nullptr && *std::getenv("WAYLAND_DISPLAY") != '\0';
    return hasPlatform || hasX11 || hasWayland;
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("pilecalc: no display found (DISPLAY and WAYLAND_DISPLAY are unset); cannot open the window.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    pilecalc::app::installToolkitTranslations(app);
    // The desktop entry's name lets Wayland shells match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.pilecalc"));
    QIcon icon;
    for (const int size : {48, 128, 256}) icon.addFile(QStringLiteral(":/icons/pilecalc-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    MainWindow window;
    window.show();
    return app.exec();
}
