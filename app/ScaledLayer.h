// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace pilecalc::app {

// A layer of the window laid out in its own design space (330 x 692 units for the
// calculator's layers): every placed child keeps its design rectangle, and the whole
// layer, fonts included, is scaled uniformly to the space it gets, centred with its
// aspect ratio kept. Children of a placed group box are placed relative to the box.
class ScaledLayer : public QWidget {
    Q_OBJECT
public:
    ScaledLayer(const QString& name, QSize designSize, QWidget* parent);

    // Puts `widget` (a child of this layer or of a widget placed in it) at `designRect`,
    // given in its parent's design coordinates.
    void place(QWidget* widget, const QRect& designRect);

    QSize designSize() const { return m_designSize; }
    // Pixels per design unit at the present size.
    double scale() const { return m_scale; }
    // Pixels, in this layer's coordinates, of a rectangle given in design units.
    QRect toPixels(const QRect& designRect) const;
    // Where a placed widget sits in design units (empty for widgets not placed here).
    QRect designRect(const QWidget* widget) const;

signals:
    // After every new layout: the scale, the places and the fonts are those of the new size.
    void rescaled();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placement {
        QPointer<QWidget> widget;
        QRect design;
    };
    void relayout();
    QRect scaled(const Placement& p) const;

    QSize m_designSize;
    std::vector<Placement> m_placements;
    double m_scale = 1.0;
    double m_fontScale = 1.0;  // scale the fonts were last set for
    QPointF m_offset;
};

}  // namespace pilecalc::app
