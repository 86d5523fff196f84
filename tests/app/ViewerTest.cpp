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
        w().cbt_compute->click();
        w().cbe_dd->setEditText("1200");
        w().cbt_compute->click();
        w().cbe_dd->setEditText("1500");
        w().cbt_compute->click();
    }
    void memosMatchTheTexts() {
        QCOMPARE(memoLines(w().meo_jisuanjieguo_Xls), asList(w().tableLines));
        QCOMPARE(memoLines(w().meo_jisuanjieguo_Doc), asList(w().bookLines));
    }

private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void firstPileRowAndFooter() {
        w().cbt_compute->click();
        const QStringList table = memoLines(w().meo_jisuanjieguo_Xls);
        QCOMPARE(table.size(), 10);
        QCOMPARE(table[5], QString("   ZH1      圆  桩     1000      1.0d     25.00       是       0.70      1.00     "
                                   "0.0490      3848      28%     0.5040      9896      72%      13744     1.80       "
                                   "7636  "));
        const QString time = "计算时间：" + QLocale().toString(pilecalc::test::fixedTime().date(), QLocale::ShortFormat) +
                             " 09:26:53";
        QCOMPARE(table.last(), time);
        QCOMPARE(memoLines(w().meo_jisuanjieguo_Doc).last(), time);
        memosMatchTheTexts();
    }

    void threePilesInBookAndTable() {
        computeThreePiles();
        QCOMPARE(w().pileCount, 3);
        const QStringList table = memoLines(w().meo_jisuanjieguo_Xls);
        QCOMPARE(table.size(), 12);
        QVERIFY(table[5].startsWith("   ZH1 "));
        QVERIFY(table[6].startsWith("   ZH2 "));
        QVERIFY(table[7].startsWith("   ZH3 "));
        QVERIFY(table[6].contains("  1200  "));
        const QStringList book = memoLines(w().meo_jisuanjieguo_Doc);
        QCOMPARE(book.count(QString::fromUtf16(pilecalc::kBookBlockEnd.data(), qsizetype(pilecalc::kBookBlockEnd.size()))), 3);
        QCOMPARE(countStarting(book, "计算时间："), 1);
        memosMatchTheTexts();
    }

    void precisionListRecordsOnlyWhileShown() {
        w().cbt_compute->click();
        w().popbox_jingdu->setCurrentIndex(0);  // hidden: nothing happens
        QCOMPARE(w().pileCount, 1);
        QCOMPARE(w().edt_Qrs->text(), QString("3848"));
        w().cbt_JingDuClick();
        QVERIFY(!w().popbox_jingdu->isHidden());
        w().popbox_jingdu->setCurrentIndex(4);
        QCOMPARE(w().pileCount, 2);
        QCOMPARE(w().edt_Qrs->text(), QString("3800"));
        QVERIFY(w().popbox_jingdu->isHidden());  // a recorded run closes the list
        QVERIFY(memoLines(w().meo_jisuanjieguo_Xls)[6].startsWith("   ZH2 "));
        memosMatchTheTexts();
    }

    void precisionListTwiceLeavesItHidden() {
        w().cbt_JingDu->click();
        w().cbt_JingDu->click();
        QVERIFY(w().popbox_jingdu->isHidden());
        QCOMPARE(w().edt_Qrs->text(), QString());
    }

    void precisionChangeWithBadInputFails() {
        w().cbe_dd->setEditText("0");
        w().cbt_JingDu->click();
        w().popbox_jingdu->setCurrentIndex(1);
        QCOMPARE(w().lb_shuoming->text(), QString("桩身直径数据有错"));
        QCOMPARE(w().pileCount, 0);
        QCOMPARE(w().popbox_jingdu->currentIndex(), 1);
        QVERIFY(!w().popbox_jingdu->isHidden());
    }

    void optimisationModeRecordsNothing() {
        w().cbt_YouHua->click();
        QVERIFY(w().runCompute());
        QCOMPARE(w().pileCount, 0);
        QVERIFY(w().tableLines.empty());
        QVERIFY(!w().cbt_compute->isHidden());
        w().cbt_YHfanhui->click();
        w().cbt_compute->click();
        QCOMPARE(w().pileCount, 1);
    }

    void pageSwitchEnablesSaveForUnsavedText_data() {
        QTest::addColumn<int>("unsaved");
        QTest::addColumn<bool>("tableSave");
        QTest::addColumn<bool>("bookSave");
        QTest::newRow("both unsaved") << 3 << true << true;
        QTest::newRow("only the table unsaved") << 2 << true << false;
        QTest::newRow("only the book unsaved") << 1 << false << true;
        QTest::newRow("both saved") << 0 << false << false;
    }
    void pageSwitchEnablesSaveForUnsavedText() {
        QFETCH(int, unsaved);
        QFETCH(bool, tableSave);
        QFETCH(bool, bookSave);
        w().cbt_compute->click();
        w().cbt_View->click();
        QVERIFY(!w().JieGuo_DocLayer->isHidden());
        w().unsavedTexts = unsaved;
        w().cbt_PageBook->click();
        QCOMPARE(w().cbt_PageBook->text(), QString("2"));
        QVERIFY(w().meo_jisuanjieguo_Doc->isHidden());
        QVERIFY(!w().meo_jisuanjieguo_Xls->isHidden());
        QCOMPARE(w().cbt_Save->isEnabled(), tableSave);
        w().cbt_PageBook->click();
        QCOMPARE(w().cbt_PageBook->text(), QString("1"));
        QVERIFY(!w().meo_jisuanjieguo_Doc->isHidden());
        QCOMPARE(w().cbt_Save->isEnabled(), bookSave);
    }

    void viewerReopensOnItsLastPage() {
        w().cbt_compute->click();
        w().cbt_View->click();
        w().cbt_PageBook->click();
        w().tcb_meoFontSize->setValue(20);
        w().cbt_Exit->click();
        QVERIFY(!w().MainFormLayer->isHidden());
        QVERIFY(w().JieGuo_DocLayer->isHidden());
        w().cbt_View->click();
        QCOMPARE(w().cbt_PageBook->text(), QString("2"));
        QVERIFY(!w().meo_jisuanjieguo_Xls->isHidden());
        QCOMPARE(w().meo_jisuanjieguo_Xls->font().pointSize(), 20);
        QCOMPARE(w().meo_jisuanjieguo_Doc->font().pointSize(), 20);  // the hidden text too
    }

    void deleteLastDownToEmpty() {
        computeThreePiles();
        const QString lastTime = memoLines(w().meo_jisuanjieguo_Xls).last();
        w().cbt_View->click();
        w().cbt_sanchu->click();
        QCOMPARE(w().pileCount, 2);
        QCOMPARE(memoLines(w().meo_jisuanjieguo_Xls).size(), 11);
        QCOMPARE(memoLines(w().meo_jisuanjieguo_Xls).last(), lastTime);
        QCOMPARE(w().unsavedTexts, 3);
        memosMatchTheTexts();
        w().cbt_sanchu->click();
        QCOMPARE(w().pileCount, 1);
        const QStringList book = memoLines(w().meo_jisuanjieguo_Doc);
        QCOMPARE(countStarting(book, "计算时间："), 1);
        QVERIFY(!w().meo_jisuanjieguo_Doc->toPlainText().contains("ZH2"));
        QVERIFY(w().cbt_Save->isEnabled());
        QVERIFY(w().cbt_sanchu->isEnabled());
        memosMatchTheTexts();
        w().cbt_sanchu->click();
        QCOMPARE(w().pileCount, 0);
        QCOMPARE(w().unsavedTexts, 0);
        QVERIFY(w().meo_jisuanjieguo_Doc->toPlainText().isEmpty());
        QVERIFY(w().meo_jisuanjieguo_Xls->toPlainText().isEmpty());
        QVERIFY(!w().cbt_Save->isEnabled());
        QVERIFY(!w().cbt_sanchu->isEnabled());
    }

    // After both texts were saved, taking the last pile off leaves the screen
    // different from the files: both pages offer "保存" again, and saving writes
    // the corrected book without the deleted pile.
    void deleteLastAfterSavingOffersBothTextsAgain() {
        computeThreePiles();
        w().cbt_View->click();
        w().cbt_Save->click();  // book
        w().cbt_PageBook->click();
        w().cbt_Save->click();  // table
        QCOMPARE(w().unsavedTexts, 0);
        QVERIFY(!w().cbt_Save->isEnabled());
        w().cbt_sanchu->click();
        QCOMPARE(w().pileCount, 2);
        QCOMPARE(w().unsavedTexts, 3);
        QVERIFY(w().cbt_Save->isEnabled());
        w().cbt_PageBook->click();
        QCOMPARE(w().cbt_PageBook->text(), QString("1"));
        QVERIFY(w().cbt_Save->isEnabled());
        w().cbt_Save->click();
        QFile book(QDir(fixture.documents()).filePath(QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt")));
        QVERIFY(book.open(QIODevice::ReadOnly));
        const QString saved = QString::fromUtf8(book.readAll());
        QVERIFY(saved.contains("ZH2"));
        QVERIFY(!saved.contains("ZH3"));
        QCOMPARE(w().unsavedTexts, 2);
        QVERIFY(!w().cbt_Save->isEnabled());
    }

    void numberOfADeletedPileIsUsedAgain() {
        computeThreePiles();
        w().cbt_View->click();
        w().cbt_sanchu->click();
        w().cbt_Exit->click();
        w().cbe_dd->setEditText("1800");
        w().cbt_compute->click();
        QCOMPARE(w().pileCount, 3);
        const QStringList table = memoLines(w().meo_jisuanjieguo_Xls);
        QVERIFY(table[7].startsWith("   ZH3 "));
        QVERIFY(table[7].contains("  1800  "));
        QCOMPARE(table.size(), 12);
        memosMatchTheTexts();
    }
};

static pilecalc::test::RegisterTest<ViewerTest> registerViewer;
#include "ViewerTest.moc"
