#include "app/qt/BarButton.h"

#include "app/qt/BarGlyph.h"

#include <QPainter>

#include <utility>

namespace stormbell {

BarButton::BarButton(QImage strip, QWidget* parent)
    : QAbstractButton(parent), strip_(std::move(strip)) {
    // Reached by Tab only: a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void BarButton::paintEvent(QPaintEvent*) {
    GlyphState state = GlyphState::Up;
    if (!isEnabled())
        state = GlyphState::Disabled;
    else if (isDown())
        state = GlyphState::Pressed;
    else if (isChecked())
        state = GlyphState::HeldDown;
    QPainter p(this);
    p.drawImage(rect(), strip_, GlyphRect(state));
}

} // namespace stormbell
