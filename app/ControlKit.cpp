// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/ScaledLayer.h"

namespace pilecalc::app {
namespace {

// An input holds whatever is typed or written into it, however long: the typed text is
// reported as it stands, so it must not be cut at the line edit's usual 32767 characters.
void takeAnyLength(QLineEdit* edit) { edit->setMaxLength(std::numeric_limits<int>::max()); }

template <class W>
W* named(W* widget, ScaledLayer* layer, const char* name, QRect place) {
    widget->setObjectName(QString::fromLatin1(name));
    layer->place(widget, place);
    return widget;
}

}  // namespace

QLabel* makeLabel(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text) {
    return named(new QLabel(text, parent), layer, name, place);
}

QPushButton* makeButton(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text,
                        const QString& hint) {
    auto* button = named(new QPushButton(text, parent), layer, name, place);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    setCornerRadius(layer, button, 10);
    return button;
}

void setCornerRadius(ScaledLayer* layer, QPushButton* button, double designRadius) {
    const bool first = !button->property("cornerRadius").isValid();
    // A style sheet pins the font it finds; made the button's own, the font keeps being
    // scaled with the layer like every other control's.
    if (first && !button->testAttribute(Qt::WA_SetFont)) {
        QFont own = button->font();
        own.setPointSizeF(own.pointSizeF());  // marks the size as the button's own
        button->setFont(own);
    }
    button->setProperty("cornerRadius", designRadius);
    const auto apply = [layer, button] {
        // A radius above half the side would make Qt drop the rounding altogether.
        const double half = std::floor(std::min(button->width(), button->height()) / 2.0);
        const double radius = std::min(button->property("cornerRadius").toDouble() * layer->scale(), half);
        // A style sheet draws the rounded corners; every colour still comes from the
        // button's palette, so a red "★" stays red and a disabled button looks disabled.
        button->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid palette(dark); border-radius: %1px;"
                                             " background-color: palette(button); padding: 0px; }"
                                             "QPushButton:hover { background-color: palette(light); }"
                                             "QPushButton:pressed { background-color: palette(mid); }")
                                  .arg(std::max(1.0, radius), 0, 'f', 1));
    };
    apply();
    if (first) QObject::connect(layer, &ScaledLayer::rescaled, button, apply);
}

QGroupBox* makeGroupBox(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& title) {
    return named(new QGroupBox(title, parent), layer, name, place);
}

QComboBox* makeComboEdit(ScaledLayer* layer, QWidget* parent, const char* name, QRect place,
                         const QStringList& items, const QString& text) {
    auto* combo = named(new QComboBox(parent), layer, name, place);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);  // no inline completion: the text is exactly what was typed
    combo->addItems(items);
    const int index = items.indexOf(text);
    if (index >= 0) combo->setCurrentIndex(index);
    takeAnyLength(combo->lineEdit());
    combo->setEditText(text);
    combo->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    return combo;
}

QLineEdit* makeEdit(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text) {
    auto* edit = named(new QLineEdit(parent), layer, name, place);
    takeAnyLength(edit);
    edit->setText(text);
    return edit;
}

QCheckBox* makeCheckBox(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text,
                        bool checked) {
    auto* box = named(new QCheckBox(text, parent), layer, name, place);
    box->setChecked(checked);
    return box;
}

}  // namespace pilecalc::app
