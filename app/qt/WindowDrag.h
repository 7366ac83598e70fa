// Dragging the gauge by its skin: the left button moves the window by the pointer's travel in
// screen coordinates, so the grab point stays under the pointer; the other buttons do nothing.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace stormbell {

class WindowDrag final : public QObject {
public:
    /// Follows the mouse events that reach `window` (its own and those its skin passes on);
    /// `window` must outlive the drag.
    explicit WindowDrag(QWidget& window);

    /// A left press starts a drag; `client` in the window's client coordinates.
    void FormMouseDown(Qt::MouseButton button, QPoint client);
    /// During a drag, moves the window by the pointer's travel since the last position.
    void FormMouseMove(QPoint client);
    /// A left release ends the drag.
    void FormMouseUp(Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    bool movesItself_;
    bool dragging_ = false;
    QPoint dragPoint_;
};

} // namespace stormbell
