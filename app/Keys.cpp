// SPDX-License-Identifier: GPL-3.0-or-later
// The keys people expect: Return in an input computes, Esc steps back out of the
// optimisation layer and the results viewer, Ctrl+S saves where a save button is enabled.
// Each key runs the handler of the button it stands for, exactly as a click does, and
// only while that button is there to be pressed.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/MainWindow.h"
#include "app/ScaledLayer.h"

namespace {

bool isReturn(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Return on the check box, which has no returnPressed of its own.
class ReturnOnCheckBox final : public QObject {
public:
    ReturnOnCheckBox(QCheckBox* box, std::function<void()> run) : QObject(box), m_run(std::move(run)) {
        box->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && isReturn(static_cast<QKeyEvent*>(event))) {
            m_run();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_run;
};

// A button "is there" when its own layer is the one shown and it is shown and enabled in it.
bool pressable(const QPushButton* button, const QWidget* layer) {
    return !layer->isHidden() && !button->isHidden() && button->isEnabled();
}

}  // namespace

void MainWindow::wireKeys() {
    const auto computeOnReturn = [this] {
        if (pressable(cbt_compute, MainFormLayer)) cbt_compute->click();
    };
    for (QComboBox* combo : {cbe_dd, cbe_hr, cbe_zhongfenghua, cbe_Gamacr}) {
        connect(combo->lineEdit(), &QLineEdit::returnPressed, this, computeOnReturn);
    }
    connect(edt_frk, &QLineEdit::returnPressed, this, computeOnReturn);
    new ReturnOnCheckBox(ckb_zhongfenghua, computeOnReturn);
}

// Reached by the keys that no control took for itself (an open cell editor keeps its
// own Esc, which cancels the edit).
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!YouHuaFormLayer->isHidden()) {
            if (m_batchRunning) {
                requestOptimisationStop();
            } else if (pressable(cbt_YHfanhui, YouHuaFormLayer)) {
                cbt_YHfanhui->click();
            }
            return;
        }
        if (pressable(cbt_Exit, JieGuo_DocLayer)) {
            cbt_Exit->click();
            return;
        }
    }
    if (event->matches(QKeySequence::Save)) {
        if (pressable(cbt_Save, JieGuo_DocLayer)) cbt_Save->click();
        if (pressable(cbt_YHsave, YouHuaFormLayer)) cbt_YHsave->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
