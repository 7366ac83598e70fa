#include "app/qt/KeyboardMove.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace stormbell {

namespace {
constexpr int kStep = 1;
constexpr int kShiftStep = 10;
} // namespace

KeyboardMove::KeyboardMove(QWidget& window) : QObject(&window), window_(window) {}

void KeyboardMove::Start() {
    if (moving_)
        return;
    moving_ = true;
    window_.setFocus(Qt::OtherFocusReason);
    window_.setCursor(Qt::SizeAllCursor);
    // Whichever part of the window has the focus, the keys come here first.
    qApp->installEventFilter(this);
}

void KeyboardMove::End() {
    moving_ = false;
    window_.unsetCursor();
    qApp->removeEventFilter(this);
}

bool KeyboardMove::eventFilter(QObject* watched, QEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || widget == nullptr || widget->window() != &window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int step = key->modifiers() & Qt::ShiftModifier ? kShiftStep : kStep;
    QPoint by;
    switch (key->key()) {
    case Qt::Key_Left:
        by = {-step, 0};
        break;
    case Qt::Key_Right:
        by = {step, 0};
        break;
    case Qt::Key_Up:
        by = {0, -step};
        break;
    case Qt::Key_Down:
        by = {0, step};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        End();
        return true;
    default:
        return false;
    }
    window_.move(window_.pos() + by);
    return true;
}

} // namespace stormbell
