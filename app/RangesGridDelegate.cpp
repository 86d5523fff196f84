#include "app/RangesGridDelegate.h"

namespace pilecalc::app {

RangesGridDelegate::RangesGridDelegate(EditAccepted onAccepted, QObject* parent)
    : QStyledItemDelegate(parent), m_onAccepted(std::move(onAccepted)) {}

void RangesGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    QStyledItemDelegate::setModelData(editor, model, index);
    if (m_onAccepted && index.isValid()) m_onAccepted(index.column(), index.row());
}

}  // namespace pilecalc::app
