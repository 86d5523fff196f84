// SPDX-License-Identifier: GPL-3.0-or-later
// What the user does with a result list: filter it by Qcd, sort it by a header click,
// and save the list on screen as a table file.
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "app/BackgroundSave.h"
#include "app/FontColour.h"
#include "optimisation/ListFileLines.h"
#include "app/MainWindow.h"
#include "app/OptimisationViews.h"
#include "app/RangesGridDelegate.h"
#include "optimisation/OptimisationMessages.h"
#include "optimisation/ResultFilter.h"
#include "optimisation/ResultSorting.h"
#include "platform/Clock.h"
#include "platform/ErrorReport.h"
#include "platform/ResultFile.h"
#include "reports/SummaryTable.h"

using namespace pilecalc;
using pilecalc::app::qs;
using pilecalc::app::resultModel;

namespace {

void showInfo(QLabel* label, const std::u16string& text) {
    app::setFontColour(label, app::kBlack);
    label->setText(qs(text));
}

}  // namespace

void MainWindow::cbt_YHsaixuanClick() {
    // Both bounds convert before anything changes: a bad bound leaves the lists as they are.
    const FilterReading bounds =
        readFilterBounds(app::rangesCellText(Grid1_Youhuaxuanxiang, 4, 1).toStdU16String(),
                         app::rangesCellText(Grid1_Youhuaxuanxiang, 4, 2).toStdU16String(), decimalSeparator());
    if (!bounds.ok()) app::throwConversionError(*bounds.error);

    app::ResultListModel& filtered = resultModel(Grid3_Youhuasaixuan);
    filtered.clear();
    Grid3_Youhuasaixuan->show();
    Grid2_Youhuajieguo->hide();
    lb_YHxingxi->clear();
    // Always from the whole raw list, in its present order, even while it is hidden.
    filtered.setList(resultModel(Grid2_Youhuajieguo).list().filtered(bounds.bounds));

    if (filtered.list().empty()) {
        showInfo(lb_YHxingxi, optimisationMessages::filterEmpty);
        cbt_YHsave->setEnabled(false);
    } else {
        showInfo(lb_YHxingxi, filterDoneMessage(filtered.list().size()));
        cbt_YHsave->setEnabled(true);
    }
    cbt_YHsaixuan->setEnabled(false);
    m_sort = {};
    filtered.setHeader(resultColumn::d, qs(diameterHeader(SortOrder::None)));
    filtered.setHeader(resultColumn::Qcd, qs(QcdHeader(SortOrder::None)));
}

// column is the clicked column's own position, wherever the user has dragged it.
void MainWindow::resultHeaderClick(QTableView* list, int column) {
    app::ResultListModel& model = resultModel(list);
    HeaderClickOutcome outcome;
    model.reorder([&](ResultList& rows) { outcome = clickResultHeader(rows, column, m_sort); });
    showInfo(lb_YHxingxi, outcome.message);
    if (outcome.reordered) {
        cbt_YHsave->setEnabled(true);
        model.setHeader(resultColumn::d, qs(outcome.dHeader));
        model.setHeader(resultColumn::Qcd, qs(outcome.QcdHeader));
    }
    if (outcome.selectFirstRow) list->setCurrentIndex(model.index(0, column));
}

void MainWindow::Grid2_YouhuajieguoHeaderClick(int column) { resultHeaderClick(Grid2_Youhuajieguo, column); }

void MainWindow::Grid3_YouhuasaixuanHeaderClick(int column) { resultHeaderClick(Grid3_Youhuasaixuan, column); }

void MainWindow::cbt_YHsaveClick() { RequestSave(); }

void MainWindow::saveOptimisationList() {
    struct Target {
        QTableView* list;
        QString fileName;
        std::u16string_view titleWord;
    };
    const Target targets[] = {
        {Grid2_Youhuajieguo, QStringLiteral("嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt"),
         u"嵌岩桩优化计算原始结果"},
        {Grid3_Youhuasaixuan, QStringLiteral("嵌岩桩优化计算筛选结果(依据JTS167-4-2012)_表格.txt"),
         u"嵌岩桩优化计算筛选结果"},
    };
    for (const Target& target : targets) {
        const ResultList& rows = resultModel(target.list).list();
        if (target.list->isHidden() || rows.empty()) continue;

        // Rows are numbered 1..N in the order on screen; a million-row list streams to disk.
        const ResultListLines lines(rows, target.titleWord,
                                         SummaryFooter(platform::timeText(m_clock(), QLocale()).toStdU16String()));
        const auto outcome = app::runSave(*this, lb_YHxingxi, [&](platform::SaveControl& control) {
            return platform::streamResultFile(target.fileName, platform::ResultFileKind::OptimisationTable, lines,
                                              &control);
        });
        if (!outcome.ok) {
            // Nothing was written over the old file; the button stays as it was. A save
            // the user stopped needs no message.
            if (!outcome.stopped) platform::showErrorReport(this, outcome.error);
            return;
        }
        cbt_YHsave->setEnabled(false);
        announceSaved(outcome.path);
        return;
    }
}
