// SPDX-License-Identifier: GPL-3.0-or-later
// Saving tells where the file went: after a successful save a notice in the layer names
// the full path, without a dialog and without touching the layer's status texts. A save
// that fails shows its error as before and no notice.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/ScaledLayer.h"

class SaveNoticeTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    QString path(const QString& name) { return QDir::toNativeSeparators(QDir(fixture.documents()).filePath(name)); }

private slots:
    void init() {
        fixture.start();
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void viewerSaveNamesTheFile() {
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        QVERIFY(!ui(w()).JieGuo_DocLayer->findChild<QLabel*>("lb_saveNotice"));  // nothing before a save
        ui(w()).cbt_Save->click();
        auto* notice = ui(w()).JieGuo_DocLayer->findChild<QLabel*>("lb_saveNotice");
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), "已保存：" + path("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt"));
        QVERIFY(QFile::exists(path("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt")));
        QVERIFY(fixture.openDialogs().isEmpty());
        // The table's save names the table's file in the same notice.
        ui(w()).cbt_PageBook->click();
        ui(w()).cbt_Save->click();
        QCOMPARE(notice->text(), "已保存：" + path("嵌岩桩计算书(依据JTS167-4-2012)_表格.txt"));
        const QRect inWindow(notice->mapTo(&w(), QPoint()), notice->size());
        QVERIFY(w().rect().contains(inWindow));
    }

    void optimisationSaveNamesTheFile() {
        ui(w()).cbt_YouHua->click();
        ui(w()).cbt_YHcompute->click();
        const QString status = ui(w()).lb_YHxingxi->text();
        ui(w()).cbt_YHsave->click();
        auto* notice = ui(w()).YouHuaFormLayer->findChild<QLabel*>("lb_YHsaveNotice");
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), "已保存：" + path("嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt"));
        QCOMPARE(ui(w()).lb_YHxingxi->text(), status);  // the status line keeps its own text
        QVERIFY(fixture.openDialogs().isEmpty());
    }

    void failedSaveShowsNoNotice() {
        // A folder where the file should go: the save fails with its error report.
        QVERIFY(QDir(fixture.documents()).mkdir("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt"));
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        ui(w()).cbt_Save->click();
        auto* notice = ui(w()).JieGuo_DocLayer->findChild<QLabel*>("lb_saveNotice");
        QVERIFY(!notice || !notice->isVisible());
        QCOMPARE(fixture.openDialogs().size(), 1);
        pilecalc::test::WindowFixture::closeAllDialogs();
    }
};

static pilecalc::test::RegisterTest<SaveNoticeTest> registerSaveNotice;
#include "SaveNoticeTest.moc"
