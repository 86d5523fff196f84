// SPDX-License-Identifier: GPL-3.0-or-later
// Reactions to an edited input: the results on screen no longer belong to the inputs,
// so each reaction blanks what depends on its input, brings the compute button back and
// checks the new value at once. They never compute.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/FontColour.h"
#include "app/MainWindow.h"
#include "engine/EditChecks.h"

using namespace pilecalc;

namespace {

void blank(QLineEdit* edit) {
    if (!edit->text().isEmpty()) edit->clear();
}

}  // namespace

void MainWindow::blankOutputs(bool coefficients, bool forces, bool designValue) {
    if (coefficients) {
        blank(edt_kesais);
        blank(edt_kesaip);
    }
    if (forces) {
        blank(edt_Qrs);
        blank(edt_Qrp);
        blank(edt_Qrk);
    }
    if (designValue) blank(edt_ra);
}

void MainWindow::resetShareLabels() {
    lb_Qrs->setText(QString::fromUtf16(kSideShareCaption));
    lb_Qrp->setText(QString::fromUtf16(kEndShareCaption));
}

void MainWindow::bringBackCompute() {
    cbt_compute->setEnabled(true);
    cbt_compute->show();
    cbt_View->hide();
}

void MainWindow::markChecked(QWidget* control, const EditCheck& check) {
    switch (check.tone) {
        case CheckTone::Passed:
            lb_shuoming->setText(QString());  // shown or hidden as it was
            app::setFontColour(control, app::kBlack);
            return;
        case CheckTone::Failed:
            showStatus(QString::fromStdU16String(check.message), app::kRed);
            app::setFontColour(control, app::kRed);
            return;
        case CheckTone::Hint:
            showStatus(QString::fromStdU16String(check.message), app::kMagenta);
            app::setFontColour(control, app::kMagenta);
            return;
    }
}

void MainWindow::cbe_ddChange() {
    blankOutputs(true, true, true);
    resetShareLabels();
    bringBackCompute();
    markChecked(cbe_dd, checkDiameterEdit(cbe_dd->currentText().toStdU16String(), decimalSeparator()));
}

void MainWindow::cbe_hrChange() {
    // The depth is checked only by the next computation, which knows d.
    blankOutputs(true, true, true);
    resetShareLabels();
    bringBackCompute();
}

void MainWindow::edt_frkChange() {
    // frk changes no coefficient: ζs and ζp stay on screen.
    blankOutputs(false, true, true);
    resetShareLabels();
    bringBackCompute();
    markChecked(edt_frk, checkStrengthEdit(edt_frk->text().toStdU16String(), decimalSeparator()));
}

void MainWindow::ckb_zhongfenghuaChange() {
    blankOutputs(true, true, true);
    resetShareLabels();
    bringBackCompute();
    cbe_zhongfenghua->setEnabled(ckb_zhongfenghua->isChecked());
}

void MainWindow::cbe_zhongfenghuaChange() {
    blankOutputs(true, true, true);
    resetShareLabels();
    bringBackCompute();
    markChecked(cbe_zhongfenghua,
                checkReductionEdit(cbe_zhongfenghua->currentText().toStdU16String(), decimalSeparator()));
}

void MainWindow::cbe_GamacrChange() {
    // γcR divides only Qcd: the other results and the shares stay.
    blankOutputs(false, false, true);
    bringBackCompute();
    markChecked(cbe_Gamacr, checkGammaEdit(cbe_Gamacr->currentText().toStdU16String(), decimalSeparator()));
}
