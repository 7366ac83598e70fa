// The gauge's context menu and its entries' shortcuts. Each entry is an action of the window, so
// its keys work whenever the gauge is the active window and the menu shows them. The menu opens
// on a right click on the skin that is no drag, or from the keyboard.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace stormbell {

class GaugeMenu final : public QObject {
public:
    /// The menu of `window`, which must outlive it.
    explicit GaugeMenu(QWidget& window);

    /// An entry `text` that `run`s when chosen or when `keys` are pressed (the first is shown).
    QAction* Add(const QString& text, const QList<QKeySequence>& keys, std::function<void()> run);
    /// A submenu "Recent stations" at the menu's end, filled as it opens with the labels of
    /// `recent` (numbered 1-5 for the keyboard; a disabled line when there are none); choosing
    /// one calls `choose` with its index.
    void AddRecentStations(std::function<std::vector<std::string>()> recent,
                           std::function<void(std::size_t)> choose);
    /// Keys of the window that `run` and are no entry of the menu.
    void AddKeys(const QList<QKeySequence>& keys, std::function<void()> run);
    /// Opens the menu with its top left at `global`, without waiting for a choice.
    void PopUp(QPoint global);
    /// Opens it below the part that has the focus, or in the window's middle.
    void PopUpAtFocus();
    QMenu& Menu() const { return *menu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QMenu* menu_;
    std::optional<QPoint> rightPress_; ///< where the right button went down on the skin
};

} // namespace stormbell
