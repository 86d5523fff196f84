// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontTrackBar.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

namespace pilecalc::app {

FontTrackBar::FontTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    m_exact = value();
    // Keys, the wheel and setValue move in whole steps; the exact size follows them.
    connect(this, &QSlider::valueChanged, this, [this](int whole) {
        if (!m_fromPointer) setExact(whole);
    });
}

double FontTrackBar::valueAt(double x) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const double span = groove.width() - handle.width();
    if (span <= 0) return value();
    // The handle's centre follows the pointer.
    const double along = std::clamp((x - groove.x() - handle.width() / 2.0) / span, 0.0, 1.0);
    return minimum() + along * (maximum() - minimum());
}

void FontTrackBar::setExact(double points) {
    if (std::abs(points - m_exact) < 1e-9) return;
    m_exact = points;
    emit exactValueChanged(points);
}

void FontTrackBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QSlider::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    setSliderDown(true);
    mouseMoveEvent(event);
    event->accept();
}

void FontTrackBar::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        QSlider::mouseMoveEvent(event);
        return;
    }
    const double points = valueAt(event->position().x());
    const bool changed = std::abs(points - m_exact) > 1e-9;
    // The exact size first, so that whoever hears of the whole value reads the exact one.
    m_exact = points;
    m_fromPointer = true;
    setValue(static_cast<int>(std::lround(points)));
    m_fromPointer = false;
    if (changed) emit exactValueChanged(points);
    event->accept();
}

void FontTrackBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    setSliderDown(false);
    event->accept();
}

}  // namespace pilecalc::app
