// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A save that keeps the window alive. The file is written on a worker thread; a save
// that ends within about half a second is not seen at all. A longer one shows the busy
// cursor and, when given a status label, "存盘中 n %" on it; the window takes no input
// meanwhile except Esc, which stops the save and keeps the earlier file. The call
// returns when the file is in place (or the save failed or stopped), as a plain save does.
#include <functional>

#include "platform/LineStream.h"
#include "platform/ResultFile.h"

class QLabel;
class QWidget;

namespace pilecalc::app {

using SaveJob = std::function<platform::SaveOutcome(platform::SaveControl&)>;

// status may be null (the results viewer has no status line of its own).
platform::SaveOutcome runSave(QWidget& window, QLabel* status, const SaveJob& job);

}  // namespace pilecalc::app
