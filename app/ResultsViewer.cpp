// SPDX-License-Identifier: GPL-3.0-or-later
// The results viewer: the calculation book and the summary table, their font size,
// delete-last and the way back to the main layer.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "app/FontColour.h"
#include "app/FontTrackBar.h"
#include "app/MainWindow.h"
#include "app/MemoSync.h"
#include "app/ScaledLayer.h"
#include "reports/RunRecord.h"

using namespace pilecalc;

void MainWindow::cbt_ViewClick() {
    MainFormLayer->hide();
    JieGuo_DocLayer->show();
    // Setting each text to a new size and back makes it lay out afresh.
    for (QPlainTextEdit* memo : {meo_jisuanjieguo_Xls, meo_jisuanjieguo_Doc}) {
        const double size = memo->font().pointSizeF();
        app::setFontSize(memo, size + 2);
        app::setFontSize(memo, size);
    }
}

void MainWindow::cbt_ExitClick() {
    MainFormLayer->show();
    JieGuo_DocLayer->hide();
}

void MainWindow::cbt_PageBookClick() {
    showViewerPage(m_viewerPage == app::ViewerPage::Book ? app::ViewerPage::Table : app::ViewerPage::Book);
}

// "保存" follows the page now shown: it is offered exactly when that text is unsaved.
void MainWindow::showViewerPage(app::ViewerPage page) {
    m_viewerPage = page;
    const bool book = page == app::ViewerPage::Book;
    meo_jisuanjieguo_Doc->setVisible(book);
    meo_jisuanjieguo_Xls->setVisible(!book);
    cbt_Save->setEnabled(m_run.isUnsaved(book ? ReportText::Book : ReportText::Table));
    cbt_PageBook->setText(book ? QStringLiteral("1") : QStringLiteral("2"));
}

void MainWindow::tcb_meoFontSizeChange() {
    // The track bar is continuous: its exact value may lie between whole points.
    const auto* track = qobject_cast<const pilecalc::app::FontTrackBar*>(tcb_meoFontSize);
    const double points = track ? track->exactValue() : tcb_meoFontSize->value();
    const double size = points * JieGuo_DocLayer->scale();
    app::setFontSize(meo_jisuanjieguo_Xls, size);
    app::setFontSize(meo_jisuanjieguo_Doc, size);
}

void MainWindow::cbt_sanchuClick() {
    const bool onlyPile = m_run.pileCount() <= 1;
    const LinesChanged kept = m_run.deleteLast();
    if (onlyPile) {
        for (QPlainTextEdit* memo : {meo_jisuanjieguo_Xls, meo_jisuanjieguo_Doc}) {
            app::moveCaretHome(memo);
            memo->clear();
        }
        cbt_Save->setEnabled(false);
        cbt_sanchu->setEnabled(false);
        return;
    }
    // Both texts on screen now differ from any file saved before: the record marks
    // them unsaved, and "保存" offers the corrected text again.
    cbt_Save->setEnabled(true);
    app::showLines(meo_jisuanjieguo_Xls, m_run.tableLines(), kept.tableKept);
    app::moveCaretHome(meo_jisuanjieguo_Xls);
    app::showLines(meo_jisuanjieguo_Doc, m_run.bookLines(), kept.bookKept);
    app::moveCaretHome(meo_jisuanjieguo_Doc);
}
