// Walks a dialog's controls with the Tab key, as the user does.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace stormbell::testing {

/// The names in `named` of the widgets focused Tab press after Tab press from `first` round to it
/// again (100 at most); an unnamed part of a control (the spin's field) counts as the control.
inline std::vector<std::string> TabWalk(QWidget& dialog, QWidget* first,
                                        const std::vector<std::string>& named) {
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        return {};
    first->setFocus();
    std::vector<std::string> names;
    for (int i = 0; i < 100; ++i) {
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        if (i > 0 && focus == first)
            break;
        const std::string name = focus ? focus->objectName().toStdString() : "";
        if (std::ranges::find(named, name) != named.end())
            names.push_back(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

} // namespace stormbell::testing
