// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LogoPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pilecalc::app {
namespace {

// A bored pile (grey shaft) standing in soil with its lower end in hatched rock.
void drawEmblem(QPainter& p, const QRectF& box) {
    const double w = box.width();
    const double h = box.height();
    QRectF rock(box.left(), box.top() + h * 0.6, w, h * 0.4);
    p.fillRect(rock, QColor(0x8B, 0x5A, 0x2B));
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x1A), std::max(1.0, w / 40)));
    for (double x = rock.left() - rock.height(); x < rock.right(); x += w / 6) {
        p.drawLine(QPointF(x, rock.bottom()), QPointF(x + rock.height(), rock.top()));
    }
    QRectF soil(box.left(), box.top() + h * 0.25, w, h * 0.35);
    p.fillRect(soil, QColor(0xD2, 0xB4, 0x8C));
    QRectF shaft(box.left() + w * 0.38, box.top(), w * 0.24, h * 0.9);
    QLinearGradient concrete(shaft.topLeft(), shaft.topRight());
    concrete.setColorAt(0, QColor(0x90, 0x90, 0x90));
    concrete.setColorAt(0.5, QColor(0xE0, 0xE0, 0xE0));
    concrete.setColorAt(1, QColor(0x80, 0x80, 0x80));
    p.setPen(Qt::NoPen);
    p.fillRect(shaft, concrete);
    QPainterPath arrow;
    arrow.moveTo(shaft.center().x(), box.top() - h * 0.02);
    arrow.lineTo(shaft.center().x() - w * 0.1, box.top() - h * 0.2);
    arrow.lineTo(shaft.center().x() + w * 0.1, box.top() - h * 0.2);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(0xC0, 0x20, 0x20));
}

}  // namespace

QPixmap drawLogoStrip(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient background(QPointF(size.width() / 2.0, size.height() / 2.0), size.width() / 2.0);
    background.setColorAt(0, QColor(0xF5, 0xBD, 0xBD));
    background.setColorAt(1, Qt::white);
    p.fillRect(pixmap.rect(), background);
    const double h = size.height() * 0.8;
    drawEmblem(p, QRectF(size.width() * 0.18, size.height() * 0.15, h * 0.8, h * 0.85));
    QFont f = p.font();
    f.setPixelSize(std::max(6, size.height() * 2 / 5));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x8A, 0x2B, 0xE2));
    const QRectF textBox(size.width() * 0.18 + h, 0, size.width() * 0.8 - h, size.height());
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("PILECALC  ·  JTS 167-4-2012"));
    return pixmap;
}

}  // namespace pilecalc::app
