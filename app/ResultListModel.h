// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table model behind both optimisation result lists. It holds one compact
// pilecalc::ResultList (72 bytes a row) and makes a cell's text only when the view
// asks for it, so a list of a million piles costs no per-cell item or string.
// Columns are the 17 result columns in their created order; a view may move them
// on screen, the model's column stays the column's own position.
#include <QAbstractTableModel>
#include <QString>
#include <array>

#include "optimisation/ResultList.h"

namespace pilecalc::app {

class ResultListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ResultListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const ResultList& list() const { return m_list; }

    // Rows are removed and inserted, never reset: a reset would make the header
    // forget which columns are hidden, moved or resized.
    void setList(ResultList list);
    void clear();
    // Runs a reordering of the rows in place (sort, reverse) and repaints them.
    template <class Reorder>
    void reorder(Reorder&& change) {
        change(m_list);
        rowsChangedInPlace();
    }

    // Header text of a column as created (0..16); headerData returns it unchanged.
    void setHeader(int column, const QString& text);
    QString header(int column) const;

  private:
    void rowsChangedInPlace();

    ResultList m_list;
    std::array<QString, kResultColumns> m_headers;
};

}  // namespace pilecalc::app
