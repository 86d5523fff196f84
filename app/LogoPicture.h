// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>

namespace pilecalc::app {

// The banner at the foot of the main layer: a small emblem of a pile socketed in rock on
// a radial gradient from light pink to white. Drawn by the program; no image files.
QPixmap drawLogoStrip(QSize size);

}  // namespace pilecalc::app
