// SPDX-License-Identifier: GPL-3.0-or-later
// "图示": the Qcd chart of the optimisation list on screen. A click on a point picks
// its pile back through the same handler as a double click on its row.
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "app/MainWindow.h"
#include "app/OptimisationViews.h"
#include "app/QcdChartWindow.h"
#include "app/RangesGridDelegate.h"
#include "optimisation/QcdSeries.h"
#include "optimisation/ResultFilter.h"

using namespace pilecalc;

void MainWindow::cbt_YHchartClick() {
    std::u16string titleWord;
    const ResultList* rows = shownList(&titleWord);
    if (!rows) return;
    const bool filtered = rows == &app::resultModel(Grid3_Youhuasaixuan).list();
    std::optional<FilterBounds> band;
    if (filtered) {
        const FilterReading bounds =
            readFilterBounds(app::rangesCellText(Grid1_Youhuaxuanxiang, 4, 1).toStdU16String(),
                             app::rangesCellText(Grid1_Youhuaxuanxiang, 4, 2).toStdU16String(), decimalSeparator());
        if (bounds.ok()) band = bounds.bounds;
    }
    // One chart at a time: a new click charts the list as it is now.
    delete findChild<app::QcdChartWindow*>();
    QTableView* view = filtered ? Grid3_Youhuasaixuan : Grid2_Youhuajieguo;
    auto* chart = new app::QcdChartWindow(
        *rows, QString::fromStdU16String(titleWord), band,
        [this, view](std::uint32_t number) {
            // The row the pile has now: the list may have been sorted since the chart opened.
            const long long row = rowOfNumber(app::resultModel(view).list(), number);
            if (row < 0) return;
            if (view == Grid3_Youhuasaixuan)
                Grid3_YouhuasaixuanCellDblClick(0, static_cast<int>(row));
            else
                Grid2_YouhuajieguoCellDblClick(0, static_cast<int>(row));
        },
        this);
    chart->show();
}
