// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the controls of the optimisation layer and of the results viewer.
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTableWidget>

#include "app/ControlKit.h"
#include "app/FigureField.h"
#include "app/FontTrackBar.h"
#include "app/FontColour.h"
#include "app/MainWindow.h"
#include "app/MemoFont.h"
#include "app/ScaledLayer.h"

using namespace pilecalc::app;

namespace {

QString text(const char16_t* t) { return QString::fromUtf16(t); }

// A result list of the optimisation layer: whole rows selected, clickable and movable
// headers, alternating rows, no editing. Its model comes with the optimisation layer.
QTableView* makeResultList(ScaledLayer* layer, const char* name) {
    auto* view = new QTableView(layer);
    view->setObjectName(QString::fromLatin1(name));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setSectionsMovable(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    layer->place(view, QRect(4, 244, 322, 330));
    return view;
}

QPlainTextEdit* makeMemo(ScaledLayer* layer, const char* name) {
    auto* memo = new QPlainTextEdit(layer);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);  // the report columns must stay in line
    memo->setFont(memoFont(12));
    layer->place(memo, QRect(4, 72, 322, 534));
    return memo;
}

}  // namespace

void MainWindow::buildOptimisationLayer() {
    ScaledLayer* L = YouHuaFormLayer;
    lb_youhuabiaoti = makeLabel(L, L, "lb_youhuabiaoti", QRect(24, 24, 280, 33), text(u"嵌岩桩优化设计"));
    lb_youhuabiaoti->setAlignment(Qt::AlignCenter);
    setFontSize(lb_youhuabiaoti, 24);
    setFontColour(lb_youhuabiaoti, kBlueViolet);

    Grid1_Youhuaxuanxiang = new QTableWidget(5, 5, L);
    Grid1_Youhuaxuanxiang->setObjectName(QStringLiteral("Grid1_Youhuaxuanxiang"));
    Grid1_Youhuaxuanxiang->setHorizontalHeaderLabels(
        {text(u"优化项"), text(u"最小值"), text(u"最大值"), text(u"步进值"), text(u"说  明")});
    const int widths[] = {130, 54, 54, 54, 300};
    for (int c = 0; c < 5; ++c) Grid1_Youhuaxuanxiang->setColumnWidth(c, widths[c]);
    Grid1_Youhuaxuanxiang->setAlternatingRowColors(true);
    Grid1_Youhuaxuanxiang->setShowGrid(true);
    Grid1_Youhuaxuanxiang->setTabKeyNavigation(true);
    Grid1_Youhuaxuanxiang->horizontalHeader()->setSectionsMovable(true);
    Grid1_Youhuaxuanxiang->setEditTriggers(QAbstractItemView::NoEditTriggers);  // read-only until a cell allows it
    Grid1_Youhuaxuanxiang->verticalHeader()->hide();
    Grid1_Youhuaxuanxiang->verticalHeader()->setDefaultSectionSize(26);
    L->place(Grid1_Youhuaxuanxiang, QRect(4, 72, 322, 166));

    Grid2_Youhuajieguo = makeResultList(L, "Grid2_Youhuajieguo");
    Grid3_Youhuasaixuan = makeResultList(L, "Grid3_Youhuasaixuan");
    Grid3_Youhuasaixuan->hide();

    lb_huzhu = makeLabel(L, L, "lb_huzhu", QRect(10, 578, 260, 25), text(u"1、点击表头排序   2、双击获取数据"));
    cbt_zhangkai = makeButton(L, L, "cbt_zhangkai", QRect(278, 578, 40, 25), text(u"展开"));
    cbt_YHcompute = makeButton(L, L, "cbt_YHcompute", QRect(8, 617, 70, 33), text(u"计算"));
    cbt_YHsaixuan = makeButton(L, L, "cbt_YHsaixuan", QRect(88, 617, 70, 33), text(u"筛选"));
    cbt_YHsaixuan->setEnabled(false);
    cbt_YHsave = makeButton(L, L, "cbt_YHsave", QRect(168, 617, 70, 33), text(u"存盘"));
    cbt_YHsave->setEnabled(false);
    cbt_YHfanhui = makeButton(L, L, "cbt_YHfanhui", QRect(248, 617, 70, 33), text(u"返回"));
    lb_YHxingxi = makeLabel(L, L, "lb_YHxingxi", QRect(8, 660, 313, 25), QString());
    setFontColour(lb_YHxingxi, kBlack);
    keepMessageWhole(lb_YHxingxi, L);
}

void MainWindow::buildViewerLayer() {
    ScaledLayer* L = JieGuo_DocLayer;
    lb_jisuanjieguo = makeLabel(L, L, "lb_jisuanjieguo", QRect(68, 24, 192, 33), text(u"计算结果"));
    lb_jisuanjieguo->setAlignment(Qt::AlignCenter);
    setFontSize(lb_jisuanjieguo, 24);
    setFontColour(lb_jisuanjieguo, kBlue);
    cbt_PageBook = makeButton(L, L, "cbt_PageBook", QRect(296, 6, 21, 21), "1", text(u"切换计算书"));
    setCornerRadius(L, cbt_PageBook, 3);
    meo_jisuanjieguo_Doc = makeMemo(L, "meo_jisuanjieguo_Doc");
    meo_jisuanjieguo_Xls = makeMemo(L, "meo_jisuanjieguo_Xls");
    meo_jisuanjieguo_Xls->hide();
    cbt_sanchu = makeButton(L, L, "cbt_sanchu", QRect(304, 610, 16, 16), "x", text(u"删除最末数据"));
    setCornerRadius(L, cbt_sanchu, 3);
    cbt_sanchu->setEnabled(false);
    cbt_Exit = makeButton(L, L, "cbt_Exit", QRect(40, 617, 89, 33), text(u"返回"));
    cbt_Save = makeButton(L, L, "cbt_Save", QRect(192, 617, 89, 33), text(u"保存"));
    tcb_meoFontSize = new FontTrackBar(L);
    tcb_meoFontSize->setObjectName(QStringLiteral("tcb_meoFontSize"));
    tcb_meoFontSize->setRange(4, 24);
    tcb_meoFontSize->setValue(12);
    tcb_meoFontSize->setTracking(true);
    tcb_meoFontSize->setToolTip(text(u"调整字体大小"));
    L->place(tcb_meoFontSize, QRect(40, 656, 241, 32));
}
