// Dragging the gauge by its skin: the left button moves the window by the pointer's travel in
// screen coordinates, so the grab point stays under the pointer; the other buttons do nothing.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace stormbell {

class WindowDrag {
public:
    /// Moves `window`, which must outlive the drag.
    explicit WindowDrag(QWidget& window);

    /// FormMouseDown: a left press starts a drag; `client` in the window's client coordinates.
    void Press(Qt::MouseButton button, QPoint client);
    /// FormMouseMove: during a drag, moves the window by the pointer's travel since the last one.
    void Move(QPoint client);
    /// FormMouseUp: a left release ends the drag.
    void Release(Qt::MouseButton button);

private:
    QWidget& window_;
    bool movesItself_;
    bool dragging_ = false;
    QPoint dragPoint_;
};

} // namespace stormbell
