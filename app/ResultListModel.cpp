// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResultListModel.h"

namespace pilecalc::app {

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kResultColumns; }

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kResultColumns) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdU16String(m_list.cell(static_cast<std::size_t>(index.row()), index.column()));
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole && section >= 0 && section < kResultColumns) return m_headers[section];
        return {};
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ResultListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;  // never editable
}

void ResultListModel::setList(ResultList list) {
    clear();
    if (list.empty()) {
        m_list = std::move(list);
        return;
    }
    beginInsertRows({}, 0, static_cast<int>(list.size()) - 1);
    m_list = std::move(list);
    endInsertRows();
}

void ResultListModel::clear() {
    if (m_list.empty()) return;
    beginRemoveRows({}, 0, static_cast<int>(m_list.size()) - 1);
    m_list = ResultList(m_list.context());
    endRemoveRows();
}

void ResultListModel::rowsChangedInPlace() {
    if (m_list.empty()) return;
    emit dataChanged(index(0, 0), index(static_cast<int>(m_list.size()) - 1, kResultColumns - 1), {Qt::DisplayRole});
}

void ResultListModel::setHeader(int column, const QString& text) {
    if (column < 0 || column >= kResultColumns || m_headers[column] == text) return;
    m_headers[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString ResultListModel::header(int column) const {
    return column >= 0 && column < kResultColumns ? m_headers[column] : QString();
}

}  // namespace pilecalc::app
