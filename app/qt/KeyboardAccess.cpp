#include "app/qt/KeyboardAccess.h"

#include "app/qt/BarButton.h"
#include "app/qt/CircleShape.h"
#include "app/qt/FocusMark.h"
#include "app/qt/GaugeCommands.h"
#include "app/qt/GaugeMenu.h"
#include "app/qt/KeyboardMove.h"
#include "app/qt/WindowParts.h"
#include "gauges/Gauges.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace stormbell {

namespace {

constexpr const char* kHubKeys =
    QT_TRANSLATE_NOOP("WindowParts", "Up or + turns it on, Down or - turns it back");

} // namespace

KeyboardAccess::KeyboardAccess(QWidget& window, GaugeCommands& commands, const WindowParts& parts)
    : QObject(&window), commands_(commands), hub_(*parts.Hub), menu_(new GaugeMenu(window)),
      move_(new KeyboardMove(window)) {
    setObjectName("KeyboardAccess");
    // The window itself holds the focus until Tab moves it to a part; a click gives it back.
    window.setFocusPolicy(Qt::ClickFocus);
    window.setFocus();
    hub_.setFocusPolicy(Qt::TabFocus);
    hub_.setAccessibleDescription(QCoreApplication::translate("WindowParts", kHubKeys));
    auto* mark = new FocusMark(window);
    QWidget* previous = nullptr;
    // The bars in Tab order: as they are read, row by row.
    bars_ = {parts.UpdateBar, parts.OptionsBar, parts.MinimiseBar, parts.ExitBar};
    for (QAbstractButton* bar : bars_) {
        mark->Follow(*bar, false);
        if (previous != nullptr)
            QWidget::setTabOrder(previous, bar);
        previous = bar;
    }
    QWidget::setTabOrder(previous, &hub_);
    mark->Follow(hub_, true);

    menu_->Add(QCoreApplication::translate("GaugeMenu", "Update now"), {Qt::Key_F5},
               [&commands] { commands.UpdateNow(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Options…"),
               {Qt::CTRL | Qt::Key_Comma, Qt::CTRL | Qt::Key_O},
               [&commands] { commands.ShowOptions(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Set reference hand to current pressure"),
               {Qt::CTRL | Qt::SHIFT | Qt::Key_R},
               [&commands] { commands.SetReferenceToPressure(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "History…"), {Qt::CTRL | Qt::Key_H},
               [&commands] { commands.ShowHistory(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Move with the keyboard"), {},
               [this] { move_->Start(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Minimise"), {Qt::CTRL | Qt::Key_M},
               [&commands] { commands.Minimise(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Save and exit"), {Qt::CTRL | Qt::Key_Q},
               [&commands] { commands.SaveAndExit(); });
    menu_->AddKeys({Qt::Key_Menu, Qt::SHIFT | Qt::Key_F10}, [this] { menu_->PopUpAtFocus(); });
    // The system's close, as a window manager gives it: no save.
    menu_->AddKeys({Qt::ALT | Qt::Key_F4}, [&window] { window.close(); });

    window.installEventFilter(this);
    hub_.installEventFilter(this);
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool activate = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == &hub_) {
        // As the hub's clicks: on is a left click, back a right one.
        if (activate || key == Qt::Key_Space || key == Qt::Key_Up || key == Qt::Key_Plus)
            commands_.HubPressed(MouseButton::Left);
        else if (key == Qt::Key_Down || key == Qt::Key_Minus)
            commands_.HubPressed(MouseButton::Right);
        else
            return false;
        return true;
    }
    // Space presses a focused bar by itself; Return reaches the window unused.
    for (QAbstractButton* bar : bars_)
        if (activate && bar->hasFocus()) {
            bar->click();
            return true;
        }
    return false;
}

} // namespace stormbell
