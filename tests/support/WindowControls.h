// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test and tool access to the window's controls: every control is found once by
// its design name (objectName) with findChild and kept for the window's life,
// so tests read ui(w).cbt_compute as the user sees it, never a private member.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTableWidget>
#include <QWidget>
#include <map>

#include "app/MainWindow.h"
#include "app/ScaledLayer.h"

namespace pilecalc::test {

// Type and design name of each control of the main window.
#define PILECALC_WINDOW_CONTROLS(X)                \
    X(pilecalc::app::ScaledLayer, MainFormLayer)   \
    X(pilecalc::app::ScaledLayer, YouHuaFormLayer) \
    X(pilecalc::app::ScaledLayer, JieGuo_DocLayer) \
    X(pilecalc::app::ScaledLayer, ComFormLayer)    \
    X(QProgressBar, pb_YH_jingdu)                  \
    X(QLabel, lb_cxm)                              \
    X(QPushButton, cbt_CopyRight)                  \
    X(QGroupBox, gpb_srcs)                         \
    X(QLabel, lb_dd)                               \
    X(QComboBox, cbe_dd)                           \
    X(QLabel, lb_hr)                               \
    X(QComboBox, cbe_hr)                           \
    X(QLabel, lb_frk)                              \
    X(QLineEdit, edt_frk)                          \
    X(QCheckBox, ckb_zhongfenghua)                 \
    X(QComboBox, cbe_zhongfenghua)                 \
    X(QLabel, lb_Gamacr)                           \
    X(QComboBox, cbe_Gamacr)                       \
    X(QGroupBox, gpb_scjg)                         \
    X(QPushButton, cbt_JingDu)                     \
    X(QComboBox, popbox_jingdu)                    \
    X(QLabel, lb_guifan)                           \
    X(QLabel, lb_guifan2)                          \
    X(QLabel, lb_kesais)                           \
    X(QLineEdit, edt_kesais)                       \
    X(QLabel, lb_kesaip)                           \
    X(QLineEdit, edt_kesaip)                       \
    X(QLabel, lb_Qrs)                              \
    X(QLineEdit, edt_Qrs)                          \
    X(QLabel, lb_Qrp)                              \
    X(QLineEdit, edt_Qrp)                          \
    X(QLabel, lb_Qrk)                              \
    X(QLineEdit, edt_Qrk)                          \
    X(QLabel, lb_ra)                               \
    X(QLineEdit, edt_ra)                           \
    X(QPushButton, cbt_compute)                    \
    X(QPushButton, cbt_View)                       \
    X(QPushButton, cbt_YouHua)                     \
    X(QPushButton, cbt_tuichu)                     \
    X(QLabel, img_Logo)                            \
    X(QLabel, lb_shuoming)                         \
    X(QLabel, lb_jisuanjieguo)                     \
    X(QPushButton, cbt_PageBook)                   \
    X(QPlainTextEdit, meo_jisuanjieguo_Doc)        \
    X(QPlainTextEdit, meo_jisuanjieguo_Xls)        \
    X(QPushButton, cbt_sanchu)                     \
    X(QPushButton, cbt_Exit)                       \
    X(QPushButton, cbt_Save)                       \
    X(QSlider, tcb_meoFontSize)                    \
    X(QLabel, lb_youhuabiaoti)                     \
    X(QTableWidget, Grid1_Youhuaxuanxiang)         \
    X(QTableView, Grid2_Youhuajieguo)              \
    X(QTableView, Grid3_Youhuasaixuan)             \
    X(QLabel, lb_huzhu)                            \
    X(QPushButton, cbt_zhangkai)                   \
    X(QPushButton, cbt_YHcompute)                  \
    X(QPushButton, cbt_YHsaixuan)                  \
    X(QPushButton, cbt_YHsave)                     \
    X(QPushButton, cbt_YHfanhui)                   \
    X(QLabel, lb_YHxingxi)

struct WindowControls {
#define PILECALC_DECLARE_CONTROL(Type, name) Type* name = nullptr;
    PILECALC_WINDOW_CONTROLS(PILECALC_DECLARE_CONTROL)
#undef PILECALC_DECLARE_CONTROL
};

// The controls of `window`, looked up on first use. A name that finds nothing
// leaves its pointer null, so a test fails at the control, not in the lookup.
inline const WindowControls& ui(const MainWindow& window) {
    static std::map<const MainWindow*, WindowControls> found;
    auto it = found.find(&window);
    if (it == found.end()) {
        WindowControls controls;
#define PILECALC_FIND_CONTROL(Type, name) controls.name = window.findChild<Type*>(QStringLiteral(#name));
        PILECALC_WINDOW_CONTROLS(PILECALC_FIND_CONTROL)
#undef PILECALC_FIND_CONTROL
        it = found.emplace(&window, controls).first;
        // A later window may be created at the same address.
        QObject::connect(&window, &QObject::destroyed, [key = &window] { found.erase(key); });
    }
    return it->second;
}

}  // namespace pilecalc::test

using pilecalc::app::OptimisationMode;
using pilecalc::test::ui;
