// A circle control over the skin (the lamps, their dots and the hub): pen, pen width and
// fill, repainted at once when they change. It takes the mouse, so a press on it never drags.
#pragma once

#include "gauges/Colors.h"

#include <QWidget>

#include <functional>

namespace stormbell {

class CircleShape final : public QWidget {
public:
    explicit CircleShape(QWidget* parent);

    /// Outline colour and width (0 is the thinnest line).
    void SetPen(Color color, int width);
    void SetBrush(Color color);
    Color Pen() const { return pen_; }
    int PenWidth() const { return penWidth_; }
    Color Brush() const { return brush_; }
    /// Called with the button of every press on the circle.
    std::function<void(Qt::MouseButton)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Color pen_ = 0;
    int penWidth_ = 1;
    Color brush_ = 0xFFFFFF;
};

} // namespace stormbell
