// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontColour.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <vector>

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
    // A combo edit draws its text with Text in its line edit, yet its own foreground role
    // is WindowText (and ButtonText in its frame): all three carry the colour, so the
    // control reads the same colour whichever role is asked for.
    std::vector<QPalette::ColorRole> roles{roleOf(control)};
    if (qobject_cast<const QComboBox*>(control)) roles = {QPalette::Text, QPalette::WindowText, QPalette::ButtonText};
    const QPalette::ColorGroup groups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};
    QPalette palette = control->palette();
    // Repainting is the costly part of a batch: skip a colour already held. Every group must
    // hold it, or a disabled control would show the style's grey instead of its colour.
    bool held = true;
    for (QPalette::ColorRole role : roles) {
        for (QPalette::ColorGroup group : groups) held = held && palette.color(group, role).rgba() == argb;
    }
    if (held) return;
    const QColor colour = QColor::fromRgba(argb);
    for (QPalette::ColorRole role : roles) {
        for (QPalette::ColorGroup group : groups) palette.setColor(group, role, colour);
    }
    control->setPalette(palette);
}

QRgb fontColour(const QWidget* control) { return control->palette().color(roleOf(control)).rgba(); }

void setFontSize(QWidget* control, double points) {
    QFont f = control->font();
    f.setPointSizeF(points);
    control->setFont(f);
}

}  // namespace pilecalc::app
