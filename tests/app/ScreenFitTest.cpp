// SPDX-License-Identifier: GPL-3.0-or-later
// The window on small and HiDPI screens: every top-level window opens wholly inside the
// available area of its screen, centred, and when the design does not fit at the screen's
// scale the whole layout shrinks uniformly with it. The same class runs in processes of
// their own at QT_SCALE_FACTOR 1.5 and 2, where the 800 x 800 offscreen screen offers only
// 533 and 400 logical pixels.
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/AboutWindow.h"
#include "app/ScaledLayer.h"
#include "app/ScreenFit.h"

using pilecalc::app::ScaledLayer;

namespace {

QString rectText(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Checks that `window` lies inside its screen's available area, centred to the pixel,
// with the expected uniform scale of its design size.
void verifyFitted(QWidget* window, QSize design) {
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    QVERIFY2(available.contains(frame), qPrintable(rectText(frame) + " outside " + rectText(available)));
    QVERIFY2(std::abs((frame.left() - available.left()) - (available.right() - frame.right())) <= 1,
             qPrintable("not centred across: " + rectText(frame) + " in " + rectText(available)));
    QVERIFY2(std::abs((frame.top() - available.top()) - (available.bottom() - frame.bottom())) <= 1,
             qPrintable("not centred down: " + rectText(frame) + " in " + rectText(available)));
    const QMargins margins =
        window->windowType() == Qt::Popup ? QMargins() : window->windowHandle()->frameMargins();
    const double expected = pilecalc::app::fittingScale(design, margins, available);
    QCOMPARE(window->width(), static_cast<int>(std::floor(design.width() * expected)));
    QCOMPARE(window->height(), static_cast<int>(std::floor(design.height() * expected)));
    if (expected >= 1.0) QCOMPARE(window->size(), design);
}

// Every visible control of `layer` lies inside the window's client area.
void verifyControlsInside(QWidget* window, ScaledLayer* layer) {
    QVERIFY(layer->isVisible());
    QVERIFY(window->rect().contains(layer->geometry()));
    const double expected = std::min(double(window->width()) / layer->designSize().width(),
                                     double(window->height()) / layer->designSize().height());
    QVERIFY2(std::abs(layer->scale() - expected) < 1e-9, qPrintable(QString::number(layer->scale())));
    for (QWidget* child : layer->findChildren<QWidget*>()) {
        if (!child->isVisible() || child->objectName().isEmpty()) continue;
        // A place that the design itself lets overhang its layer (the about window's
        // centred title is 265 units wide in 260) is clipped by design, not by the fit.
        const QRect design = layer->designRect(child);
        if (child->parentWidget() == layer && !QRect(QPoint(), layer->designSize()).contains(design)) continue;
        const QRect inWindow(child->mapTo(window, QPoint(0, 0)), child->size());
        QVERIFY2(window->rect().contains(inWindow),
                 qPrintable(child->objectName() + " at " + rectText(inWindow) + " outside " + rectText(window->rect())));
    }
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void scaleOfTheDesign_data() {
        QTest::addColumn<QSize>("design");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<double>("scale");
        QTest::newRow("roomy screen keeps the design size")
            << QSize(330, 692) << QMargins(4, 30, 4, 4) << QRect(0, 0, 1920, 1040) << 1.0;
        QTest::newRow("1080p at 150 % shrinks to the height left by the frame")
            << QSize(330, 692) << QMargins(4, 30, 4, 4) << QRect(0, 0, 1280, 680) << (680.0 - 34) / 692;
        QTest::newRow("narrow screen shrinks to the width")
            << QSize(330, 692) << QMargins() << QRect(0, 0, 165, 2000) << 0.5;
        QTest::newRow("exact fit is not shrunk") << QSize(260, 330) << QMargins(1, 2, 3, 4)
                                                 << QRect(10, 10, 264, 336) << 1.0;
    }
    void scaleOfTheDesign() {
        QFETCH(QSize, design);
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        QFETCH(double, scale);
        QCOMPARE(pilecalc::app::fittingScale(design, frame, available), scale);
    }

    void everyLayerInsideTheScreen_data() {
        QTest::addColumn<QString>("layer");
        QTest::newRow("main") << "MainFormLayer";
        QTest::newRow("optimisation") << "YouHuaFormLayer";
        QTest::newRow("results viewer") << "JieGuo_DocLayer";
    }
    void everyLayerInsideTheScreen() {
        QFETCH(QString, layer);
        MainWindow& win = w();
        win.cbt_computeClick();  // so that "结果" leads to the viewer
        win.show();
        QVERIFY(QTest::qWaitForWindowExposed(&win));
        QTest::qWait(20);  // the refit once the frame is known
        if (layer == "YouHuaFormLayer") ui(win).cbt_YouHua->click();
        if (layer == "JieGuo_DocLayer") ui(win).cbt_View->click();
        auto* shown = win.findChild<ScaledLayer*>(layer);
        QVERIFY(shown);
        verifyFitted(&win, QSize(330, 692));
        verifyControlsInside(&win, shown);
        // The whole strip of buttons at the bottom is on screen, not only the window.
        const QRect screen = win.screen()->availableGeometry();
        for (QPushButton* button : shown->findChildren<QPushButton*>()) {
            if (!button->isVisible()) continue;
            const QRect global(button->mapToGlobal(QPoint(0, 0)), button->size());
            QVERIFY2(screen.contains(global), qPrintable(button->objectName() + " off screen"));
        }
    }

    // Fonts shrink with the layout, the buttons' (which carry a style sheet for their
    // corners) as much as the labels'.
    void fontsScaleWithTheLayout() {
        MainWindow& win = w();
        win.show();
        QVERIFY(QTest::qWaitForWindowExposed(&win));
        QTest::qWait(20);
        win.cbt_computeClick();
        win.cbt_ViewClick();  // a layer lays itself out when it is first shown
        win.cbt_ExitClick();
        win.cbt_YouHuaClick();
        win.cbt_YHfanhuiClick();
        const double scale = ui(win).MainFormLayer->scale();
        for (QPushButton* button : {ui(win).cbt_View, ui(win).cbt_tuichu, ui(win).cbt_CopyRight, ui(win).cbt_Exit, ui(win).cbt_YHfanhui}) {
            QWidget* layer = button->parentWidget();
            while (!qobject_cast<ScaledLayer*>(layer)) layer = layer->parentWidget();
            const double base = layer->font().pointSizeF();  // the default size, scaled
            QVERIFY2(std::abs(button->font().pointSizeF() - base) < 1e-6,
                     qPrintable(button->objectName() + ": " + QString::number(button->font().pointSizeF()) + " vs " +
                                QString::number(base)));
        }
        QVERIFY(std::abs(ui(win).cbt_YouHua->font().pointSizeF() - 14 * scale) < 1e-6);
        QVERIFY(std::abs(ui(win).lb_cxm->font().pointSizeF() - 24 * scale) < 1e-6);
    }

    void aboutWindowInsideTheScreen() {
        ui(w()).cbt_CopyRight->click();
        AboutWindow* about = w().aboutWindow();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::qWait(20);
        verifyFitted(about, QSize(260, 330));
        auto* layout = about->findChild<ScaledLayer*>("AboutLayout");
        QVERIFY(layout);
        verifyControlsInside(about, layout);
        about->hide();
    }
};

static pilecalc::test::RegisterTest<ScreenFitTest> registerScreenFit;
#include "ScreenFitTest.moc"
