// Stations as rows of a Qt list: every row of the directory in its order, or the stations a
// search found, best first, each telling the name that found it.
#pragma once

#include <QAbstractListModel>

#include <vector>

#include "settings/stations/StationSearch.h"

namespace stormbell {

class StationListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    /// Shows all of `rows`, which must outlive the model.
    explicit StationListModel(const std::vector<StationRow>& rows = StationDirectory(),
                              QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    /// The station's label (MatchLabel) for the display role; nothing for other roles or rows.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// The directory rows the model shows when no search is under way.
    const std::vector<StationRow>& Rows() const { return rows_; }
    /// Shows every directory row in order (a reset of the model).
    void ShowAllRows();
    /// Shows only `shown`, in their order (a reset of the model).
    void ShowMatches(std::vector<StationMatch> shown);
    /// The directory row that list row `index` shows; -1 for an invalid index or a station the
    /// directory lacks.
    int DirectoryRow(const QModelIndex& index) const;
    /// The identifier of the station list row `index` shows; empty for an invalid index.
    QString Identifier(const QModelIndex& index) const;
    /// The station's own text, without the name that found it; empty for an invalid index.
    QString Text(const QModelIndex& index) const;
    /// The list row showing directory row `row`; invalid when it is not shown.
    QModelIndex IndexOf(int row) const;

private:
    const StationMatch* MatchAt(const QModelIndex& index) const;

    const std::vector<StationRow>& rows_;
    std::vector<StationMatch> shown_;
};

} // namespace stormbell
