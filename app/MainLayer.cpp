// SPDX-License-Identifier: GPL-3.0-or-later
// The compute operation of the main layer: read and check, compute, show, record.
#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "app/FontColour.h"
#include "app/MainWindow.h"
#include "optimisation/OptimisationMessages.h"

using namespace pilecalc;
using app::kBlack;
using app::kMagenta;
using app::kRed;

namespace {


QString q(const std::u16string& s) { return QString::fromStdU16String(s); }

// Writes a text only when it differs: a batch run shows thousands of piles in a row.
void putText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}
void putText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

}  // namespace

char16_t MainWindow::decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? u'.' : point.front().unicode();
}

PrecisionMode MainWindow::precisionMode() const {
    const int index = popbox_jingdu->currentIndex();
    return static_cast<PrecisionMode>(index < 0 || index > 4 ? static_cast<int>(kStartPrecision) : index);
}

void MainWindow::cbt_computeClick() { runCompute(); }

bool MainWindow::runCompute() {
    PileInputTexts texts;
    texts.d = cbe_dd->currentText().toStdU16String();
    texts.hr = cbe_hr->currentText().toStdU16String();
    texts.frk = edt_frk->text().toStdU16String();
    texts.weathered = ckb_zhongfenghua->isChecked();
    if (texts.weathered) texts.reduction = cbe_zhongfenghua->currentText().toStdU16String();
    texts.gammaCR = cbe_Gamacr->currentText().toStdU16String();

    const PileReading reading = readPileCase(texts, decimalSeparator());
    applyReading(reading);
    if (!reading.ok()) return false;

    const PileResult result = computePile(reading.pile);
    if (!isPrintable(result)) {
        reportFailure(QString::fromUtf16(messages::resultOutOfRange), nullptr);
        return false;
    }
    const PrecisionMode mode = precisionMode();
    showPileResult(result, mode);
    recordPile(reading.pile, result, mode);
    return true;
}

void MainWindow::showStatus(const QString& text, unsigned int argb) {
    if (!img_Logo->isHidden()) img_Logo->hide();
    if (lb_shuoming->isHidden()) lb_shuoming->show();
    app::setFontColour(lb_shuoming, argb);
    putText(lb_shuoming, text);
}

void MainWindow::reportFailure(const QString& message, QWidget* control) {
    showStatus(message, kRed);
    if (control) app::setFontColour(control, kRed);
    app::setFontColour(lb_YHxingxi, kRed);
    putText(lb_YHxingxi, QString::fromUtf16(optimisationMessages::runAborted));
}

// The window follows the checks one by one: every check that passed before a failure
// leaves its colour and status text, so a magenta frk survives a later failure.
void MainWindow::applyReading(const PileReading& reading) {
    if (reading.passedCheckOf(PileField::d)) {
        app::setFontColour(cbe_dd, kBlack);
        putText(lb_shuoming, QString());
    }
    if (reading.passedCheckOf(PileField::hr)) {
        app::setFontColour(cbe_hr, kBlack);
        putText(lb_shuoming, QString());
    }
    if (reading.passedCheckOf(PileField::frk)) {
        showStatus(q(classifyRock(reading.pile.frk)), kBlack);
        app::setFontColour(edt_frk, kBlack);
        if (reading.lowStrengthHint) {
            showStatus(QString::fromUtf16(messages::lowStrengthHint), kMagenta);
            app::setFontColour(edt_frk, kMagenta);
        }
    }
    if (!reading.ok()) {
        QWidget* control = nullptr;
        switch (reading.failure->field) {
            case PileField::d: control = cbe_dd; break;
            case PileField::hr: control = cbe_hr; break;
            case PileField::frk: control = edt_frk; break;
            case PileField::reduction: control = cbe_zhongfenghua; break;
            case PileField::gammaCR: control = cbe_Gamacr; break;
            case PileField::None: break;
        }
        reportFailure(q(reading.failure->message), control);
        return;
    }
    if (reading.gammaHint) {
        showStatus(QString::fromUtf16(messages::gammaHint), kMagenta);
        app::setFontColour(cbe_Gamacr, kMagenta);
    }
}

void MainWindow::showPileResult(const PileResult& result, PrecisionMode mode) {
    const char16_t sep = decimalSeparator();
    putText(edt_kesais, q(FormatFixed(result.zetaS, 7, 4, sep)));
    putText(edt_kesaip, q(FormatFixed(result.zetaP, 7, 4, sep)));
    putText(edt_Qrs, q(formatForce(result.Qcs, mode, sep)));
    putText(edt_Qrp, q(formatForce(result.Qcp, mode, sep)));
    putText(edt_Qrk, q(formatForce(result.Qck, mode, sep)));
    putText(edt_ra, q(formatForce(result.Qcd, mode, sep)));
    // With a reduction of 0 there is no share to show: the labels keep their plain captions.
    putText(lb_Qrs, q(shareLabel(kSideShareCaption, result.sideShare, result.sharesDefined, mode, sep)));
    putText(lb_Qrp, q(shareLabel(kEndShareCaption, result.endShare, result.sharesDefined, mode, sep)));
}

void MainWindow::cbt_JingDuClick() { popbox_jingdu->setVisible(popbox_jingdu->isHidden()); }

void MainWindow::popbox_jingduChange() {
    // A change made while the list is hidden (by code) selects the mode for later only.
    if (popbox_jingdu->isHidden()) return;
    runCompute();
}
