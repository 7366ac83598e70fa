#include "app/qt/WindowDrag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace stormbell {

WindowDrag::WindowDrag(QWidget& window)
    : window_(window), movesItself_(!QGuiApplication::platformName().startsWith("wayland")) {}

void WindowDrag::Press(Qt::MouseButton button, QPoint client) {
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

void WindowDrag::Move(QPoint client) {
    if (!dragging_)
        return;
    const QPoint p = window_.mapToGlobal(client);
    if (p != dragPoint_)
        window_.move(window_.pos() + (p - dragPoint_));
    dragPoint_ = p;
}

void WindowDrag::Release(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        dragging_ = false;
}

} // namespace stormbell
