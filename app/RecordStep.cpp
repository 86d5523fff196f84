// The record step: every pile computed on the main layer goes into the summary table
// and the calculation book under the next pile number.
#include <QComboBox>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/MainWindow.h"
#include "app/MemoSync.h"
#include "platform/Clock.h"
#include "reports/CalculationBook.h"
#include "reports/SummaryTable.h"

using namespace pilecalc;

void MainWindow::recordPile(const PileCase& pile, const PileResult& result, PrecisionMode mode) {
    if (optimisationMode != 0) return;  // piles of the optimisation list leave no trace
    ++pileCount;
    const TypedInputs typed{cbe_dd->currentText().toStdU16String(), cbe_hr->currentText().toStdU16String(),
                            cbe_Gamacr->currentText().toStdU16String()};
    // One reading of the clock: the table's and the book's time lines always agree.
    const std::u16string time = platform::timeText(m_clock(), QLocale()).toStdU16String();
    const char16_t sep = decimalSeparator();

    // Everything above the old footer (table) and the old time line (book) stays as it is.
    const std::size_t tableKept = tableLines.size() >= kSummaryFooterLines ? tableLines.size() - kSummaryFooterLines : 0;
    const std::size_t bookKept = bookLines.empty() ? 0 : bookLines.size() - 1;
    AppendSummaryRow(tableLines, pileCount, typed, pile, result, mode, time, sep);
    AppendBook(bookLines, pileCount, typed, pile, result, mode, time, sep);
    app::showLines(meo_jisuanjieguo_Xls, tableLines, pileCount == 1 ? 0 : tableKept);
    app::moveCaretHome(meo_jisuanjieguo_Xls);
    app::showLines(meo_jisuanjieguo_Doc, bookLines, pileCount == 1 ? 0 : bookKept);
    if (pileCount >= 2) app::moveCaretHome(meo_jisuanjieguo_Doc);

    cbt_View->show();
    cbt_compute->hide();
    unsavedTexts = 3;
    cbt_Save->setEnabled(true);
    popbox_jingdu->hide();
    cbt_sanchu->setEnabled(true);
}
