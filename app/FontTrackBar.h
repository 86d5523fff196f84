// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The font-size track bar of the results viewer. A slider moves in whole steps; this one
// follows the pointer continuously, so the size may be 11.4 pt as well as 11 or 12. Its
// whole-number value (minimum, maximum, value) stays that of a plain slider, rounded.
#include <QSlider>

namespace pilecalc::app {

class FontTrackBar : public QSlider {
    Q_OBJECT
public:
    explicit FontTrackBar(QWidget* parent);

    // The size chosen, in points: fractional while the pointer drags the bar.
    double exactValue() const { return m_exact; }

signals:
    void exactValueChanged(double points);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double valueAt(double x) const;
    void setExact(double points);

    double m_exact = 0.0;
    bool m_dragging = false;
    bool m_fromPointer = false;
};

}  // namespace pilecalc::app
