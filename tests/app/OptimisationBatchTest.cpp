// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run of the optimisation layer through the window: the fast run against the
// pile-by-pile run through the compute handler, the stop rules with what each leaves,
// the combination limit, cancelling, and a comma-decimal locale.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "AppTests.h"
#include "OptimisationTestKit.h"
#include "WindowFixture.h"
#include "app/FontColour.h"
#include "app/ScaledLayer.h"

using namespace pilecalc::test;
using pilecalc::app::fontColour;
using pilecalc::app::kBlack;
using pilecalc::app::kRed;

namespace {

// Main-layer inputs and display precision a batch takes over unchanged.
struct Settings {
    bool weathered = true;
    QString reduction = "0.70";
    QString gammaCR = "1.80";
    int mode = 2;
};

void applySettings(MainWindow& w, const Settings& s) {
    ui(w).ckb_zhongfenghua->setChecked(s.weathered);
    ui(w).cbe_zhongfenghua->setEditText(s.reduction);
    ui(w).cbe_Gamacr->setEditText(s.gammaCR);
    ui(w).popbox_jingdu->setCurrentIndex(s.mode);  // hidden list: selects the mode only
}

template <class T>
T pick(QRandomGenerator& g, std::initializer_list<T> options) {
    return *(options.begin() + g.bounded(static_cast<int>(options.size())));
}

// Small random ranges (at most a few dozen piles) that now and then hold a pile the
// checks reject: a depth below one diameter, or a rock strength of 0.
RangeTexts randomRanges(QRandomGenerator& g) {
    RangeTexts r;
    const int dMin = pick(g, {800, 1000, 1200, 1500});
    r.d[0] = QString::number(dMin);
    r.d[1] = QString::number(dMin + pick(g, {0, 300, 500, 1000, -200}));
    r.d[2] = pick<QString>(g, {"250", "300", "400", "500", "0", "-1", "5000"});
    if (g.bounded(10) < 7) {
        const double hMin = pick(g, {1.0, 1.5, 2.0, 0.8});
        r.hr[0] = QString::number(hMin, 'f', 1) + "d";
        r.hr[1] = QString::number(hMin + pick(g, {0.0, 1.0, 2.0, 0.7}), 'f', 1) + "d";
        r.hr[2] = pick<QString>(g, {"0.35d", "0.5d", "1.0d", "0d", "0.3d"});
    } else {
        const int hMin = pick(g, {1000, 1500, 2000, 3000});
        r.hr[0] = QString::number(hMin);
        r.hr[1] = QString::number(hMin + pick(g, {0, 1000, 1500}));
        r.hr[2] = pick<QString>(g, {"500", "700", "1000"});
    }
    const double fMin = pick(g, {5.0, 10.0, 25.5, 30.0, 0.0});
    r.frk[0] = QString::number(fMin, 'f', 2);
    r.frk[1] = QString::number(fMin + pick(g, {0.0, 20.0, 35.0}), 'f', 2);
    r.frk[2] = pick<QString>(g, {"10", "7.5", "0"});
    return r;
}

Settings randomSettings(QRandomGenerator& g) {
    return {g.bounded(2) == 1, pick<QString>(g, {"0.70", "0.75", "0.80", "0"}),
            pick<QString>(g, {"1.70", "1.75", "1.80", "1.6"}), g.bounded(5)};
}

}  // namespace

class OptimisationBatchTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    // A second window, the reference that runs every pile through the compute handler.
    std::unique_ptr<MainWindow> makeReference() {
        auto reference = std::make_unique<MainWindow>();
        reference->setClockForTesting(fixedTime);
        return reference;
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void defaultRangesListTwentySevenPiles() {
        w().cbt_YouHuaClick();
        ui(w()).cbt_YHcompute->click();
        const QList<QStringList> rows = listCells(ui(w()).Grid2_Youhuajieguo);
        QCOMPARE(rows.size(), 27);
        // d outer, hr middle, frk fastest; numbers zero-filled to the two digits of 27.
        const QStringList d{"1000", "1500", "2000"}, hr{"1.0d", "2.0d", "3.0d"}, frk{"30.00", "40.00", "50.00"};
        for (int i = 0; i < 27; ++i) {
            QCOMPARE(rows[i][0], QString("ZH-%1").arg(i + 1, 2, 10, QChar('0')));
            QCOMPARE(rows[i][1], d[i / 9]);
            QCOMPARE(rows[i][3], hr[i / 3 % 3]);
            QCOMPARE(rows[i][4], frk[i % 3]);
            QCOMPARE(rows[i].mid(5, 3), QStringList({"是", "0.70", QString("%1.00").arg(i / 3 % 3 + 1)}));
            QCOMPARE(rows[i][15], QString("1.80"));
            QCOMPARE(rows[i][16], QString());
        }
        QCOMPARE(ui(w()).lb_YHxingxi->text(), QString("计算完成，桩数：27 根"));
        QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kBlack);
        QVERIFY(!ui(w()).cbt_YHcompute->isEnabled());
        QVERIFY(ui(w()).cbt_YHsaixuan->isEnabled());
        QVERIFY(ui(w()).cbt_YHsave->isEnabled());

        // Every figure is what the compute handler shows for that pile.
        auto reference = makeReference();
        reference->cbt_YouHuaClick();
        QCOMPARE(rows, literalBatch(*reference, defaultRanges()));
        QCOMPARE(mainLayerState(w()), mainLayerState(*reference));
        QCOMPARE(ui(w()).edt_ra->text(), rows.last()[2]);
    }

    // Random ranges, weathering, reduction, γcR and precision, from a main layer that has
    // or has not recorded a pile first: the fast run and the pile-by-pile run leave the
    // same list, the same main layer and the same optimisation layer.
    void fastRunMatchesPileByPileRun_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 60; ++seed) QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }
    void fastRunMatchesPileByPileRun() {
        QFETCH(quint32, seed);
        QRandomGenerator g(seed);
        const RangeTexts ranges = randomRanges(g);
        const Settings settings = randomSettings(g);
        const bool recordFirst = g.bounded(2) == 1;
        const bool startOnFirstPile = g.bounded(3) == 0;

        auto reference = makeReference();
        for (MainWindow* win : {&w(), reference.get()}) {
            if (recordFirst) win->cbt_computeClick();  // "结果" shown in place of "计算"
            if (startOnFirstPile) {                    // inputs already hold the first pile's texts
                ui(*win).cbe_dd->setEditText(ranges.d[0]);
                ui(*win).edt_frk->setText(ranges.frk[0]);
            }
            applySettings(*win, settings);
            win->cbt_YouHuaClick();
            writeRanges(*win, ranges);
        }
        ui(w()).cbt_YHcompute->click();
        const QList<QStringList> expected = literalBatch(*reference, ranges);
        QCOMPARE(listCells(ui(w()).Grid2_Youhuajieguo), expected);
        QCOMPARE(mainLayerState(w()), mainLayerState(*reference));
        QCOMPARE(optimisationLayerState(w()), optimisationLayerState(*reference));
    }

    void negativeRangeStopsBeforeComputing_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("d minimum") << 0 << 1 << "-1000"
                                   << "桩径不能为负值";
        QTest::newRow("d maximum") << 0 << 2 << "-1"
                                   << "桩径不能为负值";
        QTest::newRow("hr maximum in d") << 1 << 2 << "-3.0d"
                                         << "嵌岩深度不能为负值";
        QTest::newRow("frk minimum") << 2 << 1 << "-30"
                                     << "岩石单轴抗压强度不能为负值";
    }
    void negativeRangeStopsBeforeComputing() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        w().cbt_YouHuaClick();
        ui(w()).cbt_YHcompute->click();  // lists 27 piles
        ui(w()).cbt_YHsaixuan->click();  // and a filtered list
        const QStringList mainBefore = mainLayerState(w());
        const bool saveEnabled = ui(w()).cbt_YHsave->isEnabled();
        ui(w()).Grid1_Youhuaxuanxiang->item(row, column)->setText(text);  // enables "计算" again

        ui(w()).cbt_YHcompute->click();
        QCOMPARE(ui(w()).lb_YHxingxi->text(), message);
        QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kRed);
        QCOMPARE(ui(w()).Grid2_Youhuajieguo->model()->rowCount(), 0);
        QCOMPARE(ui(w()).Grid3_Youhuasaixuan->model()->rowCount(), 0);
        QVERIFY(!ui(w()).Grid2_Youhuajieguo->isHidden());
        QVERIFY(ui(w()).Grid3_Youhuasaixuan->isHidden());
        QVERIFY(ui(w()).cbt_YHcompute->isEnabled());
        QCOMPARE(ui(w()).cbt_YHsave->isEnabled(), saveEnabled);
        QCOMPARE(mainLayerState(w()), mainBefore);
    }

    void unreadableRangeCellIsReported_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("letters in the d step") << 0 << 3 << "abc"
                                               << "'abc' is not a valid floating point value.";
        QTest::newRow("empty frk maximum") << 2 << 2 << ""
                                           << "'' is not a valid floating point value.";
        QTest::newRow("depth step without d") << 1 << 3 << "500"
                                              << "'' is not a valid floating point value.";
        QTest::newRow("depth in mm, maximum with d") << 1 << 1 << "1000"
                                                     << "'3.0d' is not a valid floating point value.";
        QTest::newRow("huge exponent in the d maximum")
            << 0 << 2 << "1e9223372036854775807"
            << "'1e9223372036854775807' is not a valid floating point value.";
        QTest::newRow("pasted line break after the depth marker") << 1 << 2 << "3.0d\nX"
                                                                  << "'3.0d\nX' is not a valid floating point value.";
        // A pasted megabyte is quoted by its first 100 characters: the box stays small.
        QTest::newRow("megabyte of digits and a letter")
            << 2 << 3 << QString(1'000'000, '7') + "x"
            << "'" + QString(100, '7') + "…' is not a valid floating point value.";
    }
    void unreadableRangeCellIsReported() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, dialog);
        w().cbt_YouHuaClick();
        ui(w()).cbt_YHcompute->click();
        const QStringList mainBefore = mainLayerState(w());
        ui(w()).Grid1_Youhuaxuanxiang->item(row, column)->setText(text);
        ui(w()).cbt_YHcompute->click();
        QCOMPARE(fixture.takeDialog(), dialog);
        QCOMPARE(ui(w()).Grid2_Youhuajieguo->model()->rowCount(), 0);
        QCOMPARE(w().optimisationMode(), OptimisationMode::On);
        QCOMPARE(mainLayerState(w()), mainBefore);
        QVERIFY(ui(w()).cbt_YHcompute->isEnabled());
    }

    // A pile the checks reject ends the run there: the piles before it stay listed, the
    // main layer shows the rejected pile as the compute handler leaves it, and the
    // buttons, sort states and sort marks stay as they were before the run.
    void rejectedPileEndsTheRun_data() {
        QTest::addColumn<RangeTexts>("ranges");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("status");
        QTest::newRow("largest d deeper than its socket")
            << RangeTexts{{"1000", "2000", "500"}, {"1500", "1500", "0"}, {"30", "40", "10"}} << 4
            << "嵌岩深度小于1倍桩径";
        QTest::newRow("rock strength 0 at the first pile")
            << RangeTexts{{"1000", "1000", "0"}, {"1.0d", "1.0d", "0d"}, {"0", "20", "10"}} << 0
            << "岩石单轴抗压强度有错";
        QTest::newRow("depth multiple below one")
            << RangeTexts{{"1000", "1000", "0"}, {"0.5d", "1.5d", "0.5d"}, {"30", "30", "0"}} << 0
            << "嵌岩深度小于1倍桩径";
    }
    void rejectedPileEndsTheRun() {
        QFETCH(RangeTexts, ranges);
        QFETCH(int, rows);
        QFETCH(QString, status);
        auto reference = makeReference();
        for (MainWindow* win : {&w(), reference.get()}) {
            win->cbt_YouHuaClick();
            ui(*win).cbt_YHcompute->click();  // 27 piles, sorted by d: "计算" off, "筛选"/"存盘" on
            win->Grid2_YouhuajieguoHeaderClick(1);
            writeRanges(*win, ranges);  // "计算" on again
        }
        const QStringList layerBefore = optimisationLayerState(w());

        ui(w()).cbt_YHcompute->click();
        const QList<QStringList> expected = literalBatch(*reference, ranges);
        QCOMPARE(expected.size(), rows);
        QCOMPARE(listCells(ui(w()).Grid2_Youhuajieguo), expected);
        QCOMPARE(mainLayerState(w()), mainLayerState(*reference));
        QCOMPARE(ui(w()).lb_shuoming->text(), status);
        QCOMPARE(ui(w()).lb_YHxingxi->text(), QString("运行中止，主界面可查看中止位置、原因"));
        QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kRed);
        // Everything but the status line and the progress bar is as before the run.
        QStringList layerAfter = optimisationLayerState(w());
        QCOMPARE(layerAfter.mid(1, layerAfter.size() - 2), layerBefore.mid(1, layerBefore.size() - 2));
        QCOMPARE(w().dOrder(), pilecalc::SortOrder::Ascending);
        QCOMPARE(listHeaders(ui(w()).Grid2_Youhuajieguo)[1], QString(" d(mm)▲"));
    }

    // The count of combinations is a 64-bit product: 65536 × 65536 is refused, where a
    // 32-bit product would have wrapped to 0.
    void runAboveTheLimitIsRefused_data() {
        QTest::addColumn<RangeTexts>("ranges");
        QTest::addColumn<QString>("message");
        QTest::newRow("2^32 combinations")
            << RangeTexts{{"1000", "66535", "1"}, {"70000", "135535", "1"}, {"30", "30", "0"}}
            << "组合数 4294967296 超过上限 2000000，请加大步进值后重新计算";
        QTest::newRow("one above the limit")
            << RangeTexts{{"1000", "1000", "0"}, {"2000", "2000", "0"}, {"0", "2000000", "1"}}
            << "组合数 2000001 超过上限 2000000，请加大步进值后重新计算";
    }
    void runAboveTheLimitIsRefused() {
        QFETCH(RangeTexts, ranges);
        QFETCH(QString, message);
        w().cbt_YouHuaClick();
        const QStringList mainBefore = mainLayerState(w());
        writeRanges(w(), ranges);
        ui(w()).cbt_YHcompute->click();
        QCOMPARE(ui(w()).lb_YHxingxi->text(), message);
        QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kRed);
        QCOMPARE(ui(w()).Grid2_Youhuajieguo->model()->rowCount(), 0);
        QCOMPARE(mainLayerState(w()), mainBefore);  // nothing computed, the logo still shown
        QVERIFY(ui(w()).cbt_YHcompute->isEnabled());
        QVERIFY(!ui(w()).cbt_YHsave->isEnabled());
    }

    // A long run keeps the window alive: while it computes, "计算" reads "停止" and every
    // other control of the layer is disabled; Esc or "停止" ends it with the rows so far.
    void cancelledRunKeepsItsRows_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Esc") << 0;
        QTest::newRow("停止") << 1;
        QTest::newRow("window closed") << 2;
    }
    void cancelledRunKeepsItsRows() {
        QFETCH(int, how);
        w().show();
        w().cbt_YouHuaClick();
        // An earlier refusal leaves the line red; the progress of the next run is black.
        writeRanges(w(), {{"1000", "1000", "0"}, {"2000", "2000", "0"}, {"0", "2000000", "1"}});
        ui(w()).cbt_YHcompute->click();
        QCOMPARE(pilecalc::app::fontColour(ui(w()).lb_YHxingxi), pilecalc::app::kRed);
        // 1000 × 21 × 91 = 1,911,000 combinations: seconds of work.
        writeRanges(w(), {{"1000", "1999", "1"}, {"1.0d", "3.0d", "0.1d"}, {"10", "100", "1"}});
        QStringList seenWhileRunning;
        QTimer::singleShot(0, this, [&] {
            const QString progress = ui(w()).lb_YHxingxi->text();
            // Whole percent in black, with the progress bar shown inside the layer.
            seenWhileRunning << QString::number(QRegularExpression("^计算中 \\d{1,3} %$").match(progress).hasMatch());
            seenWhileRunning << QString::number(pilecalc::app::fontColour(ui(w()).lb_YHxingxi), 16);
            seenWhileRunning << QString::number(ui(w()).pb_YH_jingdu->isVisible() &&
                                                ui(w()).pb_YH_jingdu->parentWidget() == static_cast<QWidget*>(ui(w()).YouHuaFormLayer) &&
                                                w().rect().contains(QRect(ui(w()).pb_YH_jingdu->mapTo(&w(), QPoint()),
                                                                          ui(w()).pb_YH_jingdu->size())));
            seenWhileRunning << ui(w()).cbt_YHcompute->text() << QString::number(ui(w()).cbt_YHcompute->isEnabled());
            for (QWidget* c :
                 {static_cast<QWidget*>(ui(w()).Grid1_Youhuaxuanxiang),
                  static_cast<QWidget*>(ui(w()).Grid2_Youhuajieguo), static_cast<QWidget*>(ui(w()).cbt_zhangkai),
                  static_cast<QWidget*>(ui(w()).cbt_YHfanhui)}) {
                seenWhileRunning << QString::number(c->isEnabled());
            }
            if (how == 0) QTest::keyClick(&w(), Qt::Key_Escape);
            if (how == 1) ui(w()).cbt_YHcompute->click();
            if (how == 2) w().close();
        });
        ui(w()).cbt_YHcompute->click();
        QCOMPARE(seenWhileRunning, QStringList({"1", "ff000000", "1", "停止", "1", "0", "0", "0", "0"}));
        QVERIFY(ui(w()).pb_YH_jingdu->isHidden());  // back below the client area
        QCOMPARE(ui(w()).pb_YH_jingdu->parentWidget(), &w());
        QVERIFY(!ui(w()).lb_huzhu->isHidden());

        const QAbstractItemModel* list = ui(w()).Grid2_Youhuajieguo->model();
        const int count = list->rowCount();
        QVERIFY(count > 0);
        QVERIFY(count < 1911000);
        QStringList last;
        for (int c = 0; c < 17; ++c) last << list->index(count - 1, c).data().toString();
        QCOMPARE(ui(w()).lb_YHxingxi->text(), QString("计算已取消，已列出桩数：%1 根").arg(count));
        QCOMPARE(ui(w()).cbt_YHcompute->text(), QString("计算"));
        QVERIFY(ui(w()).cbt_YHcompute->isEnabled());  // the ranges were not all computed
        QVERIFY(ui(w()).cbt_YHsaixuan->isEnabled());
        QVERIFY(ui(w()).cbt_YHsave->isEnabled());
        QVERIFY(ui(w()).Grid1_Youhuaxuanxiang->isEnabled());
        QVERIFY(ui(w()).cbt_YHfanhui->isEnabled());
        QCOMPARE(last[0], QString("ZH-%1").arg(count, 7, 10, QChar('0')));
        // The main layer holds the last listed pile.
        QCOMPARE(ui(w()).cbe_dd->currentText(), last[1]);
        QCOMPARE(ui(w()).cbe_hr->currentText(), last[3]);
        QCOMPARE(ui(w()).edt_frk->text(), last[4]);
        QCOMPARE(ui(w()).edt_ra->text(), last[2]);
    }

    // With a comma as the decimal separator the batch computes, lists and filters.
    void commaLocaleRunsEndToEnd() {
        QLocale::setDefault(QLocale(QLocale::German));
        ui(w()).popbox_jingdu->setCurrentIndex(0);  // two decimals: the forces carry the separator
        w().cbt_YouHuaClick();
        writeRanges(w(), {{"1000", "2000", "500"}, {"1,0d", "3,0d", "1,0d"}, {"30,00", "50,00", "10,00"}});
        ui(w()).cbt_YHcompute->click();
        const QList<QStringList> rows = listCells(ui(w()).Grid2_Youhuajieguo);
        QCOMPARE(rows.size(), 27);
        QCOMPARE(ui(w()).lb_YHxingxi->text(), QString("计算完成，桩数：27 根"));
        QCOMPARE(rows[0][7], QString("1,00"));
        QVERIFY(rows[0][2].contains(','));
        QCOMPARE(ui(w()).edt_ra->text(), rows.last()[2]);
        // The listed first pile computes to the same figures on the main layer.
        w().Grid2_YouhuajieguoCellDblClick(0, 0);
        w().cbt_computeClick();
        QCOMPARE(ui(w()).edt_ra->text(), rows[0][2]);
        QCOMPARE(ui(w()).edt_Qrk->text(), rows[0][14]);

        w().cbt_YouHuaClick();
        writeFilterBounds(w(), rows[0][2], "0");
        ui(w()).cbt_YHsaixuan->click();
        QVERIFY(ui(w()).Grid3_Youhuasaixuan->model()->rowCount() > 0);
    }
};

static pilecalc::test::RegisterTest<OptimisationBatchTest> registerOptimisationBatch;
#include "OptimisationBatchTest.moc"
