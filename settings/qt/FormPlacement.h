// How the dialogs lay out their controls: at fixed pixel bounds in the platform's default
// sans-serif face at 8 points, each control named for the tests.
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QRect>

namespace stormbell {

/// The system's general font, resized to 8 points.
inline QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

/// Names `widget` and puts it at `bounds` within its parent.
template <typename W> W* Place(W* widget, const char* name, QRect bounds) {
    widget->setObjectName(name);
    widget->setGeometry(bounds);
    return widget;
}

/// Names `label` and puts it at `topLeft`, sized to its text.
inline QLabel* PlaceLabel(QLabel* label, const char* name, QPoint topLeft) {
    label->setObjectName(name);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

} // namespace stormbell
