// The results viewer: the calculation book and the summary table, their font size,
// delete-last and the way back to the main layer.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "app/MainWindow.h"
#include "app/MemoSync.h"
#include "app/ScaledLayer.h"
#include "reports/DeleteLastPile.h"
#include "reports/SummaryTable.h"

namespace {

void setMemoFontSize(QPlainTextEdit* memo, double points) {
    QFont font = memo->font();
    font.setPointSizeF(points);
    memo->setFont(font);
}

}  // namespace

void MainWindow::cbt_ViewClick() {
    MainFormLayer->hide();
    JieGuo_DocLayer->show();
    // Setting each text to a new size and back makes it lay out afresh.
    for (QPlainTextEdit* memo : {meo_jisuanjieguo_Xls, meo_jisuanjieguo_Doc}) {
        const double size = memo->font().pointSizeF();
        setMemoFontSize(memo, size + 2);
        setMemoFontSize(memo, size);
    }
}

void MainWindow::cbt_ExitClick() {
    MainFormLayer->show();
    JieGuo_DocLayer->hide();
}

// "保存" follows the page now shown: only the listed states count as unsaved, so a
// counter driven below 0 by saving an empty text at start offers nothing to save.
void MainWindow::cbt_PageBookClick() {
    const QString page = cbt_PageBook->text();
    if (page == QStringLiteral("1")) {
        meo_jisuanjieguo_Doc->hide();
        meo_jisuanjieguo_Xls->show();
        cbt_Save->setEnabled(unsavedTexts == 2 || unsavedTexts == 3);
        cbt_PageBook->setText(QStringLiteral("2"));
    } else if (page == QStringLiteral("2")) {
        meo_jisuanjieguo_Doc->show();
        meo_jisuanjieguo_Xls->hide();
        cbt_Save->setEnabled(unsavedTexts == 1 || unsavedTexts == 3);
        cbt_PageBook->setText(QStringLiteral("1"));
    }
}

void MainWindow::tcb_meoFontSizeChange() {
    const double size = tcb_meoFontSize->value() * JieGuo_DocLayer->scale();
    setMemoFontSize(meo_jisuanjieguo_Xls, size);
    setMemoFontSize(meo_jisuanjieguo_Doc, size);
}

void MainWindow::cbt_sanchuClick() {
    if (pileCount <= 1) {
        pileCount = 0;
        pilecalc::DeleteLastPile(bookLines, tableLines, 1);
        for (QPlainTextEdit* memo : {meo_jisuanjieguo_Xls, meo_jisuanjieguo_Doc}) {
            pilecalc::app::moveCaretHome(memo);
            memo->clear();
        }
        unsavedTexts = 0;
        cbt_Save->setEnabled(false);
        cbt_sanchu->setEnabled(false);
        return;
    }
    pilecalc::DeleteLastPile(bookLines, tableLines, pileCount);
    --pileCount;
    // Both texts on screen now differ from any file saved before: the corrected
    // book and table must be offered for saving again.
    unsavedTexts = 3;
    cbt_Save->setEnabled(true);
    // The table keeps everything above the removed row; the book everything above the
    // removed block. Only the footers behind them are written again.
    const std::size_t tableKept =
        tableLines.size() >= pilecalc::kSummaryFooterLines ? tableLines.size() - pilecalc::kSummaryFooterLines : 0;
    const std::size_t bookKept = bookLines.empty() ? 0 : bookLines.size() - 1;
    pilecalc::app::showLines(meo_jisuanjieguo_Xls, tableLines, tableKept);
    pilecalc::app::moveCaretHome(meo_jisuanjieguo_Xls);
    pilecalc::app::showLines(meo_jisuanjieguo_Doc, bookLines, bookKept);
    pilecalc::app::moveCaretHome(meo_jisuanjieguo_Doc);
}
