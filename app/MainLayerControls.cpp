// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the controls of the main layer: the inputs, the outputs and the bottom strip.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ControlKit.h"
#include "app/FigureField.h"
#include "app/FontColour.h"
#include "app/LogoPicture.h"
#include "app/MainWindow.h"
#include "engine/NumberFormat.h"
#include "app/ScaledLayer.h"

using namespace pilecalc::app;

namespace {

QString mainText(const char16_t* text) { return QString::fromUtf16(text); }

// Narrows a large text by tightening its letter spacing, keeping its point size.
void condense(QWidget* control, int percent) {
    QFont f = control->font();
    f.setLetterSpacing(QFont::PercentageSpacing, percent);
    control->setFont(f);
}

// Read-only output field: large green figures, right-aligned.
QLineEdit* makeOutput(ScaledLayer* layer, QWidget* box, const char* name, int y) {
    QLineEdit* edit = makeEdit(layer, box, name, QRect(222, y, 90, 32), QString());
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFontSize(edit, 18);
    setFontColour(edit, kGreen);
    // "13744.47" at 18 pt must fit 90 units: the condensed face where the system has one.
    QFont figures = edit->font();
    figures.setStretch(QFont::Condensed);
    edit->setFont(figures);
    condense(edit, 92);
    edit->setTextMargins(0, 0, 0, 0);
    // A figure too wide for the field even so shrinks rather than losing its leading digits.
    keepFigureWhole(edit, layer, 18);
    return edit;
}

}  // namespace

