#include "app/qt/CircleShape.h"

#include "gauges/qt/QtCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace stormbell {

CircleShape::CircleShape(QWidget* parent) : QWidget(parent) {}

void CircleShape::SetPen(Color color, int width) {
    pen_ = color;
    penWidth_ = width;
    repaint();
}

void CircleShape::SetBrush(Color color) {
    brush_ = color;
    repaint();
}

void CircleShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double width = std::max(penWidth_, 1);
    p.setPen(QPen(ToQColor(pen_), width));
    p.setBrush(ToQColor(brush_));
    // The whole outline stays inside the control, as a circle of the smaller side.
    const double side = std::min(this->width(), height()) - width;
    p.drawEllipse(QRectF((this->width() - side) / 2, (height() - side) / 2, side, side));
}

void CircleShape::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (OnMouseDown)
        OnMouseDown(event->button());
}

} // namespace stormbell
