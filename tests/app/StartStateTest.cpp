// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens: every control found by its name, with its kind, text,
// visibility, enabled state, hint and font.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/FontColour.h"
#include "app/ScaledLayer.h"

namespace {

QString textOf(QWidget* control) {
    if (auto* l = qobject_cast<QLabel*>(control)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(control)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(control)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(control)) return c->currentText();
    if (auto* g = qobject_cast<QGroupBox*>(control)) return g->title();
    return {};
}

}  // namespace

class StartStateTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void controlStartsAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("hint");
        auto row = [](const char* name, const char* kind, const QString& text, bool hidden = false, bool enabled = true,
                      const QString& hint = {}) {
            QTest::newRow(name) << QString(name) << QString(kind) << text << hidden << enabled << hint;
        };
        row("lb_cxm", "QLabel", "嵌岩桩承载力计算");
        row("cbt_CopyRight", "QPushButton", "©", false, true, "版权信息");
        row("gpb_srcs", "QGroupBox", "输入参数");
        row("lb_dd", "QLabel", "桩  身   直   径    d (mm)");
        row("cbe_dd", "QComboBox", "1000");
        row("lb_hr", "QLabel", "桩身嵌岩深度   hr (mm)");
        row("cbe_hr", "QComboBox", "1.0d");
        row("lb_frk", "QLabel", "岩石抗压强度 frk (MPa)");
        row("edt_frk", "QLineEdit", "25");
        row("ckb_zhongfenghua", "QCheckBox", "嵌入中等风化岩石折减");
        row("cbe_zhongfenghua", "QComboBox", "0.70");
        row("lb_Gamacr", "QLabel", "嵌岩段抗力分项系数γcR");
        row("cbe_Gamacr", "QComboBox", "1.80");
        row("gpb_scjg", "QGroupBox", "输出结果");
        row("cbt_JingDu", "QPushButton", "≈", false, true, "调整精度");
        row("popbox_jingdu", "QComboBox", "个位取整", true);
        row("lb_guifan", "QLabel", "《港口工程桩基规范》(JTS167-4-2012)");
        row("lb_guifan2", "QLabel", "单桩抗压承载力设计值计算依据：第4.2.4.4条");
        row("lb_kesais", "QLabel", "嵌岩段侧阻力计算系数 ζs");
        row("lb_kesaip", "QLabel", "嵌岩段端阻力计算系数 ζp");
        row("lb_Qrs", "QLabel", "侧阻力Qcs(kN)");
        row("lb_Qrp", "QLabel", "端阻力Qcp(kN)");
        row("lb_Qrk", "QLabel", "极限承载力标准值Qck(kN)");
        row("lb_ra", "QLabel", "单桩承载力设计值Qcd(kN)");
        for (const char* edit : {"edt_kesais", "edt_kesaip", "edt_Qrs", "edt_Qrp", "edt_Qrk", "edt_ra"}) {
            row(edit, "QLineEdit", "");
        }
        row("cbt_compute", "QPushButton", "计算");
        row("cbt_View", "QPushButton", "结果", true);
        row("cbt_YouHua", "QPushButton", "★", false, true, "筛选优化");
        row("cbt_tuichu", "QPushButton", "退出");
        row("img_Logo", "QLabel", "");
        row("lb_shuoming", "QLabel", "", true);
        row("lb_youhuabiaoti", "QLabel", "嵌岩桩优化设计");
        row("lb_huzhu", "QLabel", "1、点击表头排序   2、双击获取数据");
        row("cbt_zhangkai", "QPushButton", "展开");
        row("cbt_YHcompute", "QPushButton", "计算");
        row("cbt_YHsaixuan", "QPushButton", "筛选", false, false);
        row("cbt_YHsave", "QPushButton", "存盘", false, false);
        row("cbt_YHfanhui", "QPushButton", "返回");
        row("lb_YHxingxi", "QLabel", "");
        row("lb_jisuanjieguo", "QLabel", "计算结果");
        row("cbt_PageBook", "QPushButton", "1", false, true, "切换计算书");
        row("cbt_sanchu", "QPushButton", "x", false, false, "删除最末数据");
        row("cbt_Exit", "QPushButton", "返回");
        row("cbt_Save", "QPushButton", "保存");
        row("pb_YH_jingdu", "QProgressBar", "", true);
    }
    void controlStartsAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(bool, hidden);
        QFETCH(bool, enabled);
        QFETCH(QString, hint);
        auto* control = w().findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(QString(control->metaObject()->className()), kind);
        QCOMPARE(textOf(control), text);
        QCOMPARE(control->isHidden(), hidden);
        QCOMPARE(control->isEnabled(), enabled);
        QCOMPARE(control->toolTip(), hint);
    }

    void layersShowOnlyTheMainOne() {
        QVERIFY(!w().findChild<QWidget*>("MainFormLayer")->isHidden());
        for (const char* layer : {"YouHuaFormLayer", "JieGuo_DocLayer", "ComFormLayer"}) {
            QVERIFY2(w().findChild<QWidget*>(layer)->isHidden(), layer);
        }
        QCOMPARE(w().windowTitle(), QString("嵌岩桩承载力计算 (JTS167-4-2012)"));
        QCOMPARE(w().size(), QSize(330, 692));
        QVERIFY(!(w().windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    }

    void runStateStartsAtZero() {
        QCOMPARE(w().pileCount(), 0);
        QCOMPARE(w().unsavedTexts(), 0);
        QCOMPARE(w().optimisationMode(), OptimisationMode::Off);
        QCOMPARE(w().dOrder(), pilecalc::SortOrder::None);
        QCOMPARE(w().QcdOrder(), pilecalc::SortOrder::None);
        QVERIFY(w().bookLines().empty());
        QVERIFY(w().tableLines().empty());
    }

    void listsHoldTheirSuggestions() {
        auto items = [](QComboBox* c) {
            QStringList out;
            for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
            return out;
        };
        QCOMPARE(items(ui(w()).cbe_dd),
                 QStringList({"1000", "1100", "1200", "1300", "1400", "1500", "1600", "1700", "1800", "1900", "2000"}));
        QCOMPARE(items(ui(w()).cbe_hr), QStringList({"1.0d", "1.5d", "2.0d", "2.5d", "3.0d", "3.5d", "4.0d", "1000",
                                                     "1500", "2000", "2500", "3000"}));
        QCOMPARE(items(ui(w()).cbe_zhongfenghua), QStringList({"0.70", "0.75", "0.80"}));
        QCOMPARE(items(ui(w()).cbe_Gamacr), QStringList({"1.70", "1.75", "1.80"}));
        QCOMPARE(items(ui(w()).popbox_jingdu),
                 QStringList({"两位小数", "一位小数", "个位取整", "十位取整", "百位取整"}));
        QCOMPARE(ui(w()).popbox_jingdu->currentIndex(), 2);
        QVERIFY(!ui(w()).popbox_jingdu->isEditable());
        for (QComboBox* edit : {ui(w()).cbe_dd, ui(w()).cbe_hr, ui(w()).cbe_zhongfenghua, ui(w()).cbe_Gamacr}) {
            QVERIFY(edit->isEditable());
        }
        QVERIFY(ui(w()).ckb_zhongfenghua->isChecked());
    }

    void fontsAndColoursAsDesigned() {
        using namespace pilecalc::app;
        QCOMPARE(ui(w()).lb_cxm->font().pointSize(), 24);
        QCOMPARE(fontColour(ui(w()).lb_cxm), kBlueViolet);
        QCOMPARE(ui(w()).cbt_YouHua->font().pointSize(), 14);
        QCOMPARE(fontColour(ui(w()).cbt_YouHua), kRed);
        for (QLineEdit* out : {ui(w()).edt_kesais, ui(w()).edt_kesaip, ui(w()).edt_Qrs, ui(w()).edt_Qrp,
                               ui(w()).edt_Qrk, ui(w()).edt_ra}) {
            QCOMPARE(out->font().pointSize(), 18);
            QCOMPARE(fontColour(out), kGreen);
            QVERIFY(out->isReadOnly());
            QVERIFY(out->alignment() & Qt::AlignRight);
        }
        QCOMPARE(fontColour(ui(w()).lb_shuoming), kRed);
        QCOMPARE(ui(w()).lb_jisuanjieguo->font().pointSize(), 24);
        QCOMPARE(fontColour(ui(w()).lb_jisuanjieguo), kBlue);
        QCOMPARE(ui(w()).tcb_meoFontSize->minimum(), 4);
        QCOMPARE(ui(w()).tcb_meoFontSize->maximum(), 24);
        QCOMPARE(ui(w()).tcb_meoFontSize->value(), 12);
        QVERIFY(ui(w()).meo_jisuanjieguo_Doc->isReadOnly());
        QVERIFY(ui(w()).meo_jisuanjieguo_Xls->isHidden());
    }

    void rangesGridHoldsItsDefaults() {
        QTableWidget* grid = ui(w()).Grid1_Youhuaxuanxiang;
        QCOMPARE(grid->rowCount(), 5);
        QCOMPARE(grid->columnCount(), 5);
        const QStringList row1 = {"嵌岩深度 hr(mm)", "1.0d", "3.0d", "1.0d", "也可直接输入数值(不可混用)"};
        for (int c = 0; c < 5; ++c) QCOMPARE(grid->item(1, c)->text(), row1[c]);
        QCOMPARE(grid->item(4, 1)->text(), QString("10000"));
        QCOMPARE(grid->horizontalHeaderItem(4)->text(), QString("说  明"));
        // Exactly the min/max/step cells of rows 0 to 2 and the filter bounds can be edited.
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 5; ++c) {
                const bool editable = (r <= 2 && c >= 1 && c <= 3) || (r == 4 && (c == 1 || c == 2));
                QCOMPARE(bool(grid->item(r, c)->flags() & Qt::ItemIsEditable), editable);
            }
        }
        QVERIFY(ui(w()).Grid3_Youhuasaixuan->isHidden());
        QVERIFY(!ui(w()).Grid2_Youhuajieguo->isHidden());
    }

    void layerButtonsMoveBetweenLayers() {
        ui(w()).cbt_YouHua->click();
        QVERIFY(ui(w()).MainFormLayer->isHidden());
        QVERIFY(!ui(w()).YouHuaFormLayer->isHidden());
        QCOMPARE(w().optimisationMode(), OptimisationMode::On);
        ui(w()).cbt_YHfanhui->click();
        QVERIFY(!ui(w()).MainFormLayer->isHidden());
        QVERIFY(ui(w()).YouHuaFormLayer->isHidden());
        QCOMPARE(w().optimisationMode(), OptimisationMode::Off);
        QVERIFY(ui(w()).ComFormLayer->isHidden());
        QVERIFY(ui(w()).pb_YH_jingdu->isHidden());
    }

    void exitClosesTheWindow() {
        w().show();
        QVERIFY(w().isVisible());
        ui(w()).cbt_tuichu->click();
        QVERIFY(!w().isVisible());
    }
};

static pilecalc::test::RegisterTest<StartStateTest> registerStartState;
#include "StartStateTest.moc"
