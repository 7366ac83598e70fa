// The bar panel: the dark red panel with a sunken bevel that holds the bar buttons. It takes the
// mouse, so a press on it never drags the window.
#pragma once

#include <QWidget>

namespace stormbell {

class SunkenPanel final : public QWidget {
public:
    explicit SunkenPanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace stormbell
