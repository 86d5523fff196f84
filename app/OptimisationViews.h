// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers shared by the optimisation layer's source files.
#include <QString>
#include <QTableView>
#include <stdexcept>
#include <string>

#include "app/ResultListModel.h"

namespace pilecalc::app {

// The model of a result list (Grid2_Youhuajieguo or Grid3_Youhuasaixuan).
inline ResultListModel& resultModel(QTableView* view) { return *static_cast<ResultListModel*>(view->model()); }

inline QString qs(const std::u16string& text) { return QString::fromStdU16String(text); }

// A cell that is not a number ends its handler like any uncaught conversion error: the
// guard around every handler shows it in the error report.
[[noreturn]] inline void throwConversionError(const std::u16string& message) {
    throw std::runtime_error(qs(message).toStdString());
}

}  // namespace pilecalc::app