void MainWindow::buildMainLayer() {
    ScaledLayer* L = MainFormLayer;

    lb_cxm = makeLabel(L, L, "lb_cxm", QRect(68, 24, 209, 33), mainText(u"嵌岩桩承载力计算"));
    setFontSize(lb_cxm, 24);
    setFontColour(lb_cxm, kBlueViolet);
    lb_cxm->setAlignment(Qt::AlignCenter);
    condense(lb_cxm, 82);  // eight ideographs at 24 pt in a 209-unit place
    cbt_CopyRight = makeButton(L, L, "cbt_CopyRight", QRect(296, 6, 21, 21), mainText(u"©"), mainText(u"版权信息"));
    setCornerRadius(L, cbt_CopyRight, 3);

    // ---- inputs ----
    gpb_srcs = makeGroupBox(L, L, "gpb_srcs", QRect(4, 72, 322, 220), mainText(u"输入参数"));
    QWidget* in = gpb_srcs;
    lb_dd = makeLabel(L, in, "lb_dd", QRect(8, 33, 212, 33), mainText(u"桩  身   直   径    d (mm)"));
    cbe_dd = makeComboEdit(L, in, "cbe_dd", QRect(222, 33, 90, 32),
                           {"1000", "1100", "1200", "1300", "1400", "1500", "1600", "1700", "1800", "1900", "2000"},
                           "1000");
    lb_hr = makeLabel(L, in, "lb_hr", QRect(8, 68, 212, 33), mainText(u"桩身嵌岩深度   hr (mm)"));
    cbe_hr = makeComboEdit(L, in, "cbe_hr", QRect(222, 68, 90, 32),
                           {"1.0d", "1.5d", "2.0d", "2.5d", "3.0d", "3.5d", "4.0d", "1000", "1500", "2000", "2500",
                            "3000"},
                           "1.0d");
    lb_frk = makeLabel(L, in, "lb_frk", QRect(8, 103, 212, 33), mainText(u"岩石抗压强度 frk (MPa)"));
    edt_frk = makeEdit(L, in, "edt_frk", QRect(222, 103, 90, 32), "25");
    edt_frk->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    ckb_zhongfenghua =
        makeCheckBox(L, in, "ckb_zhongfenghua", QRect(8, 138, 212, 32), mainText(u"嵌入中等风化岩石折减"), true);
    cbe_zhongfenghua =
        makeComboEdit(L, in, "cbe_zhongfenghua", QRect(222, 138, 90, 32), {"0.70", "0.75", "0.80"}, "0.70");
    lb_Gamacr = makeLabel(L, in, "lb_Gamacr", QRect(8, 173, 212, 33), mainText(u"嵌岩段抗力分项系数γcR"));
    cbe_Gamacr = makeComboEdit(L, in, "cbe_Gamacr", QRect(222, 173, 90, 32), {"1.70", "1.75", "1.80"}, "1.80");
    for (QWidget* input : {static_cast<QWidget*>(cbe_dd), static_cast<QWidget*>(cbe_hr),
                           static_cast<QWidget*>(edt_frk), static_cast<QWidget*>(cbe_zhongfenghua),
                           static_cast<QWidget*>(cbe_Gamacr)}) {
        setFontColour(input, kBlack);
    }

    // ---- outputs ----
    gpb_scjg = makeGroupBox(L, L, "gpb_scjg", QRect(4, 296, 322, 310), mainText(u"输出结果"));
    QWidget* out = gpb_scjg;
    cbt_JingDu = makeButton(L, out, "cbt_JingDu", QRect(284, 10, 21, 21), mainText(u"≈"), mainText(u"调整精度"));
    setCornerRadius(L, cbt_JingDu, 3);
    lb_kesais = makeLabel(L, out, "lb_kesais", QRect(8, 33, 212, 33), mainText(u"嵌岩段侧阻力计算系数 ζs"));
    edt_kesais = makeOutput(L, out, "edt_kesais", 31);
    lb_kesaip = makeLabel(L, out, "lb_kesaip", QRect(8, 68, 212, 33), mainText(u"嵌岩段端阻力计算系数 ζp"));
    edt_kesaip = makeOutput(L, out, "edt_kesaip", 66);
    lb_Qrs = makeLabel(L, out, "lb_Qrs", QRect(8, 103, 212, 33), mainText(pilecalc::kSideShareCaption));
    edt_Qrs = makeOutput(L, out, "edt_Qrs", 101);
    lb_Qrp = makeLabel(L, out, "lb_Qrp", QRect(8, 138, 212, 33), mainText(pilecalc::kEndShareCaption));
    edt_Qrp = makeOutput(L, out, "edt_Qrp", 136);
    lb_Qrk = makeLabel(L, out, "lb_Qrk", QRect(8, 173, 212, 33), mainText(u"极限承载力标准值Qck(kN)"));
    edt_Qrk = makeOutput(L, out, "edt_Qrk", 171);
    lb_ra = makeLabel(L, out, "lb_ra", QRect(8, 208, 212, 33), mainText(u"单桩承载力设计值Qcd(kN)"));
    edt_ra = makeOutput(L, out, "edt_ra", 206);
    lb_guifan = makeLabel(L, out, "lb_guifan", QRect(2, 250, 313, 25), mainText(u"《港口工程桩基规范》(JTS167-4-2012)"));
    lb_guifan->setAlignment(Qt::AlignCenter);
    lb_guifan2 = makeLabel(L, out, "lb_guifan2", QRect(0, 274, 313, 25),
                           mainText(u"单桩抗压承载力设计值计算依据：第4.2.4.4条"));
    lb_guifan2->setAlignment(Qt::AlignCenter);
    // Created last in the box so that the open list lies over the first output row.
    popbox_jingdu = new QComboBox(out);
    popbox_jingdu->setObjectName(QStringLiteral("popbox_jingdu"));
    popbox_jingdu->addItems({mainText(u"两位小数"), mainText(u"一位小数"), mainText(u"个位取整"),
                             mainText(u"十位取整"), mainText(u"百位取整")});
    popbox_jingdu->setCurrentIndex(static_cast<int>(pilecalc::kStartPrecision));
    L->place(popbox_jingdu, QRect(194, 0, 90, 32));
    popbox_jingdu->hide();

    // ---- buttons and bottom strip ----
    cbt_compute = makeButton(L, L, "cbt_compute", QRect(40, 617, 89, 33), mainText(u"计算"));
    cbt_View = makeButton(L, L, "cbt_View", QRect(40, 617, 89, 33), mainText(u"结果"));
    cbt_View->hide();
    cbt_YouHua = makeButton(L, L, "cbt_YouHua", QRect(150, 624, 20, 20), mainText(u"★"), mainText(u"筛选优化"));
    setFontSize(cbt_YouHua, 14);
    setFontColour(cbt_YouHua, kRed);
    cbt_tuichu = makeButton(L, L, "cbt_tuichu", QRect(192, 617, 89, 33), mainText(u"退出"));

    img_Logo = makeLabel(L, L, "img_Logo", QRect(0, 657, 329, 33), QString());
    img_Logo->setScaledContents(true);
    img_Logo->setPixmap(drawLogoStrip(QSize(329, 33)));
    lb_shuoming = makeLabel(L, L, "lb_shuoming", QRect(20, 657, 300, 25), QString());
    setFontColour(lb_shuoming, kRed);
    keepMessageWhole(lb_shuoming, L);
    lb_shuoming->hide();
}
