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

/// The children, by what they are. Tests find them by their object names; a screen reader knows
/// them by their accessible names.
struct WindowParts {
    SkinView* EnglishSkin; ///< "Image1"
    SkinView* MetricSkin;  ///< "Image3"
    CircleShape* GreenBody;
    CircleShape* RedBody;
    CircleShape* RedDot;
    CircleShape* GreenDot;
    CircleShape* Hub;         ///< the altimeter's hub, "Shape5"
    SunkenPanel* ButtonPanel; ///< under the bar buttons, "Panel5"
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
