// The gauge window's look and its children in z-order, named and placed as the window layout
// table says, each telling a screen reader and a hover what it is.
#pragma once

#include <QImage>

#include <functional>

class QWidget;

namespace stormbell {

class BarButton;
class CircleShape;
class GaugeCommands;
class SkinView;
class SunkenPanel;

/// The children, by what they are; tests find them by the same roles as object names.
struct WindowParts {
    SkinView* EnglishSkin;
    SkinView* MetricSkin;
    CircleShape* GreenBody;
    CircleShape* RedBody;
    CircleShape* RedDot;
    CircleShape* GreenDot;
    CircleShape* Hub;         ///< the altimeter's hub
    SunkenPanel* ButtonPanel; ///< under the bar buttons
    BarButton* UpdateBar;
    BarButton* OptionsBar;
    BarButton* MinimiseBar;
    BarButton* ExitBar;
};

/// Dresses `window` (its names, size and background) and creates its children; both skin views
/// paint what `visible` returns, and the bars ask `commands`, which must outlive them. Never
/// throws but for a failed allocation.
WindowParts BuildWindowParts(QWidget& window, const std::function<const QImage&()>& visible,
                             GaugeCommands& commands);

} // namespace stormbell
