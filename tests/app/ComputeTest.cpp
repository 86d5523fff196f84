// SPDX-License-Identifier: GPL-3.0-or-later
// The compute button: results in the five precision modes, the status line, and every
// failing check with its message, its colours and its silence.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/FontColour.h"

using pilecalc::app::fontColour;
using pilecalc::app::kBlack;
using pilecalc::app::kMagenta;
using pilecalc::app::kRed;

class ComputeTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    QStringList outputs() {
        return {ui(w()).edt_kesais->text(), ui(w()).edt_kesaip->text(), ui(w()).edt_Qrs->text(),
                ui(w()).edt_Qrp->text(),    ui(w()).edt_Qrk->text(),    ui(w()).edt_ra->text()};
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void defaultPileInEveryMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("forces");
        QTest::addColumn<QString>("sideLabel");
        QTest::addColumn<QString>("endLabel");
        QTest::newRow("two decimals") << 0 << QStringList{"3848.45", "9896.02", "13744.47", "7635.82"}
                                      << "侧阻力Qcs(kN) [ 28.00% ]"
                                      << "端阻力Qcp(kN) [ 72.00% ]";
        QTest::newRow("one decimal") << 1 << QStringList{"3848.5", "9896.0", "13744.5", "7635.8"}
                                     << "侧阻力Qcs(kN) [ 28.0% ]"
                                     << "端阻力Qcp(kN) [ 72.0% ]";
        QTest::newRow("whole units round")
            << 2 << QStringList{"3848", "9896", "13744", "7636"} << "侧阻力Qcs(kN) [ 28% ]"
            << "端阻力Qcp(kN) [ 72% ]";
        QTest::newRow("tens truncate") << 3 << QStringList{"3840", "9890", "13740", "7630"} << "侧阻力Qcs(kN) [ 28% ]"
                                       << "端阻力Qcp(kN) [ 72% ]";
        QTest::newRow("hundreds truncate")
            << 4 << QStringList{"3800", "9800", "13700", "7600"} << "侧阻力Qcs(kN) [ 28% ]"
            << "端阻力Qcp(kN) [ 72% ]";
    }
    void defaultPileInEveryMode() {
        QFETCH(int, mode);
        QFETCH(QStringList, forces);
        QFETCH(QString, sideLabel);
        QFETCH(QString, endLabel);
        ui(w()).popbox_jingdu->setCurrentIndex(mode);  // hidden: selects the mode, computes nothing
        QCOMPARE(w().pileCount(), 0);
        ui(w()).cbt_compute->click();
        QCOMPARE(outputs(), QStringList({"0.0490", "0.5040"}) + forces);
        QCOMPARE(ui(w()).lb_Qrs->text(), sideLabel);
        QCOMPARE(ui(w()).lb_Qrp->text(), endLabel);
        QCOMPARE(ui(w()).lb_shuoming->text(), QString("较软岩"));
        QCOMPARE(fontColour(ui(w()).lb_shuoming), kBlack);
        QVERIFY(!ui(w()).lb_shuoming->isHidden());
        QVERIFY(ui(w()).img_Logo->isHidden());
        QCOMPARE(w().pileCount(), 1);
        QCOMPARE(w().unsavedTexts(), 3);
        QVERIFY(ui(w()).cbt_compute->isHidden());
        QVERIFY(!ui(w()).cbt_View->isHidden());
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        QVERIFY(ui(w()).cbt_sanchu->isEnabled());
    }

    void otherPiles_data() {
        QTest::addColumn<QStringList>("inputs");  // d, hr, frk, weathered(0/1), reduction, gammaCR
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("status");
        QTest::newRow("hard rock, socket 2.5 d, box cleared")
            << QStringList{"1200", "3000", "40", "0", "0.70", "1.75"}
            << QStringList{"0.0945", "0.4500", "42751", "20358", "63108", "36062"} << "较硬岩";
        QTest::newRow("socket beyond 5 d is capped")
            << QStringList{"1000", "6000", "80", "1", "0.75", "1.70"}
            << QStringList{"0.0525", "0.0900", "65973", "5655", "71628", "42134"} << "坚硬岩";
        QTest::newRow("socket 1.5 d, box cleared, reduction text not read")
            << QStringList{"1000", "1.5d", "25", "0", "abc", "1.80"}
            << QStringList{"0.0830", "0.6300", "9778", "12370", "22148", "12305"} << "较软岩";
    }
    void otherPiles() {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, shown);
        QFETCH(QString, status);
        fixture.enterInputs(inputs[0], inputs[1], inputs[2], inputs[3] == "1", inputs[4], inputs[5]);
        QVERIFY(w().runCompute());
        QCOMPARE(outputs(), shown);
        QCOMPARE(ui(w()).lb_shuoming->text(), status);
    }

    void commaLocaleWritesCommas() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ui(w()).popbox_jingdu->setCurrentIndex(0);
        ui(w()).cbt_compute->click();
        QCOMPARE(outputs(), QStringList({"0,0490", "0,5040", "3848,45", "9896,02", "13744,47", "7635,82"}));
        QCOMPARE(ui(w()).lb_Qrs->text(), QString("侧阻力Qcs(kN) [ 28,00% ]"));
    }

    void zeroReductionLeavesSharesBlank() {
        fixture.enterInputs("1000", "1.0d", "25", true, "0", "1.80");
        QVERIFY(w().runCompute());
        QCOMPARE(outputs(), QStringList({"0.0000", "0.0000", "0", "0", "0", "0"}));
        QCOMPARE(ui(w()).lb_Qrs->text(), QString("侧阻力Qcs(kN)"));
        QCOMPARE(ui(w()).lb_Qrp->text(), QString("端阻力Qcp(kN)"));
        QCOMPARE(w().pileCount(), 1);
    }

    void failingCheckIsShownAndSilent_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("redControl");  // empty: no control coloured
        QTest::newRow("d zero") << QStringList{"0", "1.0d", "25", "1", "0.70", "1.80"} << "桩身直径数据有错"
                                << "cbe_dd";
        QTest::newRow("d with comma") << QStringList{"1,000", "1.0d", "25", "1", "0.70", "1.80"} << "桩身直径数据有错"
                                      << "cbe_dd";
        QTest::newRow("d with trailing blank")
            << QStringList{"1000 ", "1.0d", "25", "1", "0.70", "1.80"} << "桩身直径数据有错"
            << "cbe_dd";
        QTest::newRow("d and frk both zero: first only")
            << QStringList{"0", "1.0d", "0", "1", "0.70", "1.80"} << "桩身直径数据有错"
            << "cbe_dd";
        QTest::newRow("upper-case D") << QStringList{"1000", "1.5D", "25", "1", "0.70", "1.80"} << "嵌岩深度数据有错"
                                      << "cbe_hr";
        QTest::newRow("negative depth") << QStringList{"1000", "-500", "25", "1", "0.70", "1.80"} << "嵌岩深度数据有错"
                                        << "cbe_hr";
        QTest::newRow("frk zero") << QStringList{"1000", "1.0d", "0", "1", "0.70", "1.80"} << "岩石单轴抗压强度有错"
                                  << "edt_frk";
        QTest::newRow("depth below one diameter")
            << QStringList{"1000", "0.99d", "25", "1", "0.70", "1.80"} << "嵌岩深度小于1倍桩径"
            << "";
        QTest::newRow("reduction above one")
            << QStringList{"1000", "1.0d", "25", "1", "1.01", "1.80"} << "中风化岩石折减系数有错"
            << "cbe_zhongfenghua";
        QTest::newRow("gamma exactly one")
            << QStringList{"1000", "1.0d", "25", "1", "0.70", "1"} << "嵌岩段抗力分项系数有错"
            << "cbe_Gamacr";
        QTest::newRow("pasted line break after the depth marker")
            << QStringList{"1000", "1.5d\nX", "25", "1", "0.70", "1.80"} << "嵌岩深度数据有错"
            << "cbe_hr";
        QTest::newRow("tab after the depth marker")
            << QStringList{"1000", "1.5d\t", "25", "1", "0.70", "1.80"} << "嵌岩深度数据有错"
            << "cbe_hr";
        QTest::newRow("huge exponent as depth in mm")
            << QStringList{"1000", "1e9223372036854775807", "25", "1", "0.70", "1.80"} << "嵌岩深度数据有错"
            << "cbe_hr";
        QTest::newRow("huge exponent as reduction")
            << QStringList{"1000", "1.0d", "25", "1", "1e9223372036854775807", "1.80"} << "中风化岩石折减系数有错"
            << "cbe_zhongfenghua";
        QTest::newRow("result out of number range")
            << QStringList{"1e200", "1.0d", "25", "1", "0.70", "1.80"} << "计算结果超出数值范围，请检查输入数据"
            << "";
    }
    void failingCheckIsShownAndSilent() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(QString, redControl);
        ui(w()).cbt_compute->click();  // a first pile, whose outputs the failure must leave alone
        fixture.enterInputs(inputs[0], inputs[1], inputs[2], inputs[3] == "1", inputs[4], inputs[5]);
        ui(w()).edt_Qrs->setText("kept");
        const QStringList before = outputs();
        QVERIFY(!w().runCompute());
        QCOMPARE(outputs(), before);
        QCOMPARE(ui(w()).lb_shuoming->text(), message);
        QCOMPARE(fontColour(ui(w()).lb_shuoming), kRed);
        QVERIFY(!ui(w()).lb_shuoming->isHidden());
        QCOMPARE(ui(w()).lb_YHxingxi->text(), QString("运行中止，主界面可查看中止位置、原因"));
        QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kRed);
        for (const char* name : {"cbe_dd", "cbe_hr", "edt_frk", "cbe_zhongfenghua", "cbe_Gamacr"}) {
            if (QString(name) == redControl) QCOMPARE(fontColour(w().findChild<QWidget*>(name)), kRed);
        }
        if (redControl.isEmpty()) QCOMPARE(fontColour(ui(w()).cbe_hr), kBlack);
        QCOMPARE(w().pileCount(), 1);  // nothing recorded
        QVERIFY(pilecalc::test::WindowFixture::openDialogs().isEmpty());
    }

    void hintsAndTheirOrder_data() {
        QTest::addColumn<QString>("frk");
        QTest::addColumn<QString>("gamma");
        QTest::addColumn<QString>("status");
        QTest::addColumn<uint>("statusColour");
        QTest::addColumn<uint>("frkColour");
        QTest::addColumn<uint>("gammaColour");
        QTest::newRow("frk 10 gives no hint") << "10"
                                              << "1.80"
                                              << "软岩" << uint(kBlack) << uint(kBlack) << uint(kBlack);
        QTest::newRow("frk 9.9 low strength")
            << "9.9"
            << "1.80"
            << "提示：frk<10MPa,宜按灌注桩计算" << uint(kMagenta) << uint(kMagenta) << uint(kBlack);
        QTest::newRow("gamma 1.69 hint") << "25"
                                         << "1.69"
                                         << "提示：γcR规范值为1.7～1.8" << uint(kMagenta) << uint(kBlack)
                                         << uint(kMagenta);
        QTest::newRow("gamma 1.699 no hint") << "25"
                                             << "1.699"
                                             << "较软岩" << uint(kBlack) << uint(kBlack) << uint(kBlack);
        QTest::newRow("both hints: gamma wins")
            << "5"
            << "1.5"
            << "提示：γcR规范值为1.7～1.8" << uint(kMagenta) << uint(kMagenta) << uint(kMagenta);
        QTest::newRow("low strength survives a gamma failure")
            << "5"
            << "1"
            << "嵌岩段抗力分项系数有错" << uint(kRed) << uint(kMagenta) << uint(kRed);
    }
    void hintsAndTheirOrder() {
        QFETCH(QString, frk);
        QFETCH(QString, gamma);
        QFETCH(QString, status);
        QFETCH(uint, statusColour);
        QFETCH(uint, frkColour);
        QFETCH(uint, gammaColour);
        ui(w()).edt_frk->setText(frk);
        ui(w()).cbe_Gamacr->setEditText(gamma);
        ui(w()).cbt_compute->click();
        QCOMPARE(ui(w()).lb_shuoming->text(), status);
        QCOMPARE(fontColour(ui(w()).lb_shuoming), QRgb(statusColour));
        QCOMPARE(fontColour(ui(w()).edt_frk), QRgb(frkColour));
        QCOMPARE(fontColour(ui(w()).cbe_Gamacr), QRgb(gammaColour));
    }

    void correctedInputTurnsBlackAtNextCompute() {
        ui(w()).cbe_dd->setEditText("abc");
        ui(w()).cbt_compute->click();
        QCOMPARE(fontColour(ui(w()).cbe_dd), kRed);
        ui(w()).cbe_dd->setEditText("1000");
        ui(w()).cbe_hr->setEditText("x");
        ui(w()).cbt_compute->click();
        QCOMPARE(fontColour(ui(w()).cbe_dd), kBlack);
        QCOMPARE(fontColour(ui(w()).cbe_hr), kRed);
        QCOMPARE(ui(w()).lb_shuoming->text(), QString("嵌岩深度数据有错"));
    }
};

static pilecalc::test::RegisterTest<ComputeTest> registerCompute;
#include "ComputeTest.moc"
