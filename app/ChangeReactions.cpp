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
#include "engine/NumberReading.h"
#include "engine/PileCase.h"

using namespace pilecalc;

namespace {

// Locale-decimal reading of a control text; a text that does not convert gives nothing.
std::optional<double> readValue(const QString& text) {
    return readLocaleDecimal(text.toStdU16String(), MainWindow::decimalSeparator());
}

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
    lb_Qrs->setText(QStringLiteral("侧阻力Qcs(kN)"));
    lb_Qrp->setText(QStringLiteral("端阻力Qcp(kN)"));
}

void MainWindow::bringBackCompute() {
    cbt_compute->setEnabled(true);
    cbt_compute->show();
    cbt_View->hide();
}

void MainWindow::markChecked(QWidget* control, bool passed, const QString& message) {
    if (passed) {
        lb_shuoming->setText(QString());  // shown or hidden as it was
        app::setFontColour(control, app::kBlack);
        return;
    }
    showStatus(message, app::kRed);
    app::setFontColour(control, app::kRed);
}

void MainWindow::cbe_ddChange() {
    blankOutputs(true, true, true);
    resetShareLabels();
    bringBackCompute();
    const auto d = readValue(cbe_dd->currentText());
    markChecked(cbe_dd, d && *d > 0.0, QString::fromUtf16(messages::diameterWrong));
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
    const auto frk = readValue(edt_frk->text());
    markChecked(edt_frk, frk && *frk >= 0.0, QStringLiteral("岩石单轴抗压强度值有错"));
}

void MainWindow::ckb_zhongfenghuaChange() {
    blankOutputs(true, true, true);
    resetShareLabels();
    bringBackCompute();
    cbe_zhongfenghua->setEnabled(ckb_zhongfenghua->isChecked());
}

void MainWindow::cbe_zhongfenghuaChange() {
    // Checked on every edit, ticked box or not, although a cleared box means it is not used.
    blankOutputs(true, true, true);
    resetShareLabels();
    bringBackCompute();
    const auto reduction = readValue(cbe_zhongfenghua->currentText());
    markChecked(cbe_zhongfenghua, reduction && *reduction >= 0.0 && *reduction <= 1.0,
                QString::fromUtf16(messages::reductionWrong));
}

void MainWindow::cbe_GamacrChange() {
    // γcR divides only Qcd: the other results and the shares stay.
    blankOutputs(false, false, true);
    bringBackCompute();
    const auto gamma = readValue(cbe_Gamacr->currentText());
    const bool passed = gamma && *gamma > 1.0;
    markChecked(cbe_Gamacr, passed, QString::fromUtf16(messages::gammaWrong));
    if (passed && *gamma < 1.699) {
        showStatus(QString::fromUtf16(messages::gammaHint), app::kMagenta);
        app::setFontColour(cbe_Gamacr, app::kMagenta);
    }
}
