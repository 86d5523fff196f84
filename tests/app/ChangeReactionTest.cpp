// SPDX-License-Identifier: GPL-3.0-or-later
// Editing an input: what each reaction blanks, its check, and that writing the text a
// control already holds runs nothing.
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

namespace {

// Which outputs are still filled after a reaction, in the order ζs ζp Qcs Qcp Qck Qcd.
QString filled(MainWindow& w) {
    QString mask;
    for (QLineEdit* e :
         {ui(w).edt_kesais, ui(w).edt_kesaip, ui(w).edt_Qrs, ui(w).edt_Qrp, ui(w).edt_Qrk, ui(w).edt_ra}) {
        mask += e->text().isEmpty() ? u'-' : u'#';
    }
    return mask;
}

void edit(MainWindow& w, const QString& control, const QString& text) {
    if (control == "cbe_dd") ui(w).cbe_dd->setEditText(text);
    if (control == "cbe_hr") ui(w).cbe_hr->setEditText(text);
    if (control == "edt_frk") ui(w).edt_frk->setText(text);
    if (control == "cbe_zhongfenghua") ui(w).cbe_zhongfenghua->setEditText(text);
    if (control == "cbe_Gamacr") ui(w).cbe_Gamacr->setEditText(text);
    if (control == "ckb_zhongfenghua") ui(w).ckb_zhongfenghua->setChecked(text == "1");
}

}  // namespace

class ChangeReactionTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void reactionBlanksAndChecks_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stillFilled");
        QTest::addColumn<bool>("sharesKept");
        QTest::addColumn<QString>("status");
        QTest::addColumn<uint>("colour");  // of the edited control; 0: not checked
        auto row = [](const char* name, const char* control, const QString& text, const char* mask, bool shares,
                      const QString& status, QRgb colour) {
            QTest::newRow(name) << QString(control) << text << QString(mask) << shares << status << uint(colour);
        };
        row("d valid", "cbe_dd", "1200", "------", false, "", kBlack);
        row("d letters", "cbe_dd", "abc", "------", false, "桩身直径数据有错", kRed);
        row("d zero", "cbe_dd", "0", "------", false, "桩身直径数据有错", kRed);
        row("hr letters are not checked", "cbe_hr", "abc", "------", false, "较软岩", 0);
        row("frk keeps the coefficients", "edt_frk", "30", "##----", false, "", kBlack);
        row("frk zero passes here", "edt_frk", "0", "##----", false, "", kBlack);
        row("frk negative", "edt_frk", "-1", "##----", false, "岩石单轴抗压强度值有错", kRed);
        row("frk locale decimal with blanks", "edt_frk", " 2.5 ", "##----", false, "", kBlack);
        row("box cleared", "ckb_zhongfenghua", "0", "------", false, "较软岩", 0);
        row("reduction one", "cbe_zhongfenghua", "1.00", "------", false, "", kBlack);
        row("reduction two", "cbe_zhongfenghua", "2", "------", false, "中风化岩石折减系数有错", kRed);
        row("gamma blanks only Qcd", "cbe_Gamacr", "1.75", "#####-", true, "", kBlack);
        row("gamma 1.6 hint", "cbe_Gamacr", "1.6", "#####-", true, "提示：γcR规范值为1.7～1.8", kMagenta);
        row("gamma one fails", "cbe_Gamacr", "1", "#####-", true, "嵌岩段抗力分项系数有错", kRed);
    }
    void reactionBlanksAndChecks() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, stillFilled);
        QFETCH(bool, sharesKept);
        QFETCH(QString, status);
        QFETCH(uint, colour);
        ui(w()).cbt_compute->click();
        QVERIFY(ui(w()).cbt_compute->isHidden());
        const QString sideLabel = ui(w()).lb_Qrs->text();
        const QString endLabel = ui(w()).lb_Qrp->text();
        edit(w(), control, text);
        QCOMPARE(filled(w()), stillFilled);
        QCOMPARE(ui(w()).lb_Qrs->text(), sharesKept ? sideLabel : QString("侧阻力Qcs(kN)"));
        QCOMPARE(ui(w()).lb_Qrp->text(), sharesKept ? endLabel : QString("端阻力Qcp(kN)"));
        QVERIFY(!ui(w()).cbt_compute->isHidden());
        QVERIFY(ui(w()).cbt_compute->isEnabled());
        QVERIFY(ui(w()).cbt_View->isHidden());
        QCOMPARE(ui(w()).lb_shuoming->text(), status);
        if (colour != 0) QCOMPARE(fontColour(w().findChild<QWidget*>(control)), QRgb(colour));
        QCOMPARE(ui(w()).lb_YHxingxi->text(), QString());  // reactions never write the optimisation line
    }

    void sameTextRunsNoReaction_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("d") << "cbe_dd"
                           << "1000";
        QTest::newRow("hr") << "cbe_hr"
                            << "1.0d";
        QTest::newRow("frk") << "edt_frk"
                             << "25";
        QTest::newRow("reduction") << "cbe_zhongfenghua"
                                   << "0.70";
        QTest::newRow("gamma") << "cbe_Gamacr"
                               << "1.80";
        QTest::newRow("box") << "ckb_zhongfenghua"
                             << "1";
    }
    void sameTextRunsNoReaction() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        ui(w()).cbt_compute->click();
        edit(w(), control, text);
        QCOMPARE(filled(w()), QString("######"));
        QVERIFY(!ui(w()).cbt_View->isHidden());
    }

    void boxEnablesTheFactorWithoutCheckingIt() {
        ui(w()).cbe_zhongfenghua->setEditText("abc");
        QCOMPARE(fontColour(ui(w()).cbe_zhongfenghua), kRed);
        ui(w()).ckb_zhongfenghua->setChecked(false);
        QVERIFY(!ui(w()).cbe_zhongfenghua->isEnabled());
        QCOMPARE(fontColour(ui(w()).cbe_zhongfenghua), kRed);  // the box does not recheck the factor
        ui(w()).ckb_zhongfenghua->setChecked(true);
        QVERIFY(ui(w()).cbe_zhongfenghua->isEnabled());
    }

    void failureShowsTheStatusLineInPlaceOfTheLogo() {
        QVERIFY(!ui(w()).img_Logo->isHidden());
        ui(w()).cbe_dd->setEditText("1200");  // a pass empties the hidden line and keeps the logo
        QVERIFY(!ui(w()).img_Logo->isHidden());
        QVERIFY(ui(w()).lb_shuoming->isHidden());
        ui(w()).cbe_dd->setEditText("0");
        QVERIFY(ui(w()).img_Logo->isHidden());
        QVERIFY(!ui(w()).lb_shuoming->isHidden());
        ui(w()).cbe_dd->setEditText("1200");
        QCOMPARE(ui(w()).lb_shuoming->text(), QString());
        QVERIFY(!ui(w()).lb_shuoming->isHidden());  // the logo never comes back
        QVERIFY(ui(w()).img_Logo->isHidden());
    }

    void frkZeroPassesHereButFailsTheCompute() {
        ui(w()).edt_frk->setText("0");
        QCOMPARE(fontColour(ui(w()).edt_frk), kBlack);
        ui(w()).cbt_compute->click();
        QCOMPARE(ui(w()).lb_shuoming->text(), QString("岩石单轴抗压强度有错"));
    }

    void commaLocaleAcceptsBothSeparators() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ui(w()).cbe_Gamacr->setEditText("1,6");
        QCOMPARE(ui(w()).lb_shuoming->text(), QString("提示：γcR规范值为1.7～1.8"));
        ui(w()).cbe_Gamacr->setEditText("1.75");
        QCOMPARE(fontColour(ui(w()).cbe_Gamacr), kBlack);
        QCOMPARE(ui(w()).lb_shuoming->text(), QString());
    }
};

static pilecalc::test::RegisterTest<ChangeReactionTest> registerChangeReaction;
#include "ChangeReactionTest.moc"
