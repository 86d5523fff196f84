// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

class QWidget;

namespace pilecalc::app {

// Font colours of the window, 32-bit ARGB.
inline constexpr QRgb kRed = 0xFFFF0000;      // a failed check
inline constexpr QRgb kMagenta = 0xFFFF00FF;  // a hint
inline constexpr QRgb kBlack = 0xFF000000;    // a value that passed, information
inline constexpr QRgb kBlue = 0xFF0000FF;
inline constexpr QRgb kGreen = 0xFF008000;
inline constexpr QRgb kBlueViolet = 0xFF8A2BE2;

// The colour role that carries a control's text: Text for edits and combo edits,
// ButtonText for buttons, WindowText for labels, check boxes and group boxes.
void setFontColour(QWidget* control, QRgb argb);
QRgb fontColour(const QWidget* control);

// Point size of a control's font (the fonts of the window scale with its layer).
void setFontSize(QWidget* control, double points);

}  // namespace pilecalc::app
