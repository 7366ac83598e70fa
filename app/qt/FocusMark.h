// The keyboard focus on the gauge: a gold ring edged in dark brown, the skin's bezel colours,
// drawn around the bar or the hub that has the focus, over everything and blind to the mouse.
#pragma once

#include <QWidget>

#include <vector>

namespace stormbell {

class FocusMark final : public QWidget {
public:
    /// A mark over `window`, hidden until one of the parts it marks takes the focus.
    explicit FocusMark(QWidget& window);

    /// Marks `part` (a descendant of the window) while it has the focus, as a circle or a
    /// rectangle around it.
    void Follow(QWidget& part, bool round);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Marked {
        QWidget* Part;
        bool Round;
    };
    void FocusMoved(QWidget* now);

    std::vector<Marked> parts_;
    bool round_ = false;
};

} // namespace stormbell
