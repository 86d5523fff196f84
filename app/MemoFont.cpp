// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MemoFont.h"

#include <QStringList>

namespace pilecalc::app {

QFont memoFont(double pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("SimHei"), QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace pilecalc::app
