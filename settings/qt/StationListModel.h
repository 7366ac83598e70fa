// The station directory as rows of a Qt list: one display text per row, in the directory's order.
#pragma once

#include <QAbstractListModel>

#include <vector>

#include "settings/stations/StationDirectory.h"

namespace stormbell {

class StationListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    /// Shows `rows`, which must outlive the model.
    explicit StationListModel(const std::vector<StationRow>& rows = StationDirectory(),
                              QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    /// The row's display text for the display role; nothing for other roles or rows.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const std::vector<StationRow>& rows_;
};

} // namespace stormbell
