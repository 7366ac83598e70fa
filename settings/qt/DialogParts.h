// What the dialogs share in building their controls: the design's font and the object names the
// tests find the controls by.
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace stormbell {

/// The system's general font, resized to 8 points.
inline QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

/// `widget`, named `name`.
template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

/// `widget`, named `name`, with `explanation` as its tooltip and its screen reader's description.
template <typename W> W* Explained(W* widget, const char* name, const QString& explanation) {
    widget->setObjectName(name);
    widget->setToolTip(explanation);
    widget->setAccessibleDescription(explanation);
    return widget;
}

} // namespace stormbell
