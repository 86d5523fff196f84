// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    return button;
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
