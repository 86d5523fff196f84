// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScaledLayer.h"

#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace pilecalc::app {

ScaledLayer::ScaledLayer(const QString& name, QSize designSize, QWidget* parent)
    : QWidget(parent), m_designSize(designSize) {
    setObjectName(name);
}

void ScaledLayer::place(QWidget* widget, const QRect& designRect) {
    m_placements.push_back({widget, designRect});
    widget->setGeometry(scaled(m_placements.back()));
}

QRect ScaledLayer::designRect(const QWidget* widget) const {
    for (const auto& p : m_placements) {
        if (p.widget == widget) return p.design;
    }
    return {};
}

void ScaledLayer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

QRect ScaledLayer::toPixels(const QRect& d) const {
    return {static_cast<int>(std::lround(m_offset.x() + d.x() * m_scale)),
            static_cast<int>(std::lround(m_offset.y() + d.y() * m_scale)),
            static_cast<int>(std::lround(d.width() * m_scale)), static_cast<int>(std::lround(d.height() * m_scale))};
}

QRect ScaledLayer::scaled(const Placement& p) const {
    // Only the layer's own children are shifted by the centring offset; grandchildren
    // sit inside their scaled parent.
    const bool direct = p.widget && p.widget->parentWidget() == this;
    const double ox = direct ? m_offset.x() : 0.0;
    const double oy = direct ? m_offset.y() : 0.0;
    const int x = static_cast<int>(std::lround(ox + p.design.x() * m_scale));
    const int y = static_cast<int>(std::lround(oy + p.design.y() * m_scale));
    const int w = static_cast<int>(std::lround(p.design.width() * m_scale));
    const int h = static_cast<int>(std::lround(p.design.height() * m_scale));
    return {x, y, w, h};
}

void ScaledLayer::relayout() {
    if (m_designSize.isEmpty()) return;
    const double sx = static_cast<double>(width()) / m_designSize.width();
    const double sy = static_cast<double>(height()) / m_designSize.height();
    m_scale = std::max(0.05, std::min(sx, sy));
    m_offset = QPointF((width() - m_designSize.width() * m_scale) / 2.0,
                       (height() - m_designSize.height() * m_scale) / 2.0);
    const double fontFactor = m_scale / m_fontScale;
    const bool refont = std::abs(fontFactor - 1.0) > 1e-9;
    if (refont) {
        // Widgets without a font of their own inherit the layer's; those with one are
        // scaled one by one below, so no font is scaled twice.
        QFont layerFont = font();
        if (layerFont.pointSizeF() > 0) {
            layerFont.setPointSizeF(layerFont.pointSizeF() * fontFactor);
            setFont(layerFont);
        }
    }
    for (const auto& p : m_placements) {
        if (!p.widget) continue;
        p.widget->setGeometry(scaled(p));
        if (refont && p.widget->testAttribute(Qt::WA_SetFont)) {
            QFont f = p.widget->font();
            if (f.pointSizeF() > 0) {
                f.setPointSizeF(f.pointSizeF() * fontFactor);
                p.widget->setFont(f);
            }
        }
    }
    m_fontScale = m_scale;
    emit rescaled();
}

}  // namespace pilecalc::app
