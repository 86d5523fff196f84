// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small factory functions that give a control its design name, parent, place and
// fixed texts in one line, so the window's build code reads like its layout table.

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pilecalc::app {

class ScaledLayer;

QLabel* makeLabel(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text);
QPushButton* makeButton(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text,
                        const QString& hint = {});
// Rounds the corners of `button` with `designRadius` design units, scaled with `layer`;
// the button keeps its palette colours. makeButton gives every button 10.
void setCornerRadius(ScaledLayer* layer, QPushButton* button, double designRadius);

QGroupBox* makeGroupBox(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& title);
// An editable combo box: free text, the items are suggestions only.
QComboBox* makeComboEdit(ScaledLayer* layer, QWidget* parent, const char* name, QRect place,
                         const QStringList& items, const QString& text);
QLineEdit* makeEdit(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text);
QCheckBox* makeCheckBox(ScaledLayer* layer, QWidget* parent, const char* name, QRect place, const QString& text,
                        bool checked);

}  // namespace pilecalc::app
