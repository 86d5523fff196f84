// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FigureField.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "app/ScaledLayer.h"

namespace pilecalc::app {
namespace {

// QLineEdit keeps 2 pixels free at each side of its text and one for the cursor.
constexpr double kLineEditMargins = 2 * 2 + 1;
// Point-size step of the search for a font that fits.
constexpr double kStep = 0.25;

class FigureFitter final : public QObject {
public:
    FigureFitter(QLineEdit* edit, ScaledLayer* layer, double designPoints)
        : QObject(edit), m_edit(edit), m_layer(layer), m_designPoints(designPoints) {
        connect(edit, &QLineEdit::textChanged, this, &FigureFitter::refit);
        connect(layer, &ScaledLayer::rescaled, this, &FigureFitter::refit);
        refit();
    }

private:
    void refit() {
        if (!m_edit || !m_layer) return;
        const QString text = m_edit->text();
        if (m_edit->toolTip() != text) m_edit->setToolTip(text);
        const double scale = m_layer->scale();
        const double full = m_designPoints * scale;
        const double floor = kSmallestFigurePoints * scale;
        QFont font = m_edit->font();
        font.setPointSizeF(full);
        const double room = textRoom(m_edit);
        double size = full;
        if (!text.isEmpty() && room > 0) {
            const double width = QFontMetricsF(font).horizontalAdvance(text);
            if (width > room) {
                // Start from the proportional guess, then step down past hinting effects.
                size = std::max(floor, std::floor(full * room / width / kStep) * kStep);
                font.setPointSizeF(size);
                while (size > floor && QFontMetricsF(font).horizontalAdvance(text) > room) {
                    size = std::max(floor, size - kStep);
                    font.setPointSizeF(size);
                }
            }
        }
        font.setPointSizeF(size);
        if (std::abs(m_edit->font().pointSizeF() - size) > 1e-6) m_edit->setFont(font);
    }

    QPointer<QLineEdit> m_edit;
    QPointer<ScaledLayer> m_layer;
    double m_designPoints;
};

// The message label's counterpart: wraps, then shrinks.
class MessageFitter final : public QObject {
public:
    MessageFitter(QLabel* label, ScaledLayer* layer, bool wrap)
        : QObject(label),
          m_label(label),
          m_layer(layer),
          m_designPoints(label->font().pointSizeF() / layer->scale()),
          m_wrap(wrap) {
        label->setWordWrap(wrap);
        label->installEventFilter(this);
        connect(layer, &ScaledLayer::rescaled, this, &MessageFitter::refit);
        refit();
    }

    bool eventFilter(QObject*, QEvent* event) override {
        // QLabel has no signal for a new text: the text is fitted when it is painted,
        // just before the label draws it.
        if (event->type() == QEvent::Paint || event->type() == QEvent::Show) {
            if (m_label && m_label->text() != m_fittedText) refit();
        }
        return false;
    }

    void refit() {
        if (!m_label || !m_layer) return;
        m_fittedText = m_label->text();
        const double scale = m_layer->scale();
        const double floor = kSmallestFigurePoints * scale;
        double size = m_designPoints * scale;
        QFont font = m_label->font();
        font.setPointSizeF(size);
        const QRectF room = m_label->contentsRect();
        auto fits = [&](const QFont& f) {
            const QRectF need = QFontMetricsF(f).boundingRect(
                QRectF(0, 0, room.width(), 1e6), (m_wrap ? Qt::TextWordWrap : 0) | Qt::AlignLeft, m_fittedText);
            return need.height() <= room.height() + 0.5 && need.width() <= room.width() + 0.5;
        };
        if (!m_fittedText.isEmpty() && room.width() > 0) {
            while (size > floor && !fits(font)) {
                size = std::max(floor, size - kStep);
                font.setPointSizeF(size);
            }
        }
        if (std::abs(m_label->font().pointSizeF() - size) > 1e-6) m_label->setFont(font);
    }

private:
    QPointer<QLabel> m_label;
    QPointer<ScaledLayer> m_layer;
    double m_designPoints;
    bool m_wrap;
    QString m_fittedText;
};

}  // namespace

void keepMessageWhole(QLabel* label, ScaledLayer* layer) { new MessageFitter(label, layer, true); }
void keepLineWhole(QLabel* label, ScaledLayer* layer) { new MessageFitter(label, layer, false); }

double textRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit->isReadOnly()) option.state |= QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - kLineEditMargins;
}

void keepFigureWhole(QLineEdit* edit, ScaledLayer* layer, double designPoints) {
    new FigureFitter(edit, layer, designPoints);
}

}  // namespace pilecalc::app
