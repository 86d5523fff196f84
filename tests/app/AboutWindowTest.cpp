// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: created once, hidden when closed, links that react to the pointer
// and open their addresses.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/AboutWindow.h"
#include "app/FontColour.h"
#include "app/ScaledLayer.h"

using pilecalc::app::fontColour;

class AboutWindowTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    QStringList opened;
    AboutWindow* openAbout() {
        ui(w()).cbt_CopyRight->click();
        AboutWindow* about = w().aboutWindow();
        if (about) about->setAddressOpenerForTesting([this](const QString& a) { opened << a; });
        return about;
    }
    static void moveOver(QLabel* label) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &move);
    }
    static void leave(QLabel* label) {
        QEvent left(QEvent::Leave);
        QApplication::sendEvent(label, &left);
    }

  private slots:
    void init() {
        fixture.start();
        opened.clear();
    }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void createdOnceAndHiddenOnClose() {
        QVERIFY(!w().aboutWindow());
        AboutWindow* about = openAbout();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QString("关于"));
        QCOMPARE(about->size(), QSize(260, 330));
        QCOMPARE(about->lb_mokuaiming->text(), QString("嵌岩桩承载力计算"));
        QCOMPARE(about->cbt_update->text(), QString("更新"));
        about->cbt_close->click();
        QVERIFY(!about->isVisible());
        QCOMPARE(openAbout(), about);  // the same window again
        QVERIFY(about->isVisible());
        QVERIFY(ui(w()).MainFormLayer->isVisibleTo(&w()));  // no layer changed
    }

    void linksReactToThePointer_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hoverText");
        QTest::addColumn<uint>("restColour");
        QTest::newRow("website") << "lb_wangzhi" << AboutWindow::websiteAddress() << uint(pilecalc::app::kBlue);
        QTest::newRow("mail") << "lb_lianxiUr" << AboutWindow::mailAddress() << uint(pilecalc::app::kBlue);
        QTest::newRow("organisation") << "lb_danwei" << AboutWindow::organisationAddress()
                                      << uint(pilecalc::app::kBlack);
    }
    void linksReactToThePointer() {
        QFETCH(QString, name);
        QFETCH(QString, hoverText);
        QFETCH(uint, restColour);
        AboutWindow* about = openAbout();
        auto* link = about->findChild<QLabel*>(name);
        QVERIFY(link);
        const QString restText = link->text();
        QCOMPARE(fontColour(link), QRgb(restColour));
        moveOver(link);
        QCOMPARE(link->text(), hoverText);
        QVERIFY(link->font().bold());
        QVERIFY(link->font().underline());
        QCOMPARE(fontColour(link), pilecalc::app::kRed);
        leave(link);
        QCOMPARE(link->text(), restText);
        QVERIFY(!link->font().bold());
        QVERIFY(!link->font().underline());
        QCOMPARE(fontColour(link), QRgb(restColour));
        about->hide();
    }

    void linksOpenTheirAddresses() {
        AboutWindow* about = openAbout();
        about->lb_wangzhiClick();
        about->lb_lianxiUrClick();
        about->lb_danweiClick();
        about->cbt_update->click();
        QCOMPARE(opened, QStringList({AboutWindow::websiteAddress(), "mailto:" + AboutWindow::mailAddress(),
                                      AboutWindow::organisationAddress(), AboutWindow::updateAddress()}));
        QVERIFY(AboutWindow::updateAddress().endsWith(".zip"));
        about->hide();
    }
};

static pilecalc::test::RegisterTest<AboutWindowTest> registerAboutWindow;
#include "AboutWindowTest.moc"
