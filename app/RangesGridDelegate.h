// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Item delegate of the ranges grid. An edit that the user accepts reports its cell
// (column as created, row) after the text is stored, also when the accepted text is the
// one the cell already held: accepting an edit is what re-enables "计算" or "筛选",
// whether or not the value changed. An edit cancelled with Esc stores nothing and
// reports nothing.
#include <QString>
#include <QStyledItemDelegate>
#include <QTableWidgetItem>
#include <functional>

namespace pilecalc::app {

class RangesGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using EditAccepted = std::function<void(int column, int row)>;
    RangesGridDelegate(EditAccepted onAccepted, QObject* parent);

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // Stops reporting: an editor that commits while its window is being torn down
    // must not reach a window that is already half destroyed.
    void detach() { m_onAccepted = nullptr; }

  private:
    EditAccepted m_onAccepted;
};

// A cell of the ranges grid. Writing a text into it reports the cell as changed even
// when the cell already holds that text: a text written into an editable cell is an
// accepted edit, and an accepted edit counts whether or not the value changed.
class RangesGridItem final : public QTableWidgetItem {
  public:
    using QTableWidgetItem::QTableWidgetItem;
    QTableWidgetItem* clone() const override { return new RangesGridItem(*this); }
    void setData(int role, const QVariant& value) override;
};

// The text of a cell of the ranges grid; a cell without an item reads as empty.
QString rangesCellText(const QTableWidget* grid, int row, int column);

// The cells of the ranges grid that take edits: rows 0 to 2 (d, hr, frk) in the minimum,
// maximum and step columns, and the Qcd bounds of row 4 (minimum and maximum).
inline bool isRangeCell(int column, int row) { return row >= 0 && row <= 2 && column >= 1 && column <= 3; }
inline bool isFilterCell(int column, int row) { return row == 4 && (column == 1 || column == 2); }
inline bool isEditableRangesCell(int column, int row) { return isRangeCell(column, row) || isFilterCell(column, row); }

}  // namespace pilecalc::app
