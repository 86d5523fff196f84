// SPDX-License-Identifier: GPL-3.0-or-later
// The keys people expect: Return in an input computes while "计算" is shown, Esc steps
// back from the optimisation layer and the results viewer and closes the about window,
// Ctrl+S saves where "保存"/"存盘" is enabled. The keys are sent to the control that has
// the focus, so they travel the way a typed key does.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/AboutWindow.h"
#include "app/ScaledLayer.h"

class KeysTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    QWidget* input(const QString& name) {
        QWidget* control = w().findChild<QWidget*>(name);
        if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
        return control;
    }
    bool fileSaved(const QString& name) { return QFile::exists(QDir(fixture.documents()).filePath(name)); }

private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void returnInAnInputComputes_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::newRow("d, Return") << "cbe_dd" << int(Qt::Key_Return);
        QTest::newRow("hr, keypad Enter") << "cbe_hr" << int(Qt::Key_Enter);
        QTest::newRow("frk, Return") << "edt_frk" << int(Qt::Key_Return);
        QTest::newRow("weathering box, Return") << "ckb_zhongfenghua" << int(Qt::Key_Return);
        QTest::newRow("reduction, Return") << "cbe_zhongfenghua" << int(Qt::Key_Return);
        QTest::newRow("gamma, Return") << "cbe_Gamacr" << int(Qt::Key_Return);
    }
    void returnInAnInputComputes() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QWidget* target = input(control);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(w().pileCount(), 1);
        QCOMPARE(ui(w()).edt_ra->text(), QString("7636"));
        QVERIFY(!ui(w()).cbt_View->isHidden());
        QVERIFY(ui(w()).cbt_compute->isHidden());
        // "结果" now stands where "计算" was: Return records nothing more.
        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(w().pileCount(), 1);
        // A typed change brings "计算" back, and Return computes the new pile.
        QTest::keyClick(input("edt_frk"), Qt::Key_0);  // frk 250
        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(w().pileCount(), 2);
    }

    void returnWithAFailedCheckShowsItsMessage() {
        ui(w()).edt_frk->setText("abc");
        QTest::keyClick(input("edt_frk"), Qt::Key_Return);
        QCOMPARE(w().pileCount(), 0);
        QVERIFY(!ui(w()).lb_shuoming->text().isEmpty());
        QVERIFY(!ui(w()).cbt_compute->isHidden());
    }

    void escapeStepsBack() {
        // From the optimisation layer, with the focus in its ranges grid.
        ui(w()).cbt_YouHua->click();
        QTest::keyClick(ui(w()).Grid1_Youhuaxuanxiang, Qt::Key_Escape);
        QVERIFY(!ui(w()).MainFormLayer->isHidden());
        QVERIFY(ui(w()).YouHuaFormLayer->isHidden());
        QCOMPARE(w().optimisationMode(), OptimisationMode::Off);
        // On the main layer Esc changes nothing.
        QTest::keyClick(input("cbe_dd"), Qt::Key_Escape);
        QVERIFY(!ui(w()).MainFormLayer->isHidden());
        // From the results viewer, with the focus in the book.
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        QTest::keyClick(ui(w()).meo_jisuanjieguo_Doc, Qt::Key_Escape);
        QVERIFY(!ui(w()).MainFormLayer->isHidden());
        QVERIFY(ui(w()).JieGuo_DocLayer->isHidden());
    }

    // An open cell editor keeps its Esc: it cancels the edit, the layer stays.
    void escapeInACellEditorCancelsTheEdit() {
        ui(w()).cbt_YouHua->click();
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        QTableWidget* grid = ui(w()).Grid1_Youhuaxuanxiang;
        grid->setCurrentCell(0, 1);
        grid->editItem(grid->item(0, 1));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editor) QSKIP("no cell editor took the focus on this platform");
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!ui(w()).YouHuaFormLayer->isHidden());
        QCOMPARE(grid->item(0, 1)->text(), QString("1000"));
    }

    void ctrlSSavesWhereSaveIsEnabled() {
        const QString book = "嵌岩桩计算书(依据JTS167-4-2012)_文本.txt";
        const QString table = "嵌岩桩计算书(依据JTS167-4-2012)_表格.txt";
        // Nothing is saved from the main layer.
        ui(w()).cbt_compute->click();
        QTest::keyClick(input("cbe_dd"), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!fileSaved(book));
        // The viewer's "保存" saves the book on page 1 ...
        ui(w()).cbt_View->click();
        QTest::keyClick(ui(w()).meo_jisuanjieguo_Doc, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(fileSaved(book));
        QVERIFY(!fileSaved(table));
        QVERIFY(!ui(w()).cbt_Save->isEnabled());
        QCOMPARE(w().unsavedTexts(), 2);
        // ... and, once disabled, Ctrl+S does nothing more.
        QFile::remove(QDir(fixture.documents()).filePath(book));
        QTest::keyClick(ui(w()).meo_jisuanjieguo_Doc, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!fileSaved(book));
        ui(w()).cbt_PageBook->click();
        QTest::keyClick(ui(w()).meo_jisuanjieguo_Xls, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(fileSaved(table));
        QCOMPARE(w().unsavedTexts(), 0);
    }

    void ctrlSSavesTheOptimisationList() {
        const QString raw = "嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt";
        ui(w()).cbt_YouHua->click();
        QTest::keyClick(ui(w()).Grid2_Youhuajieguo, Qt::Key_S, Qt::ControlModifier);  // "存盘" disabled
        QVERIFY(!fileSaved(raw));
        ui(w()).cbt_YHcompute->click();
        QVERIFY(ui(w()).cbt_YHsave->isEnabled());
        QTest::keyClick(ui(w()).Grid2_Youhuajieguo, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(fileSaved(raw));
    }

    void escapeClosesTheAboutWindow() {
        ui(w()).cbt_CopyRight->click();
        AboutWindow* about = w().aboutWindow();
        QVERIFY(about && about->isVisible());
        QTest::keyClick(about->cbt_close, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
        ui(w()).cbt_CopyRight->click();  // opens again, the same window
        QVERIFY(about->isVisible());
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
    }
};

static pilecalc::test::RegisterTest<KeysTest> registerKeys;
#include "KeysTest.moc"
