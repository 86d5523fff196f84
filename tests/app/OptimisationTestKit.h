// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers of the optimisation layer's window tests: writing the ranges grid, reading a
// result list as texts, a snapshot of everything the main layer shows, and the batch run
// done the slow way — one pile at a time through the compute handler, the way the layer
// was first designed — as the reference for the fast run.
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

class MainWindow;
class QTableView;

namespace pilecalc::test {

// Texts of the ranges grid's rows 0..2 (d, hr, frk), columns minimum, maximum, step.
struct RangeTexts {
    QString d[3];
    QString hr[3];
    QString frk[3];
};

RangeTexts defaultRanges();
void writeRanges(MainWindow& w, const RangeTexts& ranges);
void writeFilterBounds(MainWindow& w, const QString& minimum, const QString& maximum);

// All cells of a result list as its view shows them, rows in order, 17 columns each.
QList<QStringList> listCells(QTableView* list);
// The header texts of a result list as created (logical) order.
QStringList listHeaders(QTableView* list);

// Everything of the main layer a user can see, one "name=value" line each, plus the
// run state the batch leaves; two windows in the same state give the same lines.
QStringList mainLayerState(MainWindow& w);
// The optimisation layer's status line, buttons, sort states and list headers.
QStringList optimisationLayerState(MainWindow& w);

// The batch the slow way on `w`, which must show the optimisation layer: every
// combination's texts written into the inputs, cbt_computeClick run, and the row built
// from the output fields. Returns the rows; the layer's messages, buttons, sort states
// and headers end as the design says.
QList<QStringList> literalBatch(MainWindow& w, const RangeTexts& ranges);

}  // namespace pilecalc::test

Q_DECLARE_METATYPE(pilecalc::test::RangeTexts)
