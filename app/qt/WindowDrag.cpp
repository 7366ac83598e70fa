#include "app/qt/WindowDrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace stormbell {

WindowDrag::WindowDrag(QWidget& window)
    : QObject(&window), window_(window),
      movesItself_(!QGuiApplication::platformName().startsWith("wayland")) {
    window.installEventFilter(this);
}

void WindowDrag::FormMouseDown(Qt::MouseButton button, QPoint client) {
    if (button == Qt::LeftButton) {
        // Some platforms (Wayland) refuse to let a window place itself; the system moves it.
        QWindow* handle = window_.windowHandle();
        if (!movesItself_ && handle != nullptr && handle->startSystemMove())
            return;
        dragging_ = true;
    }
    if (dragging_)
        dragPoint_ = window_.mapToGlobal(client);
}

void WindowDrag::FormMouseMove(QPoint client) {
    if (!dragging_)
        return;
    const QPoint p = window_.mapToGlobal(client);
    if (p != dragPoint_)
        window_.move(window_.pos() + (p - dragPoint_));
    dragPoint_ = p;
}

void WindowDrag::FormMouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        dragging_ = false;
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched != &window_ || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
                                type != QEvent::MouseButtonRelease))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // From the pointer's screen position: while a move is on its way to the window system, the
    // event's own client position still refers to the old place.
    const QPoint client = window_.mapFromGlobal(mouse->globalPosition().toPoint());
    if (type == QEvent::MouseButtonPress)
        FormMouseDown(mouse->button(), client);
    else if (type == QEvent::MouseMove)
        FormMouseMove(client);
    else
        FormMouseUp(mouse->button());
    return false;
}

} // namespace stormbell
