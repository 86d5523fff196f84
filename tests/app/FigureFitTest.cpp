// SPDX-License-Identifier: GPL-3.0-or-later
// Every figure whole: an output field that cannot show its text at the design font shrinks
// its font until the whole text shows, never below 6 pt, and its tooltip holds the value.
// What the field shows is read back from the field itself: the character under its left
// edge must be the first one, not the fourth of a text scrolled to its end.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/FigureField.h"
#include "app/ScaledLayer.h"

namespace {

// Characters that a line edit shows at its two inner edges.
struct Shown {
    int first;
    int last;
};
Shown shownRange(QLineEdit* edit) {
    edit->grab();  // a line edit settles its scrolling when it paints
    const int middle = edit->height() / 2;
    return {edit->cursorPositionAt(QPoint(1, middle)), edit->cursorPositionAt(QPoint(edit->width() - 2, middle))};
}

}  // namespace

class FigureFitTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    QList<QLineEdit*> outputs() {
        return {ui(w()).edt_kesais, ui(w()).edt_kesaip, ui(w()).edt_Qrs, ui(w()).edt_Qrp, ui(w()).edt_Qrk, ui(w()).edt_ra};
    }
    double layerScale() { return ui(w()).MainFormLayer->scale(); }

private slots:
    void init() {
        fixture.start();
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void bigPileShowsEveryDigit_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("Qcs");
        QTest::addColumn<QString>("Qck");
        QTest::newRow("two decimals") << 0 << "1385442.00" << "1504195.00";
        QTest::newRow("one decimal") << 1 << "1385442.0" << "1504195.0";
        QTest::newRow("units") << 2 << "1385442" << "1504195";
        QTest::newRow("tens") << 3 << "1385440" << "1504190";
        QTest::newRow("hundreds") << 4 << "1385400" << "1504100";
    }
    void bigPileShowsEveryDigit() {
        QFETCH(int, mode);
        QFETCH(QString, Qcs);
        QFETCH(QString, Qck);
        fixture.enterInputs("3000", "5.0d", "200", true, "0.70", "1.80");
        ui(w()).popbox_jingdu->setCurrentIndex(mode);  // hidden: selects the mode for the run
        QVERIFY(w().runCompute());
        QCOMPARE(ui(w()).edt_Qrs->text(), Qcs);
        QCOMPARE(ui(w()).edt_Qrk->text(), Qck);
        for (QLineEdit* edit : outputs()) {
            const QString text = edit->text();
            QVERIFY2(!text.isEmpty(), qPrintable(edit->objectName()));
            const Shown shown = shownRange(edit);
            QVERIFY2(shown.first == 0 && shown.last == text.size(),
                     qPrintable(QString("%1 shows characters %2..%3 of \"%4\"")
                                    .arg(edit->objectName())
                                    .arg(shown.first)
                                    .arg(shown.last)
                                    .arg(text)));
            QVERIFY(edit->font().pointSizeF() >= pilecalc::app::kSmallestFigurePoints * layerScale() - 1e-9);
            QVERIFY(edit->font().pointSizeF() <= 18 * layerScale() + 1e-9);
        }
        for (QLineEdit* edit : outputs()) QCOMPARE(edit->toolTip(), edit->text());
    }

    // Figures that fit keep the design font; a shrunk field grows back when its figure
    // is blanked or becomes short again.
    void shortFiguresKeepTheDesignFont() {
        QVERIFY(w().runCompute());  // the start pile: 3848, 9896, 13744, 7636
        for (QLineEdit* edit : outputs()) {
            QCOMPARE(edit->font().pointSizeF(), 18 * layerScale());
            QCOMPARE(shownRange(edit).first, 0);
            QCOMPARE(shownRange(edit).last, edit->text().size());
        }
        fixture.enterInputs("3000", "5.0d", "200", true, "0.70", "1.80");
        ui(w()).popbox_jingdu->setCurrentIndex(0);
        QVERIFY(w().runCompute());
        QVERIFY(ui(w()).edt_Qrk->font().pointSizeF() < 18 * layerScale());
        fixture.enterInputs("1000", "1.0d", "25", true, "0.70", "1.80");  // blanks the outputs
        QCOMPARE(ui(w()).edt_Qrk->text(), QString());
        QCOMPARE(ui(w()).edt_Qrk->toolTip(), QString());
        QCOMPARE(ui(w()).edt_Qrk->font().pointSizeF(), 18 * layerScale());
        QVERIFY(w().runCompute());
        QCOMPARE(ui(w()).edt_Qrk->text(), QString("13744.47"));
        QCOMPARE(shownRange(ui(w()).edt_Qrk).first, 0);
        QCOMPARE(shownRange(ui(w()).edt_Qrk).last, 8);
    }

    // Message lines: a text wider than its label wraps, and shrinks when the lines would
    // not fit its height; the label's own layout is the judge of what fits.
    void messagesFitTheirLabel_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("refusal of a long run") << "lb_YHxingxi" << "组合数 4294967296 超过上限 2000000，请加大步进值后重新计算";
        QTest::newRow("saturated refusal")
            << "lb_YHxingxi" << "组合数 超过 18446744073709551615，上限 2000000，请加大步进值后重新计算";
        QTest::newRow("stop message") << "lb_YHxingxi" << "运行中止，主界面可查看中止位置、原因";
        QTest::newRow("short status") << "lb_shuoming" << "较软岩";
        QTest::newRow("long status") << "lb_shuoming" << "提示：岩石单轴抗压强度标准值偏低，请确认输入的数值是否正确，必要时按土层计算";
    }
    void messagesFitTheirLabel() {
        QFETCH(QString, label);
        QFETCH(QString, text);
        auto* shown = w().findChild<QLabel*>(label);
        QVERIFY(shown);
        if (label == "lb_YHxingxi") ui(w()).cbt_YouHua->click();
        shown->show();
        shown->setText(text);
        shown->grab();
        QCOMPARE(shown->text(), text);
        QCOMPARE(shown->toolTip(), QString());  // a status line has no hint of its own
        QVERIFY(shown->font().pointSizeF() >= pilecalc::app::kSmallestFigurePoints * layerScale() - 1e-9);
        if (shown->wordWrap()) {
            QVERIFY2(shown->heightForWidth(shown->width()) <= shown->height(),
                     qPrintable(QString("needs %1 of %2").arg(shown->heightForWidth(shown->width())).arg(shown->height())));
        } else {
            QVERIFY(shown->sizeHint().width() <= shown->width());
        }
    }

    // A text no font down to the floor can fit keeps the floor and scrolls as before.
    void neverBelowTheFloor() {
        ui(w()).edt_ra->setText(QString(40, u'8'));
        QCOMPARE(ui(w()).edt_ra->font().pointSizeF(), pilecalc::app::kSmallestFigurePoints * layerScale());
        QCOMPARE(ui(w()).edt_ra->toolTip(), QString(40, u'8'));
    }
};

static pilecalc::test::RegisterTest<FigureFitTest> registerFigureFit;
#include "FigureFitTest.moc"
