// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RangesGridDelegate.h"

#include <QTableWidget>

namespace pilecalc::app {

RangesGridDelegate::RangesGridDelegate(EditAccepted onAccepted, QObject* parent)
    : QStyledItemDelegate(parent), m_onAccepted(std::move(onAccepted)) {}

void RangesGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    QStyledItemDelegate::setModelData(editor, model, index);
    if (m_onAccepted && index.isValid()) m_onAccepted(index.column(), index.row());
}

QString rangesCellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void RangesGridItem::setData(int role, const QVariant& value) {
    const bool sameText = (role == Qt::DisplayRole || role == Qt::EditRole) && data(Qt::DisplayRole) == value;
    QTableWidgetItem::setData(role, value);
    // The grid's model stays silent about a value written again; say it here, so that
    // the editing rules see the write like any other.
    QTableWidget* grid = tableWidget();
    if (!sameText || !grid) return;
    const QModelIndex cell = grid->model()->index(grid->row(this), grid->column(this));
    emit grid->model()->dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

}  // namespace pilecalc::app
