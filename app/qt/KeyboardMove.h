// Moving the gauge without a mouse: once started, the arrow keys move the window by a pixel
// (ten with Shift) until Return or Escape. The place is then the window's, as after a drag.
#pragma once

#include <QObject>

class QWidget;

namespace stormbell {

class KeyboardMove final : public QObject {
public:
    /// Moves `window`, which must outlive the move.
    explicit KeyboardMove(QWidget& window);

    /// Takes the keys until Return or Escape; the window takes the focus meanwhile, so no
    /// bar or hub sees the arrows.
    void Start();
    bool Moving() const { return moving_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End();

    QWidget& window_;
    bool moving_ = false;
};

} // namespace stormbell
