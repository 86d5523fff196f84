// SPDX-License-Identifier: GPL-3.0-or-later
// Connects every control's event to its handler. Each connection runs its handler
// guarded, so that no exception crosses the event loop: an error is shown by the error
// report and the window stays usable.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTableWidget>

#include "app/FontTrackBar.h"
#include "app/MainWindow.h"
#include "platform/ErrorReport.h"

namespace {

template <class Sender, class Signal>
void wireClick(MainWindow* window, Sender* sender, Signal signal, void (MainWindow::*handler)()) {
    QObject::connect(sender, signal, window,
                     [window, handler] { pilecalc::platform::runGuarded(window, [&] { (window->*handler)(); }); });
}

}  // namespace

void MainWindow::wireHandlers() {
    using pilecalc::platform::runGuarded;
    const auto click = &QPushButton::clicked;
    // ---- main layer ----
    wireClick(this, cbt_tuichu, click, &MainWindow::cbt_tuichuClick);
    wireClick(this, cbt_YouHua, click, &MainWindow::cbt_YouHuaClick);
    wireClick(this, cbt_compute, click, &MainWindow::cbt_computeClick);
    wireClick(this, cbt_JingDu, click, &MainWindow::cbt_JingDuClick);
    wireClick(this, cbt_CopyRight, click, &MainWindow::cbt_CopyRightClick);
    wireClick(this, cbt_View, click, &MainWindow::cbt_ViewClick);
    // The change reactions run only when the value really changes: Qt emits these
    // signals for a different text or state, never for a write of the same one.
    wireClick(this, cbe_dd, &QComboBox::currentTextChanged, &MainWindow::cbe_ddChange);
    wireClick(this, cbe_hr, &QComboBox::currentTextChanged, &MainWindow::cbe_hrChange);
    wireClick(this, edt_frk, &QLineEdit::textChanged, &MainWindow::edt_frkChange);
    wireClick(this, cbe_zhongfenghua, &QComboBox::currentTextChanged, &MainWindow::cbe_zhongfenghuaChange);
    wireClick(this, ckb_zhongfenghua, &QCheckBox::toggled, &MainWindow::ckb_zhongfenghuaChange);
    wireClick(this, cbe_Gamacr, &QComboBox::currentTextChanged, &MainWindow::cbe_GamacrChange);
    wireClick(this, popbox_jingdu, &QComboBox::currentIndexChanged, &MainWindow::popbox_jingduChange);

    // ---- results viewer ----
    wireClick(this, cbt_Exit, click, &MainWindow::cbt_ExitClick);
    wireClick(this, cbt_PageBook, click, &MainWindow::cbt_PageBookClick);
    wireClick(this, cbt_sanchu, click, &MainWindow::cbt_sanchuClick);
    wireClick(this, cbt_Save, click, &MainWindow::cbt_SaveClick);
    wireClick(this, tcb_meoFontSize, &QSlider::valueChanged, &MainWindow::tcb_meoFontSizeChange);
    if (auto* track = qobject_cast<pilecalc::app::FontTrackBar*>(tcb_meoFontSize)) {
        wireClick(this, track, &pilecalc::app::FontTrackBar::exactValueChanged, &MainWindow::tcb_meoFontSizeChange);
    }

    // ---- optimisation layer ----
    wireClick(this, cbt_YHfanhui, click, &MainWindow::cbt_YHfanhuiClick);
    wireClick(this, cbt_YHcompute, click, &MainWindow::cbt_YHcomputeClick);
    wireClick(this, cbt_YHsaixuan, click, &MainWindow::cbt_YHsaixuanClick);
    wireClick(this, cbt_zhangkai, click, &MainWindow::cbt_zhangkaiClick);
    wireClick(this, cbt_YHsave, click, &MainWindow::cbt_YHsaveClick);
    connect(Grid1_Youhuaxuanxiang, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
        runGuarded(this, [&] { Grid1_YouhuaxuanxiangSelectCell(column, row); });
    });
    connect(Grid2_Youhuajieguo->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { runGuarded(this, [&] { Grid2_YouhuajieguoHeaderClick(column); }); });
    connect(Grid3_Youhuasaixuan->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { runGuarded(this, [&] { Grid3_YouhuasaixuanHeaderClick(column); }); });
    connect(Grid2_Youhuajieguo, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        runGuarded(this, [&] { Grid2_YouhuajieguoCellDblClick(index.column(), index.row()); });
    });
    connect(Grid3_Youhuasaixuan, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        runGuarded(this, [&] { Grid3_YouhuasaixuanCellDblClick(index.column(), index.row()); });
    });
}
