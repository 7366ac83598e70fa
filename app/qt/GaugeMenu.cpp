#include "app/qt/GaugeMenu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

namespace stormbell {

GaugeMenu::GaugeMenu(QWidget& window)
    : QObject(&window), window_(window), menu_(new QMenu(&window)) {
    setObjectName("GaugeMenu");
    menu_->setObjectName("ContextMenu");
    menu_->setAccessibleName(QCoreApplication::translate("GaugeMenu", "Gauge menu"));
    window.installEventFilter(this);
}

QAction* GaugeMenu::Add(const QString& text, const QList<QKeySequence>& keys,
                        std::function<void()> run) {
    QAction* action = menu_->addAction(text);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, &window_, std::move(run));
    window_.addAction(action);
    return action;
}

void GaugeMenu::AddRecentStations(std::function<std::vector<std::string>()> recent,
                                  std::function<void(std::size_t)> choose) {
    QMenu* stations = menu_->addMenu(QCoreApplication::translate("GaugeMenu", "&Recent stations"));
    stations->setObjectName("RecentStations");
    connect(stations, &QMenu::aboutToShow, this, [this, stations, recent, choose] {
        stations->clear();
        const std::vector<std::string> labels = recent();
        for (std::size_t at = 0; at < labels.size(); ++at) {
            // "&1 KSEA ...": the number picks the entry from the keyboard.
            const QString text =
                QString("&%1 %2").arg(at + 1).arg(QString::fromStdString(labels[at]));
            connect(stations->addAction(text), &QAction::triggered, &window_,
                    [choose, at] { choose(at); });
        }
        if (labels.empty())
            stations->addAction(QCoreApplication::translate("GaugeMenu", "No station picked yet"))
                ->setEnabled(false);
    });
}

void GaugeMenu::AddKeys(const QList<QKeySequence>& keys, std::function<void()> run) {
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, &window_, std::move(run));
    window_.addAction(action);
}

void GaugeMenu::PopUp(QPoint global) {
    menu_->popup(global);
}

void GaugeMenu::PopUpAtFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus != &window_ && focus->window() == &window_)
        PopUp(focus->mapToGlobal(focus->rect().bottomLeft()));
    else
        PopUp(window_.mapToGlobal(window_.rect().center()));
}

bool GaugeMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_)
        return false;
    switch (event->type()) {
    case QEvent::ContextMenu:
        // The system's request from the keyboard opens the menu; the one that comes with a
        // right press waits for the release, which must not be the end of a drag.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
            PopUpAtFocus();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        const QPoint at = mouse->globalPosition().toPoint();
        if (event->type() == QEvent::MouseButtonPress)
            rightPress_ = at;
        else if (rightPress_ &&
                 (at - *rightPress_).manhattanLength() < QApplication::startDragDistance())
            PopUp(at);
        if (event->type() == QEvent::MouseButtonRelease)
            rightPress_.reset();
        return false;
    }
    default:
        return false;
    }
}

} // namespace stormbell
