// SPDX-License-Identifier: GPL-3.0-or-later
// The record step: every pile computed on the main layer goes into the summary table
// and the calculation book under the next pile number.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

#include "app/MainWindow.h"
#include "app/MemoSync.h"
#include "platform/Clock.h"
#include "reports/RunRecord.h"

using namespace pilecalc;

void MainWindow::recordPile(const PileCase& pile, const PileResult& result, PrecisionMode mode) {
    if (m_optimisationMode != app::OptimisationMode::Off) return;  // optimisation piles leave no trace
    RecordedPile recorded{{cbe_dd->currentText().toStdU16String(), cbe_hr->currentText().toStdU16String(),
                           edt_frk->text().toStdU16String(), cbe_zhongfenghua->currentText().toStdU16String(),
                           cbe_Gamacr->currentText().toStdU16String(), ckb_zhongfenghua->isChecked()},
                          pile,
                          result,
                          mode,
                          // One reading of the clock: the table's and the book's time lines always agree.
                          platform::timeText(m_clock(), QLocale()).toStdU16String()};
    const LinesChanged changed = m_run.record(std::move(recorded), decimalSeparator());
    app::showLines(meo_jisuanjieguo_Xls, m_run.tableLines(), changed.tableKept);
    app::moveCaretHome(meo_jisuanjieguo_Xls);
    app::showLines(meo_jisuanjieguo_Doc, m_run.bookLines(), changed.bookKept);
    if (m_run.pileCount() >= 2) app::moveCaretHome(meo_jisuanjieguo_Doc);

    cbt_View->show();
    cbt_compute->hide();
    cbt_Save->setEnabled(true);
    popbox_jingdu->hide();
    cbt_sanchu->setEnabled(true);
}
