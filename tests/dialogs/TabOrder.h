// Walks a dialog's controls with the Tab key, as the user does, and reads from the dialog which
// controls the keyboard can reach and where they stand.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <vector>

namespace stormbell::testing {

/// `widget`, or the control it is the focus proxy of (a spin's text field counts as the spin).
inline QWidget* ControlOf(QWidget* widget) {
    while (widget != nullptr && widget->parentWidget() != nullptr &&
           widget->parentWidget()->focusProxy() == widget)
        widget = widget->parentWidget();
    return widget;
}

/// Every control of `dialog` that Tab can reach: shown, enabled and taking the focus by Tab;
/// of a group of exclusive radio buttons only the checked one, as Tab passes the others over.
inline std::vector<QWidget*> TabReachable(QWidget& dialog) {
    std::vector<QWidget*> reachable;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool passedOver = button && button->autoExclusive() && !button->isChecked();
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&dialog) &&
            widget->isEnabled() && !passedOver && widget->focusProxy() == nullptr)
            reachable.push_back(ControlOf(widget));
    }
    return reachable;
}

/// The controls focused Tab press after Tab press, from the one the dialog focuses when shown
/// round to it again (100 at most). `eachFocus` is called with every control as it has the focus.
template <typename F> std::vector<QWidget*> TabWalk(QWidget& dialog, F&& eachFocus) {
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        return {};
    QWidget* first = ControlOf(QApplication::focusWidget());
    std::vector<QWidget*> walked;
    for (int i = 0; i < 100; ++i) {
        QWidget* focus = ControlOf(QApplication::focusWidget());
        if (i > 0 && focus == first)
            break;
        walked.push_back(focus);
        eachFocus(focus);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return walked;
}

/// Whether `later` stands before `earlier` as a page is read: wholly above it, or beside it and
/// to its left.
inline bool ReadBefore(QWidget& dialog, const QWidget* later, const QWidget* earlier) {
    const QRect a(later->mapTo(&dialog, QPoint(0, 0)), later->size());
    const QRect b(earlier->mapTo(&dialog, QPoint(0, 0)), earlier->size());
    if (a.bottom() < b.top())
        return true;
    const bool beside = a.top() <= b.bottom() && b.top() <= a.bottom();
    return beside && a.right() < b.left();
}

} // namespace stormbell::testing
