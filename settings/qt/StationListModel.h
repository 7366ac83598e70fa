// The station directory as rows of a Qt list: one display text per row, in the directory's order;
// all rows, or only the ones a search found.
#pragma once

#include <QAbstractListModel>

#include <vector>

#include "settings/stations/StationDirectory.h"

namespace stormbell {

class StationListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    /// Shows all of `rows`, which must outlive the model.
    explicit StationListModel(const std::vector<StationRow>& rows = StationDirectory(),
                              QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    /// The row's display text for the display role; nothing for other roles or rows.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// Shows only the directory rows `shown`, in their order (a reset of the model).
    void ShowRows(std::vector<int> shown);
    /// The directory row that list row `index` shows; -1 for an invalid index.
    int DirectoryRow(const QModelIndex& index) const;
    /// The list row showing directory row `row`; invalid when it is not shown.
    QModelIndex IndexOf(int row) const;

private:
    const std::vector<StationRow>& rows_;
    std::vector<int> shown_; ///< the directory rows shown, ascending
};

} // namespace stormbell
