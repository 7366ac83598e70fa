#include "settings/qt/FocusFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace stormbell {

FocusFrame::FocusFrame(QWidget& dialog) : QWidget(&dialog) {
    setObjectName("focusFrame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusFrame::Follow(QWidget* focus) {
    // The field inside a composite control (a spin's text) marks the whole control.
    while (focus != nullptr && focus->parentWidget() != nullptr &&
           focus->parentWidget()->focusProxy() == focus)
        focus = focus->parentWidget();
    if (framed_ != nullptr)
        framed_->removeEventFilter(this);
    framed_ = focus != nullptr && parentWidget()->isAncestorOf(focus) ? focus : nullptr;
    if (framed_ == nullptr) {
        hide();
        return;
    }
    // A control that moves or grows with the layout takes its frame along.
    framed_->installEventFilter(this);
    const QRect around(framed_->mapTo(parentWidget(), QPoint(0, 0)), framed_->size());
    setGeometry(around.adjusted(-kLineWidth, -kLineWidth, kLineWidth, kLineWidth));
    raise();
    show();
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == framed_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        Follow(framed_);
    return false;
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), kLineWidth));
    p.setBrush(Qt::NoBrush);
    const qreal inset = kLineWidth / 2.0;
    p.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace stormbell
