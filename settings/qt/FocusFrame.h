// A dialog's keyboard focus mark: a frame in the palette's highlight colour around the control
// that has the focus, over everything and blind to the mouse. The styles mark the focus only
// once a key has moved it, and some never mark a check box; this frame always shows.
#pragma once

#include <QWidget>

namespace stormbell {

class FocusFrame final : public QWidget {
public:
    /// A frame over `dialog`, shown while a control of it has the focus.
    explicit FocusFrame(QWidget& dialog);

    /// The width of the frame's line; it lies this far outside the control, in the gap the
    /// layout leaves between controls.
    static constexpr int kLineWidth = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    /// Frames `focus` when it belongs to the dialog, else hides.
    void Follow(QWidget* focus);

    QWidget* framed_ = nullptr;
};

} // namespace stormbell
