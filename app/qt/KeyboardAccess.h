// The gauge for a keyboard and a screen reader's user: Tab through the four bars and the hub
// with a focus mark, Return or Space on the focused one, the hub turned by Up/Down and +/-, the
// shortcuts, the context menu and moving the window with the arrow keys. The mouse keeps every
// meaning it had.
#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;
class QWidget;

namespace stormbell {

class GaugeCommands;
class GaugeMenu;
class KeyboardMove;
struct WindowParts;

class KeyboardAccess final : public QObject {
public:
    /// Serves `window`, whose parts are `parts`, asking `commands`; a child of the window, and
    /// `commands` must outlive it. Never throws but for a failed allocation.
    KeyboardAccess(QWidget& window, GaugeCommands& commands, const WindowParts& parts);

    GaugeMenu& Menu() const { return *menu_; }
    const KeyboardMove& Move() const { return *move_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GaugeCommands& commands_;
    QWidget& hub_;
    QList<QAbstractButton*> bars_; ///< in Tab order
    GaugeMenu* menu_;
    KeyboardMove* move_;
};

} // namespace stormbell
