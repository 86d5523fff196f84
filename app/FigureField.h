// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Output fields that always show their whole figure. A line edit scrolls a text wider
// than itself to its end, so "1385442.00" would read "385442.00": a field kept whole
// shrinks its font instead, as little as needed and never below a legible floor, and
// carries the whole value in its tooltip. The text itself is never touched.
class QLabel;
class QLineEdit;

namespace pilecalc::app {

class ScaledLayer;

// The smallest font, in design points, that a figure may be shrunk to.
inline constexpr double kSmallestFigurePoints = 6.0;

// Keeps `edit` (placed in `layer`) showing its whole text at `designPoints` (in design
// units, scaled with the layer) or the largest smaller size at which it fits.
void keepFigureWhole(QLineEdit* edit, ScaledLayer* layer, double designPoints);

// Keeps a message label (placed in `layer`) showing its whole text: a text wider than the
// label wraps onto further lines, and when those do not fit its height the font shrinks,
// never below kSmallestFigurePoints.
void keepMessageWhole(QLabel* label, ScaledLayer* layer);

// The same for a one-line label such as an address, which shrinks without wrapping.
void keepLineWhole(QLabel* label, ScaledLayer* layer);

// Width in pixels that a line edit gives its text before it scrolls.
double textRoom(const QLineEdit* edit);

}  // namespace pilecalc::app
