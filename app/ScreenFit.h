// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fitting a fixed-size top-level window to the screen it opens on. The window's layout is
// drawn in design units; on a screen too small for the design size (a 1080-pixel laptop at
// 150 %, say) the whole window, frame included, is shrunk uniformly until it fits the
// screen's available area, and it is centred there. Its layers scale with it.
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace pilecalc::app {

// Largest uniform scale, at most 1, at which a client area of `designSize` with `frame`
// around it fits inside `available`.
double fittingScale(QSize designSize, QMargins frame, QRect available);

// Gives `window` its fixed size (the design size, shrunk when needed) and centres its
// frame in the available area of its screen. Uses the real frame once the window system
// reports it.
void fitToScreen(QWidget* window, QSize designSize);

// Fits `window` now and again whenever it is shown, its frame becomes known or it moves
// to another screen.
void keepFittedToScreen(QWidget* window, QSize designSize);

}  // namespace pilecalc::app
