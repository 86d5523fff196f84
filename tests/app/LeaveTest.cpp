// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving with unsaved piles asks first: "退出" and the window's close bring up the
// question without blocking, "取消" keeps everything as it was, "退出" closes the window.
// With nothing unsaved the window closes at once, as before.
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"

namespace {

const QString kQuestion = QStringLiteral("计算结果尚未保存，确定退出吗？");

QList<QMessageBox*> openBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) boxes << box;
    }
    return boxes;
}

QAbstractButton* buttonNamed(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

}  // namespace

class LeaveTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    // Leaves the way `how` names, with the window shown.
    void leave(const QString& how) {
        if (how == "exit button") ui(w()).cbt_tuichu->click();
        if (how == "window close") w().close();
    }

private slots:
    void init() {
        fixture.start();
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void unsavedPilesAskFirst_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("exit button") << "exit button";
        QTest::newRow("window close") << "window close";
    }
    void unsavedPilesAskFirst() {
        QFETCH(QString, how);
        ui(w()).cbt_compute->click();
        QCOMPARE(w().unsavedTexts(), 3);
        const QString book = ui(w()).meo_jisuanjieguo_Doc->toPlainText();

        leave(how);
        QVERIFY(w().isVisible());
        QList<QMessageBox*> boxes = openBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0]->text(), kQuestion);
        QVERIFY(buttonNamed(boxes[0], "退出"));
        QVERIFY(buttonNamed(boxes[0], "取消"));
        leave(how);  // asking again while the question is open does not stack a second one
        QCOMPARE(openBoxes().size(), 1);

        // "取消": the window stays as it was.
        buttonNamed(boxes[0], "取消")->click();
        QApplication::processEvents();
        QVERIFY(openBoxes().isEmpty());
        QVERIFY(w().isVisible());
        QCOMPARE(w().unsavedTexts(), 3);
        QCOMPARE(w().pileCount(), 1);
        QCOMPARE(ui(w()).meo_jisuanjieguo_Doc->toPlainText(), book);

        // "退出": the window closes.
        leave(how);
        boxes = openBoxes();
        QCOMPARE(boxes.size(), 1);
        buttonNamed(boxes[0], "退出")->click();
        QTRY_VERIFY(!w().isVisible());
        QVERIFY(openBoxes().isEmpty());
    }

    void nothingUnsavedLeavesAtOnce_data() {
        QTest::addColumn<QString>("state");
        QTest::newRow("nothing computed") << "start";
        QTest::newRow("both texts saved") << "saved";
        QTest::newRow("only pile deleted") << "deleted";
    }
    void nothingUnsavedLeavesAtOnce() {
        QFETCH(QString, state);
        if (state != "start") {
            ui(w()).cbt_compute->click();
            ui(w()).cbt_View->click();
        }
        if (state == "saved") {
            ui(w()).cbt_Save->click();
            ui(w()).cbt_PageBook->click();
            ui(w()).cbt_Save->click();
        }
        if (state == "deleted") ui(w()).cbt_sanchu->click();
        QCOMPARE(w().unsavedTexts(), 0);
        w().cbt_ExitClick();
        ui(w()).cbt_tuichu->click();
        QVERIFY(!w().isVisible());
        QVERIFY(openBoxes().isEmpty());
    }

    // Only the book saved: the table is still unsaved, so the question comes.
    void halfSavedStillAsks() {
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        ui(w()).cbt_Save->click();
        QCOMPARE(w().unsavedTexts(), 2);
        w().close();
        QVERIFY(w().isVisible());
        QCOMPARE(fixture.takeDialog(), kQuestion);  // closed without "退出": the window stays
        QApplication::processEvents();
        QVERIFY(w().isVisible());
    }
};

static pilecalc::test::RegisterTest<LeaveTest> registerLeave;
#include "LeaveTest.moc"
