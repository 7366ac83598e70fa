#include "settings/qt/StationListModel.h"

#include <algorithm>
#include <numeric>

namespace stormbell {

StationListModel::StationListModel(const std::vector<StationRow>& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows), shown_(rows.size()) {
    std::iota(shown_.begin(), shown_.end(), 0);
}

int StationListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant StationListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return QString::fromLatin1(rows_[static_cast<std::size_t>(DirectoryRow(index))].DisplayText);
}

void StationListModel::ShowRows(std::vector<int> shown) {
    beginResetModel();
    shown_ = std::move(shown);
    endResetModel();
}

int StationListModel::DirectoryRow(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return -1;
    return shown_[static_cast<std::size_t>(index.row())];
}

QModelIndex StationListModel::IndexOf(int row) const {
    const auto at = std::lower_bound(shown_.begin(), shown_.end(), row);
    if (at == shown_.end() || *at != row)
        return {};
    return index(static_cast<int>(at - shown_.begin()), 0);
}

} // namespace stormbell
