#include "app/qt/KeyboardAccess.h"

#include "app/qt/CircleShape.h"
#include "app/qt/FocusMark.h"
#include "app/qt/GaugeMenu.h"
#include "app/qt/GaugeWindow.h"
#include "app/qt/KeyboardMove.h"
#include "app/qt/SunkenPanel.h"
#include "app/qt/WindowParts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

#include <stdexcept>
#include <string>

namespace stormbell {

namespace {

// The bars in Tab order: as they are read, row by row.
constexpr const char* kBarOrder[] = {"SpeedButton1", "SpeedButton2", "SpeedButton5",
                                     "SpeedButton3"};
constexpr const char* kHubKeys =
    QT_TRANSLATE_NOOP("WindowParts", "Up or + turns it on, Down or - turns it back");

QAbstractButton& Bar(const WindowParts& parts, const char* name) {
    auto* bar = parts.ButtonPanel->findChild<QAbstractButton*>(name);
    if (bar == nullptr)
        throw std::logic_error(std::string("the gauge has no bar named ") + name);
    return *bar;
}

} // namespace

KeyboardAccess::KeyboardAccess(GaugeWindow& window, const WindowParts& parts)
    : QObject(&window), window_(window), hub_(*parts.Hub), menu_(new GaugeMenu(window)),
      move_(new KeyboardMove(window)) {
    setObjectName("KeyboardAccess");
    // The window itself holds the focus until Tab moves it to a part; a click gives it back.
    window.setFocusPolicy(Qt::ClickFocus);
    window.setFocus();
    hub_.setFocusPolicy(Qt::TabFocus);
    hub_.setAccessibleDescription(QCoreApplication::translate("WindowParts", kHubKeys));
    auto* mark = new FocusMark(window);
    QWidget* previous = nullptr;
    for (const char* name : kBarOrder) {
        QAbstractButton& bar = Bar(parts, name);
        bars_ << &bar;
        mark->Follow(bar, false);
        if (previous != nullptr)
            QWidget::setTabOrder(previous, &bar);
        previous = &bar;
    }
    QWidget::setTabOrder(previous, &hub_);
    mark->Follow(hub_, true);

    menu_->Add(QCoreApplication::translate("GaugeMenu", "Update now"), {Qt::Key_F5},
               [&window] { window.UpdateNow(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Options…"),
               {Qt::CTRL | Qt::Key_Comma, Qt::CTRL | Qt::Key_O},
               [&window] { window.ShowOptions(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Set reference hand to current pressure"),
               {Qt::CTRL | Qt::SHIFT | Qt::Key_R}, [&window] { window.SetReferenceToPressure(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "History…"), {Qt::CTRL | Qt::Key_H},
               [&window] { window.ShowHistory(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Move with the keyboard"), {},
               [this] { move_->Start(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Minimise"), {Qt::CTRL | Qt::Key_M},
               [&window] { window.Minimise(); });
    menu_->Add(QCoreApplication::translate("GaugeMenu", "Save and exit"), {Qt::CTRL | Qt::Key_Q},
               [&window] { window.SaveAndExit(); });
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
            window_.HubPressed(Qt::LeftButton);
        else if (key == Qt::Key_Down || key == Qt::Key_Minus)
            window_.HubPressed(Qt::RightButton);
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
