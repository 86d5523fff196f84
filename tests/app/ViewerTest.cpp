// SPDX-License-Identifier: GPL-3.0-or-later
// Recording piles into the two memos, the precision list, and the results viewer:
// page switch, "保存" enabling, font size and delete-last.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/ScaledLayer.h"
#include "reports/CalculationBook.h"

namespace {

QStringList memoLines(QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QStringList asList(const pilecalc::Lines& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdU16String(l);
    return out;
}

int countStarting(const QStringList& lines, const QString& start) {
    int n = 0;
    for (const QString& l : lines) n += l.startsWith(start) ? 1 : 0;
    return n;
}

}  // namespace

class ViewerTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    void computeThreePiles() {
        ui(w()).cbt_compute->click();
        ui(w()).cbe_dd->setEditText("1200");
        ui(w()).cbt_compute->click();
        ui(w()).cbe_dd->setEditText("1500");
        ui(w()).cbt_compute->click();
    }
    void memosMatchTheTexts() {
        QCOMPARE(memoLines(ui(w()).meo_jisuanjieguo_Xls), asList(w().tableLines()));
        QCOMPARE(memoLines(ui(w()).meo_jisuanjieguo_Doc), asList(w().bookLines()));
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void firstPileRowAndFooter() {
        ui(w()).cbt_compute->click();
        const QStringList table = memoLines(ui(w()).meo_jisuanjieguo_Xls);
        QCOMPARE(table.size(), 10);
        QCOMPARE(table[5], QString("   ZH1      圆  桩     1000      1.0d     25.00       是       0.70      1.00     "
                                   "0.0490      3848      28%     0.5040      9896      72%      13744     1.80       "
                                   "7636  "));
        const QString time =
            "计算时间：" + QLocale().toString(pilecalc::test::fixedTime().date(), QLocale::ShortFormat) + " 09:26:53";
        QCOMPARE(table.last(), time);
        QCOMPARE(memoLines(ui(w()).meo_jisuanjieguo_Doc).last(), time);
        memosMatchTheTexts();
    }

    void threePilesInBookAndTable() {
        computeThreePiles();
        QCOMPARE(w().pileCount(), 3);
        const QStringList table = memoLines(ui(w()).meo_jisuanjieguo_Xls);
        QCOMPARE(table.size(), 12);
        QVERIFY(table[5].startsWith("   ZH1 "));
        QVERIFY(table[6].startsWith("   ZH2 "));
        QVERIFY(table[7].startsWith("   ZH3 "));
        QVERIFY(table[6].contains("  1200  "));
        const QStringList book = memoLines(ui(w()).meo_jisuanjieguo_Doc);
        QCOMPARE(
            book.count(QString::fromUtf16(pilecalc::kBookBlockEnd.data(), qsizetype(pilecalc::kBookBlockEnd.size()))),
            3);
        QCOMPARE(countStarting(book, "计算时间："), 1);
        memosMatchTheTexts();
    }

    void precisionListRecordsOnlyWhileShown() {
        ui(w()).cbt_compute->click();
        ui(w()).popbox_jingdu->setCurrentIndex(0);  // hidden: nothing happens
        QCOMPARE(w().pileCount(), 1);
        QCOMPARE(ui(w()).edt_Qrs->text(), QString("3848"));
        w().cbt_JingDuClick();
        QVERIFY(!ui(w()).popbox_jingdu->isHidden());
        ui(w()).popbox_jingdu->setCurrentIndex(4);
        QCOMPARE(w().pileCount(), 2);
        QCOMPARE(ui(w()).edt_Qrs->text(), QString("3800"));
        QVERIFY(ui(w()).popbox_jingdu->isHidden());  // a recorded run closes the list
        QVERIFY(memoLines(ui(w()).meo_jisuanjieguo_Xls)[6].startsWith("   ZH2 "));
        memosMatchTheTexts();
    }

    void precisionListTwiceLeavesItHidden() {
        ui(w()).cbt_JingDu->click();
        ui(w()).cbt_JingDu->click();
        QVERIFY(ui(w()).popbox_jingdu->isHidden());
        QCOMPARE(ui(w()).edt_Qrs->text(), QString());
    }

    void precisionChangeWithBadInputFails() {
        ui(w()).cbe_dd->setEditText("0");
        ui(w()).cbt_JingDu->click();
        ui(w()).popbox_jingdu->setCurrentIndex(1);
        QCOMPARE(ui(w()).lb_shuoming->text(), QString("桩身直径数据有错"));
        QCOMPARE(w().pileCount(), 0);
        QCOMPARE(ui(w()).popbox_jingdu->currentIndex(), 1);
        QVERIFY(!ui(w()).popbox_jingdu->isHidden());
    }

    void optimisationModeRecordsNothing() {
        ui(w()).cbt_YouHua->click();
        QVERIFY(w().runCompute());
        QCOMPARE(w().pileCount(), 0);
        QVERIFY(w().tableLines().empty());
        QVERIFY(!ui(w()).cbt_compute->isHidden());
        ui(w()).cbt_YHfanhui->click();
        ui(w()).cbt_compute->click();
        QCOMPARE(w().pileCount(), 1);
    }

    // Reaches each unsaved state by real saves, then switches pages both ways.
    void pageSwitchEnablesSaveForUnsavedText_data() {
        QTest::addColumn<bool>("saveBook");
        QTest::addColumn<bool>("saveTable");
        QTest::addColumn<bool>("tableSave");
        QTest::addColumn<bool>("bookSave");
        QTest::newRow("both unsaved") << false << false << true << true;
        QTest::newRow("only the table unsaved") << true << false << true << false;
        QTest::newRow("only the book unsaved") << false << true << false << true;
        QTest::newRow("both saved") << true << true << false << false;
    }
    void pageSwitchEnablesSaveForUnsavedText() {
        QFETCH(bool, saveBook);
        QFETCH(bool, saveTable);
        QFETCH(bool, tableSave);
        QFETCH(bool, bookSave);
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        QVERIFY(!ui(w()).JieGuo_DocLayer->isHidden());
        if (saveBook) ui(w()).cbt_Save->click();
        if (saveTable) {
            ui(w()).cbt_PageBook->click();
            ui(w()).cbt_Save->click();
            ui(w()).cbt_PageBook->click();
        }
        QCOMPARE(w().unsavedTexts(), (saveBook ? 0 : 1) + (saveTable ? 0 : 2));
        QCOMPARE(w().viewerPage(), pilecalc::app::ViewerPage::Book);
        ui(w()).cbt_PageBook->click();
        QCOMPARE(ui(w()).cbt_PageBook->text(), QString("2"));
        QCOMPARE(w().viewerPage(), pilecalc::app::ViewerPage::Table);
        QVERIFY(ui(w()).meo_jisuanjieguo_Doc->isHidden());
        QVERIFY(!ui(w()).meo_jisuanjieguo_Xls->isHidden());
        QCOMPARE(ui(w()).cbt_Save->isEnabled(), tableSave);
        ui(w()).cbt_PageBook->click();
        QCOMPARE(ui(w()).cbt_PageBook->text(), QString("1"));
        QVERIFY(!ui(w()).meo_jisuanjieguo_Doc->isHidden());
        QCOMPARE(ui(w()).cbt_Save->isEnabled(), bookSave);
    }

    void viewerReopensOnItsLastPage() {
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        ui(w()).cbt_PageBook->click();
        ui(w()).tcb_meoFontSize->setValue(20);
        ui(w()).cbt_Exit->click();
        QVERIFY(!ui(w()).MainFormLayer->isHidden());
        QVERIFY(ui(w()).JieGuo_DocLayer->isHidden());
        ui(w()).cbt_View->click();
        QCOMPARE(ui(w()).cbt_PageBook->text(), QString("2"));
        QVERIFY(!ui(w()).meo_jisuanjieguo_Xls->isHidden());
        QCOMPARE(ui(w()).meo_jisuanjieguo_Xls->font().pointSize(), 20);
        QCOMPARE(ui(w()).meo_jisuanjieguo_Doc->font().pointSize(), 20);  // the hidden text too
    }

    void deleteLastDownToEmpty() {
        computeThreePiles();
        const QString lastTime = memoLines(ui(w()).meo_jisuanjieguo_Xls).last();
        ui(w()).cbt_View->click();
        ui(w()).cbt_sanchu->click();
        QCOMPARE(w().pileCount(), 2);
        QCOMPARE(memoLines(ui(w()).meo_jisuanjieguo_Xls).size(), 11);
        QCOMPARE(memoLines(ui(w()).meo_jisuanjieguo_Xls).last(), lastTime);
        QCOMPARE(w().unsavedTexts(), 3);
        memosMatchTheTexts();
        ui(w()).cbt_sanchu->click();
        QCOMPARE(w().pileCount(), 1);
        const QStringList book = memoLines(ui(w()).meo_jisuanjieguo_Doc);
        QCOMPARE(countStarting(book, "计算时间："), 1);
        QVERIFY(!ui(w()).meo_jisuanjieguo_Doc->toPlainText().contains("ZH2"));
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        QVERIFY(ui(w()).cbt_sanchu->isEnabled());
        memosMatchTheTexts();
        ui(w()).cbt_sanchu->click();
        QCOMPARE(w().pileCount(), 0);
        QCOMPARE(w().unsavedTexts(), 0);
        QVERIFY(ui(w()).meo_jisuanjieguo_Doc->toPlainText().isEmpty());
        QVERIFY(ui(w()).meo_jisuanjieguo_Xls->toPlainText().isEmpty());
        QVERIFY(!ui(w()).cbt_Save->isEnabled());
        QVERIFY(!ui(w()).cbt_sanchu->isEnabled());
    }

    // After both texts were saved, taking the last pile off leaves the screen
    // different from the files: both pages offer "保存" again, and saving writes
    // the corrected book without the deleted pile.
    void deleteLastAfterSavingOffersBothTextsAgain() {
        computeThreePiles();
        ui(w()).cbt_View->click();
        ui(w()).cbt_Save->click();  // book
        ui(w()).cbt_PageBook->click();
        ui(w()).cbt_Save->click();  // table
        QCOMPARE(w().unsavedTexts(), 0);
        QVERIFY(!ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_sanchu->click();
        QCOMPARE(w().pileCount(), 2);
        QCOMPARE(w().unsavedTexts(), 3);
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_PageBook->click();
        QCOMPARE(ui(w()).cbt_PageBook->text(), QString("1"));
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_Save->click();
        QFile book(QDir(fixture.documents()).filePath(QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt")));
        QVERIFY(book.open(QIODevice::ReadOnly));
        const QString saved = QString::fromUtf8(book.readAll());
        QVERIFY(saved.contains("ZH2"));
        QVERIFY(!saved.contains("ZH3"));
        QCOMPARE(w().unsavedTexts(), 2);
        QVERIFY(!ui(w()).cbt_Save->isEnabled());
    }

    void numberOfADeletedPileIsUsedAgain() {
        computeThreePiles();
        ui(w()).cbt_View->click();
        ui(w()).cbt_sanchu->click();
        ui(w()).cbt_Exit->click();
        ui(w()).cbe_dd->setEditText("1800");
        ui(w()).cbt_compute->click();
        QCOMPARE(w().pileCount(), 3);
        const QStringList table = memoLines(ui(w()).meo_jisuanjieguo_Xls);
        QVERIFY(table[7].startsWith("   ZH3 "));
        QVERIFY(table[7].contains("  1800  "));
        QCOMPARE(table.size(), 12);
        memosMatchTheTexts();
    }
};

static pilecalc::test::RegisterTest<ViewerTest> registerViewer;
#include "ViewerTest.moc"
