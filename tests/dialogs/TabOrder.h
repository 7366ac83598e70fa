// Walks a dialog's controls with the Tab key, as the user does.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

namespace stormbell::testing {

/// Names of the widgets that hold the focus after each of `count` Tab presses, starting from
/// `first`; an unnamed part of a control (the spin's field) counts as the control.
inline std::vector<std::string> TabWalk(QWidget& dialog, QWidget* first, int count) {
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        return {};
    first->setFocus();
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        names.push_back(focus ? focus->objectName().toStdString() : "");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

} // namespace stormbell::testing
