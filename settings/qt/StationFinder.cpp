#include "settings/qt/StationFinder.h"

#include "settings/qt/StationListModel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

#include <string_view>

namespace stormbell {

StationFinder::StationFinder(QLineEdit& field, QListView& list, StationListModel& model,
                             std::function<void()> pick)
    : QObject(&field), field_(field), list_(list), model_(model), pick_(std::move(pick)) {
    field_.installEventFilter(this);
    list_.installEventFilter(this);
    // Only what the user types filters: the program writes the picked row's text there too.
    connect(&field_, &QLineEdit::textEdited, this, &StationFinder::Filter);
}

void StationFinder::Clear() {
    field_.clear();
    Filter({});
}

void StationFinder::Filter(const QString& typed) {
    // Folding the directory waits for the first search: a dialog nobody searches in costs
    // nothing more to show.
    if (!search_)
        search_.emplace();
    const int highlighted = model_.DirectoryRow(list_.currentIndex());
    const QByteArray utf8 = typed.toUtf8();
    typed_ = typed;
    searching_ = !typed.isEmpty();
    movingHighlight_ = true;
    model_.ShowRows(search_->Find(std::string_view(utf8.constData(), utf8.size())));
    movingHighlight_ = false;
    const QModelIndex kept = model_.IndexOf(highlighted);
    if (kept.isValid() || searching_)
        Highlight(kept.isValid() ? kept : model_.index(0, 0));
}

void StationFinder::Highlight(const QModelIndex& index) {
    movingHighlight_ = true;
    list_.setCurrentIndex(index);
    movingHighlight_ = false;
    if (index.isValid())
        list_.scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool StationFinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool inField = watched == &field_;
    const QString text = key->text();
    const bool plainKey = (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
    const bool printable = plainKey && !text.isEmpty() && text.front().isPrint();
    const bool erases = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
    if (inField && (printable || erases) && field_.text() != typed_) {
        // The field shows the picked row: what is typed now is a search of its own.
        field_.clear();
        Filter({});
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Down:
        if (!inField)
            return false;
        // Highlighted before the list has the focus, which would otherwise make its first row
        // current, and a current row is a picked one.
        if (!list_.currentIndex().isValid())
            Highlight(model_.index(0, 0));
        list_.setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (list_.currentIndex().isValid())
            pick_();
        return true;
    case Qt::Key_Escape:
        if (inField ? field_.text().isEmpty() : !searching_)
            return false; // the dialog closes
        Clear();
        return true;
    default:
        break;
    }
    // A letter typed in the list moves to the next row starting with it, as in any list, but
    // only a click, Return or an arrow key picks a station.
    if (inField || !printable)
        return false;
    movingHighlight_ = true;
    list_.keyboardSearch(text);
    movingHighlight_ = false;
    return true;
}

} // namespace stormbell
