// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace pilecalc::app {

// The font of the two report memos: "SimHei" where installed, else a CJK monospace in
// which an ideograph is exactly two Latin columns wide, so the report columns line up.
QFont memoFont(double pointSize);

}  // namespace pilecalc::app
