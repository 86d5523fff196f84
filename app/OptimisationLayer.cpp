// SPDX-License-Identifier: GPL-3.0-or-later
// The optimisation layer around its batch run: the ranges grid's editing rules, the
// result lists with their headers, the column toggle and the pick-back of a listed pile.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "app/MainWindow.h"
#include "app/OptimisationViews.h"
#include "app/RangesGridDelegate.h"
#include "app/ResultListModel.h"

using namespace pilecalc;
using pilecalc::app::qs;
using pilecalc::app::ResultListModel;

namespace {

// Widths of the result columns in layout units: the pile number and most figures 70,
// Qcd 80, the remark 120.
int resultColumnWidth(int column) {
    if (column == resultColumn::Qcd) return 80;
    if (column == resultColumn::remark) return 120;
    return 70;
}

// Shown while folded: pile number, d and Qcd.
bool foldedColumn(int column) { return column > resultColumn::Qcd; }

constexpr QAbstractItemView::EditTriggers kRangeEditTriggers =
    QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

void setUpResultList(QTableView* view, QObject* owner) {
    auto* model = new ResultListModel(owner);
    for (int c = 0; c < kResultColumns; ++c) model->setHeader(c, qs(resultColumnHeader(c)));
    view->setModel(model);
    // The pile number is the row's name: no row numbers beside it.
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(26);
    for (int c = 0; c < kResultColumns; ++c) {
        view->setColumnWidth(c, resultColumnWidth(c));
        view->setColumnHidden(c, foldedColumn(c));
    }
}

}  // namespace

void MainWindow::createOptimisationLists() {
    setUpResultList(Grid2_Youhuajieguo, this);
    setUpResultList(Grid3_Youhuasaixuan, this);

    // Accepted edits report their cell through the delegate (the same text accepted
    // again counts too); texts written into an editable cell through the model count as
    // accepted edits as well.
    Grid1_Youhuaxuanxiang->setItemDelegate(new app::RangesGridDelegate(
        [this](int column, int row) { Grid1_YouhuaxuanxiangEditingDone(column, row); }, Grid1_Youhuaxuanxiang));
    connect(Grid1_Youhuaxuanxiang->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole)) return;
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
                    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
                        if (app::isEditableRangesCell(column, row)) Grid1_YouhuaxuanxiangEditingDone(column, row);
                    }
                }
            });
}

// Every cell may become current; only the editable ones take edits, and their editor
// opens at once. Column and row are the cell's own, whatever the column's place on screen.
void MainWindow::Grid1_YouhuaxuanxiangSelectCell(int column, int row) {
    const bool editable = app::isEditableRangesCell(column, row);
    Grid1_Youhuaxuanxiang->setEditTriggers(editable ? kRangeEditTriggers : QAbstractItemView::NoEditTriggers);
    if (!editable) return;
    QTableWidgetItem* item = Grid1_Youhuaxuanxiang->item(row, column);
    // The view opens the editor itself when it moves between two editable cells.
    if (item && (item->flags() & Qt::ItemIsEditable) &&
        !Grid1_Youhuaxuanxiang->indexWidget(Grid1_Youhuaxuanxiang->indexFromItem(item))) {
        Grid1_Youhuaxuanxiang->editItem(item);
    }
}

void MainWindow::Grid1_YouhuaxuanxiangEditingDone(int column, int row) {
    if (app::isRangeCell(column, row)) {
        cbt_YHcompute->setEnabled(true);
    } else if (app::isFilterCell(column, row)) {
        cbt_YHsaixuan->setEnabled(true);
    }
}

void MainWindow::cbt_zhangkaiClick() {
    // The toggle has no rows of its own to add: the lists keep exactly their rows.
    const bool expand = m_listColumns == app::ListColumns::Folded;
    m_listColumns = expand ? app::ListColumns::Expanded : app::ListColumns::Folded;
    Grid1_Youhuaxuanxiang->setColumnHidden(4, !expand);
    for (QTableView* list : {Grid2_Youhuajieguo, Grid3_Youhuasaixuan}) {
        for (int c = 0; c < kResultColumns; ++c) list->setColumnHidden(c, !expand && foldedColumn(c));
    }
    cbt_zhangkai->setText(expand ? QStringLiteral("折叠") : QStringLiteral("展开"));
}

// Writes a listed pile's inputs into the main layer in the order d, hr, frk, weathering
// box, reduction; each write that changes a value runs that input's change reaction.
void MainWindow::pickBack(QTableView* list, int row) {
    const ResultList& rows = app::resultModel(list).list();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return;
    const auto cells = rows.cells(static_cast<std::size_t>(row));
    cbe_dd->setEditText(qs(cells[resultColumn::d]));
    cbe_hr->setEditText(qs(cells[resultColumn::hr]));
    edt_frk->setText(qs(cells[resultColumn::frk]));
    ckb_zhongfenghua->setChecked(cells[resultColumn::weathered] == u"是");
    cbe_zhongfenghua->setEditText(qs(cells[resultColumn::reduction]));
    cbt_YHfanhuiClick();
}

void MainWindow::Grid2_YouhuajieguoCellDblClick(int, int row) { pickBack(Grid2_Youhuajieguo, row); }

void MainWindow::Grid3_YouhuasaixuanCellDblClick(int, int row) { pickBack(Grid3_Youhuasaixuan, row); }
