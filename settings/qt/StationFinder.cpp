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
    connect(&field_, &QLineEdit::textEdited, this, &StationFinder::Edited);
    connect(&field_, &QLineEdit::textChanged, this, [this](const QString& text) {
        previousText_ = shownText_;
        shownText_ = text;
    });
}

void StationFinder::Edited(const QString& text) {
    // The text before this edit, whichever of the two signals came first.
    const QString before = shownText_ == text ? previousText_ : shownText_;
    if (before == typed_) {
        Filter(text);
        return;
    }
    qsizetype head = 0;
    while (head < before.size() && head < text.size() && before[head] == text[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < text.size() - head &&
           before[before.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    const QString inserted = text.mid(head, text.size() - head - tail);
    field_.setText(inserted);
    Filter(inserted);
}

void StationFinder::Clear() {
    field_.clear();
    Filter({});
}

void StationFinder::Filter(const QString& typed) {
    // Folding the directory waits for the first search: a dialog nobody searches in costs
    // nothing more to show.
    if (!search_)
        search_.emplace(model_.Rows());
    const int highlighted = model_.DirectoryRow(list_.currentIndex());
    const QByteArray utf8 = typed.toUtf8();
    typed_ = typed;
    searching_ = !typed.isEmpty();
    movingHighlight_ = true;
    if (searching_)
        model_.ShowMatches(search_->Find(std::string_view(utf8.constData(), utf8.size())));
    else
        model_.ShowAllRows();
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
