#include "app/qt/KeyboardMove.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace stormbell {

namespace {

constexpr int kStep = 1;
constexpr int kShiftStep = 10;

// The place nearest `to` where the whole window lies within the available area of the screen
// its middle would be on (or else its own screen); a window larger than that area keeps its
// top left corner in it.
QPoint OnScreen(const QWidget& window, QPoint to) {
    const QSize size = window.frameGeometry().size();
    QScreen* screen = QGuiApplication::screenAt(QRect(to, size).center());
    if (screen == nullptr)
        screen = window.screen();
    if (screen == nullptr)
        return to;
    const QRect area = screen->availableGeometry();
    return {std::max(area.left(), std::min(to.x(), area.left() + area.width() - size.width())),
            std::max(area.top(), std::min(to.y(), area.top() + area.height() - size.height()))};
}

} // namespace

KeyboardMove::KeyboardMove(QWidget& window, std::chrono::milliseconds idleLimit)
    : QObject(&window), window_(window), idle_(new QTimer(this)) {
    setObjectName("KeyboardMove");
    idle_->setObjectName("KeyboardMoveIdle");
    idle_->setSingleShot(true);
    idle_->setInterval(idleLimit);
    connect(idle_, &QTimer::timeout, this, [this] { End(); });
}

void KeyboardMove::Start() {
    if (moving_)
        return;
    moving_ = true;
    window_.setFocus(Qt::OtherFocusReason);
    window_.setCursor(Qt::SizeAllCursor);
    name_ = window_.accessibleName();
    const QString keys = QCoreApplication::translate("WindowParts", kKeys);
    window_.setAccessibleName(name_.isEmpty() ? keys : name_ + ", " + keys);
    idle_->start();
    // Whichever part of the window has the focus, the keys come here first.
    qApp->installEventFilter(this);
}

void KeyboardMove::End() {
    if (!moving_)
        return;
    moving_ = false;
    idle_->stop();
    qApp->removeEventFilter(this);
    window_.unsetCursor();
    window_.setAccessibleName(name_);
}

void KeyboardMove::MoveBy(QPoint by) {
    window_.move(OnScreen(window_, window_.pos() + by));
}

bool KeyboardMove::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        // The keys would go elsewhere now: the move must not go on unseen.
        case QEvent::FocusOut:
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            End();
            return false;
        default:
            break;
        }
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || widget == nullptr || widget->window() != &window_)
        return false;
    idle_->start();
    const auto* key = static_cast<QKeyEvent*>(event);
    const int step = key->modifiers() & Qt::ShiftModifier ? kShiftStep : kStep;
    switch (key->key()) {
    case Qt::Key_Left:
        MoveBy({-step, 0});
        return true;
    case Qt::Key_Right:
        MoveBy({step, 0});
        return true;
    case Qt::Key_Up:
        MoveBy({0, -step});
        return true;
    case Qt::Key_Down:
        MoveBy({0, step});
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        End();
        return true;
    default:
        return false;
    }
}

} // namespace stormbell
