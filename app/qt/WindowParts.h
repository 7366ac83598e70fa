// The gauge window's look and its children in z-order, named and placed as the window layout
// table says, each telling a screen reader and a hover what it is.
#pragma once

#include <QImage>

#include <functional>

class QWidget;

namespace stormbell {

class CircleShape;
class SkinView;
class SunkenPanel;

struct WindowParts {
    SkinView* Image1;
    SkinView* Image3;
    CircleShape* Shape1;
    CircleShape* Shape2;
    CircleShape* Shape3;
    CircleShape* Shape4;
    CircleShape* Shape5;
    SunkenPanel* Panel5;
};

/// What the four bar buttons do when clicked.
struct BarClicks {
    std::function<void()> Update;   ///< SpeedButton1
    std::function<void()> Options;  ///< SpeedButton2
    std::function<void()> Minimise; ///< SpeedButton5
    std::function<void()> Exit;     ///< SpeedButton3
};

/// Dresses `window` (its names, size and background) and creates its children; both skin views
/// paint what `visible` returns.
WindowParts BuildWindowParts(QWidget& window, const std::function<const QImage&()>& visible,
                             const BarClicks& clicks);

} // namespace stormbell
