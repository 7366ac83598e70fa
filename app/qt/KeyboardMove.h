// Moving the gauge without a mouse: once started, the arrow keys move the window by a pixel
// (ten with Shift), always keeping it on a screen, until Return, Escape, a loss of the focus,
// hiding, or a while without a key. The place is then the window's, as after a drag.
#pragma once

#include <QObject>
#include <QString>

#include <chrono>

class QTimer;
class QWidget;

namespace stormbell {

class KeyboardMove final : public QObject {
public:
    /// How long the move waits for a key before it ends by itself.
    static constexpr std::chrono::milliseconds kIdleLimit{30000};
    /// What a screen reader is told while the move runs.
    static constexpr const char* kKeys =
        QT_TRANSLATE_NOOP("WindowParts", "moving: the arrow keys move it, Shift and an arrow by "
                                         "ten pixels; Return or Escape ends the move");

    /// Moves `window`, which must outlive the move; the move ends after `idleLimit` without a
    /// key.
    explicit KeyboardMove(QWidget& window, std::chrono::milliseconds idleLimit = kIdleLimit);

    /// Takes the arrow keys until the move ends; the window takes the focus meanwhile, so no
    /// bar or hub sees them, and its accessible name tells the keys. Does nothing while moving.
    void Start();
    bool Moving() const { return moving_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End();
    void MoveBy(QPoint by);

    QWidget& window_;
    QTimer* idle_;
    QString name_; ///< the window's accessible name before the move
    bool moving_ = false;
};

} // namespace stormbell
