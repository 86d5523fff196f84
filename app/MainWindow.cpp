#include "app/MainWindow.h"

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("嵌岩桩承载力计算 (JTS167-4-2012)"));
    setFixedSize(330, 692);
}
