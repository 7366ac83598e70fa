#include "settings/qt/StationListModel.h"

#include <algorithm>

namespace stormbell {

StationListModel::StationListModel(const std::vector<StationRow>& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows) {
    ShowAllRows();
}

int StationListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant StationListModel::data(const QModelIndex& index, int role) const {
    const StationMatch* match = role == Qt::DisplayRole ? MatchAt(index) : nullptr;
    if (match == nullptr)
        return {};
    return QString::fromStdString(MatchLabel(*match));
}

void StationListModel::ShowAllRows() {
    std::vector<StationMatch> all;
    all.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row)
        all.push_back({static_cast<int>(row), rows_[row].Identifier, rows_[row].DisplayText, {}});
    ShowMatches(std::move(all));
}

void StationListModel::ShowMatches(std::vector<StationMatch> shown) {
    beginResetModel();
    shown_ = std::move(shown);
    endResetModel();
}

const StationMatch* StationListModel::MatchAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this ||
        static_cast<std::size_t>(index.row()) >= shown_.size())
        return nullptr;
    return &shown_[static_cast<std::size_t>(index.row())];
}

int StationListModel::DirectoryRow(const QModelIndex& index) const {
    const StationMatch* match = MatchAt(index);
    return match == nullptr ? -1 : match->Row;
}

QString StationListModel::Identifier(const QModelIndex& index) const {
    const StationMatch* match = MatchAt(index);
    return match == nullptr ? QString() : QString::fromLatin1(match->Identifier);
}

QString StationListModel::Text(const QModelIndex& index) const {
    const StationMatch* match = MatchAt(index);
    if (match == nullptr)
        return {};
    StationMatch own = *match;
    own.Alias = {};
    return QString::fromStdString(MatchLabel(own));
}

QModelIndex StationListModel::IndexOf(int row) const {
    if (row < 0)
        return {};
    const auto at = std::find_if(shown_.begin(), shown_.end(),
                                 [row](const StationMatch& match) { return match.Row == row; });
    if (at == shown_.end())
        return {};
    return index(static_cast<int>(at - shown_.begin()), 0);
}

} // namespace stormbell
