#include "settings/qt/StationListModel.h"

namespace stormbell {

StationListModel::StationListModel(const std::vector<StationRow>& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows) {}

int StationListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant StationListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return QString::fromLatin1(rows_[static_cast<std::size_t>(index.row())].DisplayText);
}

} // namespace stormbell
