// SPDX-License-Identifier: GPL-3.0-or-later
// Finish of the window as designed: the book's caret at the start after each record
// step, corner radii 3 / 10 / 5, the about window a popup with a readable QR code of its
// web address and an address that is not clipped, and a continuous font track bar.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/AboutWindow.h"
#include "app/FontTrackBar.h"
#include "app/QrCode.h"
#include "app/ScaledLayer.h"

class FinishTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void recordStepPutsBothCaretsAtTheStart() {
        ui(w()).cbt_compute->click();
        for (QPlainTextEdit* memo : {ui(w()).meo_jisuanjieguo_Doc, ui(w()).meo_jisuanjieguo_Xls}) {
            QTextCursor end = memo->textCursor();
            end.movePosition(QTextCursor::End);
            memo->setTextCursor(end);  // the reader left the caret at the end
        }
        ui(w()).edt_frk->setText("30");
        ui(w()).cbt_compute->click();
        QCOMPARE(w().pileCount(), 2);
        QCOMPARE(ui(w()).meo_jisuanjieguo_Doc->textCursor().position(), 0);
        QCOMPARE(ui(w()).meo_jisuanjieguo_Xls->textCursor().position(), 0);
    }

    void buttonsHaveTheirDesignedCorners_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("radius");
        for (const char* small : {"cbt_CopyRight", "cbt_JingDu", "cbt_PageBook", "cbt_sanchu"}) {
            QTest::newRow(small) << small << 3.0;
        }
        for (const char* large : {"cbt_compute", "cbt_View", "cbt_YouHua", "cbt_tuichu", "cbt_zhangkai", "cbt_YHcompute",
                                  "cbt_YHsaixuan", "cbt_YHsave", "cbt_YHfanhui", "cbt_Exit", "cbt_Save"}) {
            QTest::newRow(large) << large << 10.0;
        }
        QTest::newRow("cbt_update") << "cbt_update" << 5.0;
    }
    void buttonsHaveTheirDesignedCorners() {
        QFETCH(QString, button);
        QFETCH(double, radius);
        QWidget* top = &w();
        if (button == "cbt_update") {
            ui(w()).cbt_CopyRight->click();
            top = w().aboutWindow();
        }
        auto* found = top->findChild<QPushButton*>(button);
        QVERIFY(found);
        QCOMPARE(found->property("cornerRadius").toDouble(), radius);
        const pilecalc::app::ScaledLayer* layer = nullptr;
        for (QWidget* p = found->parentWidget(); p && !layer; p = p->parentWidget()) {
            layer = qobject_cast<const pilecalc::app::ScaledLayer*>(p);
        }
        QVERIFY(layer);
        QVERIFY2(found->styleSheet().contains(QString("border-radius: %1px").arg(radius * layer->scale(), 0, 'f', 1)),
                 qPrintable(found->styleSheet()));
        // The border runs along the top edge but does not reach the corner pixel: the
        // rounding is really drawn.
        found->show();
        const QImage face = found->grab().toImage();
        const QColor edge = face.pixelColor(face.width() / 2, 0);
        const QColor corner = face.pixelColor(0, 0);
        QVERIFY2(std::abs(corner.lightness() - edge.lightness()) > 40,
                 qPrintable(QString("corner %1, edge %2").arg(corner.name(), edge.name())));
        if (w().aboutWindow()) w().aboutWindow()->hide();
    }

    void aboutWindowIsAPopupThatEscCloses() {
        ui(w()).cbt_CopyRight->click();
        AboutWindow* about = w().aboutWindow();
        QCOMPARE(about->windowType(), Qt::Popup);
        QVERIFY(about->isVisible());
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
        QCOMPARE(w().aboutWindow(), about);  // hidden, not destroyed
    }

    // The picture is the QR code of the configured address, module for module, with its
    // quiet zone: what a phone reads is that address.
    void qrCodeCarriesTheWebAddress() {
        ui(w()).cbt_CopyRight->click();
        AboutWindow* about = w().aboutWindow();
        const QImage picture = about->ImageQQ->pixmap().toImage();
        QCOMPARE(picture.size(), QSize(168, 168));
        const pilecalc::app::QrModules code = pilecalc::app::encodeQr(AboutWindow::websiteAddress());
        QVERIFY(code.width >= 21);
        const int module = 168 / (code.width + 2 * pilecalc::app::kQrQuietZone);
        QVERIFY(module >= 2);
        const int origin = (168 - module * code.width) / 2;
        QVERIFY(origin >= pilecalc::app::kQrQuietZone * module);
        int mismatches = 0;
        for (int row = 0; row < code.width; ++row) {
            for (int column = 0; column < code.width; ++column) {
                const QColor c = picture.pixelColor(origin + column * module + module / 2, origin + row * module + module / 2);
                mismatches += (c.lightness() < 128) != code.at(row, column);
            }
        }
        QCOMPARE(mismatches, 0);
        // Finder pattern in the top-left corner: dark ring, light ring, dark core.
        QVERIFY(code.at(0, 0) && code.at(0, 6) && code.at(6, 0) && !code.at(1, 1) && code.at(3, 3));
        // Another address gives another code.
        QVERIFY(pilecalc::app::encodeQr("https://example.org/other").dark != code.dark);
        // The quiet zone is white.
        for (int x = 0; x < origin; ++x) QCOMPARE(picture.pixelColor(x, x), QColor(Qt::white));
        about->hide();
    }

    void webAddressIsNotClipped() {
        ui(w()).cbt_CopyRight->click();
        AboutWindow* about = w().aboutWindow();
        for (QLabel* link : {about->lb_wangzhi, about->lb_lianxiUr}) {
            link->grab();
            QVERIFY2(link->sizeHint().width() <= link->width(),
                     qPrintable(QString("%1 needs %2 of %3").arg(link->objectName()).arg(link->sizeHint().width()).arg(link->width())));
            QVERIFY(link->geometry().right() < about->cbt_update->geometry().left() ||
                    link->geometry().bottom() < about->cbt_update->geometry().top());
        }
        about->hide();
    }

    void trackBarIsContinuous() {
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        auto* track = qobject_cast<pilecalc::app::FontTrackBar*>(ui(w()).tcb_meoFontSize);
        QVERIFY(track);
        QStyleOptionSlider option;
        option.initFrom(track);
        option.orientation = Qt::Horizontal;
        option.minimum = track->minimum();
        option.maximum = track->maximum();
        option.sliderPosition = track->value();
        option.sliderValue = track->value();
        const QRect groove = track->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, track);
        const QRect handle = track->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, track);
        // 37 % of the way: 4 + 0.37 × 20 = 11.4 pt, not 11.
        const double x = groove.x() + handle.width() / 2.0 + 0.37 * (groove.width() - handle.width());
        const QPointF at(x, track->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, track->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(track, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, track->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(track, &release);
        const double scale = ui(w()).JieGuo_DocLayer->scale();
        const double points = ui(w()).meo_jisuanjieguo_Doc->font().pointSizeF() / scale;
        QVERIFY2(std::abs(points - 11.4) < 0.15, qPrintable(QString::number(points)));
        QVERIFY(std::abs(points - std::round(points)) > 0.1);
        QCOMPARE(ui(w()).meo_jisuanjieguo_Xls->font().pointSizeF(), ui(w()).meo_jisuanjieguo_Doc->font().pointSizeF());
        QCOMPARE(track->value(), 11);  // the whole value follows, rounded
        // A whole step by key gives a whole size again.
        track->setValue(20);
        QCOMPARE(ui(w()).meo_jisuanjieguo_Doc->font().pointSizeF(), 20 * scale);
    }
};

static pilecalc::test::RegisterTest<FinishTest> registerFinish;
#include "FinishTest.moc"
