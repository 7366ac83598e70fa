// The options dialog's station search: the name field filters the station list as the user
// types, and the keys move between the two as in any search box over a list.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "settings/stations/StationSearch.h"

class QLineEdit;
class QListView;

namespace stormbell {

class StationListModel;

class StationFinder final : public QObject {
    Q_OBJECT
public:
    /// Filters `list` (showing `model`) by what is typed into `field`; Return (or Enter) in
    /// either runs `pick` for the highlighted row. All three must outlive the finder.
    StationFinder(QLineEdit& field, QListView& list, StationListModel& model,
                  std::function<void()> pick);

    /// Whether the list shows only what the user searched for.
    bool Searching() const { return searching_; }
    /// True while the finder, not the user, moves the list's highlight: that picks nothing.
    bool MovingHighlight() const { return movingHighlight_; }
    /// Empties the field and shows every row again, the highlighted one in view.
    void Clear();

protected:
    /// Down in the field goes into the list; Return picks the highlighted row; Escape empties
    /// the field before it closes the dialog; a letter typed in the list only moves the
    /// highlight.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The user changed the field's text to `text`. While the field showed a picked row's text,
    /// what was typed, pasted or composed into it is a search of its own and replaces it.
    void Edited(const QString& text);
    /// Shows the rows matching `typed`, keeping the highlighted row when it is among them, else
    /// highlighting the first.
    void Filter(const QString& typed);
    void Highlight(const QModelIndex& index);

    QLineEdit& field_;
    QListView& list_;
    StationListModel& model_;
    std::function<void()> pick_;
    std::optional<StationSearch> search_; ///< made on the first search
    QString typed_; ///< the search as the user typed it; the field may show a row's text instead
    QString shownText_;    ///< the field's text as of its last change
    QString previousText_; ///< the field's text before that change
    bool searching_ = false;
    bool movingHighlight_ = false;
};

} // namespace stormbell
