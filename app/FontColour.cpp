#include "app/FontColour.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace pilecalc::app {
namespace {

QPalette::ColorRole roleOf(const QWidget* control) {
    if (qobject_cast<const QLabel*>(control) || qobject_cast<const QCheckBox*>(control) ||
        qobject_cast<const QGroupBox*>(control)) {
        return QPalette::WindowText;
    }
    if (qobject_cast<const QAbstractButton*>(control)) return QPalette::ButtonText;
    return QPalette::Text;
}

}  // namespace

void setFontColour(QWidget* control, QRgb argb) {
    const QPalette::ColorRole role = roleOf(control);
    QPalette palette = control->palette();
    // Repainting is the costly part of a batch: skip a colour already held. All three groups
    // must hold it, or a disabled control would show the style's grey instead of its colour.
    if (palette.color(QPalette::Active, role).rgba() == argb &&
        palette.color(QPalette::Inactive, role).rgba() == argb &&
        palette.color(QPalette::Disabled, role).rgba() == argb) {
        return;
    }
    const QColor colour = QColor::fromRgba(argb);
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    control->setPalette(palette);
}

QRgb fontColour(const QWidget* control) { return control->palette().color(roleOf(control)).rgba(); }

void setFontSize(QWidget* control, double points) {
    QFont f = control->font();
    f.setPointSizeF(points);
    control->setFont(f);
}

}  // namespace pilecalc::app
