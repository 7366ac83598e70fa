// A flat bar button of the gauge (update, options, minimise, exit): its glyph strip is all it
// shows.
#pragma once

#include <QAbstractButton>
#include <QImage>

namespace stormbell {

class BarButton final : public QAbstractButton {
public:
    /// Shows the glyph of its state from `strip` (see BarGlyphStrip).
    BarButton(QImage strip, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage strip_;
};

} // namespace stormbell
