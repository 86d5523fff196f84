// Provisional bodies of the optimisation layer's handlers: entering and leaving the
// layer work (MainWindow.cpp); the batch, filter, sort, pick-back, toggle and list
// saving are supplied by the optimisation layer's own files.
#include <QAbstractItemView>
#include <QTableWidget>

#include "app/MainWindow.h"

void MainWindow::Grid1_YouhuaxuanxiangSelectCell(int column, int row) {
    const bool rangeCell = row >= 0 && row <= 2 && column >= 1 && column <= 3;
    const bool filterCell = row == 4 && (column == 1 || column == 2);
    Grid1_Youhuaxuanxiang->setEditTriggers(rangeCell || filterCell ? QAbstractItemView::AllEditTriggers
                                                                   : QAbstractItemView::NoEditTriggers);
}

void MainWindow::Grid1_YouhuaxuanxiangEditingDone(int, int) {}
void MainWindow::cbt_YHcomputeClick() {}
void MainWindow::cbt_YHsaixuanClick() {}
void MainWindow::Grid2_YouhuajieguoHeaderClick(int) {}
void MainWindow::Grid3_YouhuasaixuanHeaderClick(int) {}
void MainWindow::Grid2_YouhuajieguoCellDblClick(int, int) {}
void MainWindow::Grid3_YouhuasaixuanCellDblClick(int, int) {}
void MainWindow::cbt_zhangkaiClick() {}
void MainWindow::cbt_YHsaveClick() {}
void MainWindow::createOptimisationLists() {}
void MainWindow::saveOptimisationList() {}
