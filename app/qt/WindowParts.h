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

/// The children, by what they are. Tests find them by their object names, which name their
/// roles; a screen reader knows them by their accessible names.
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
/// paint what `visible` returns, and the bars and the hub ask `commands`, which must outlive
/// them. Never throws but for a failed allocation.
WindowParts BuildWindowParts(QWidget& window, const std::function<const QImage&()>& visible,
                             GaugeCommands& commands);

/// The hub's look from the start-up on, when it matches the discs the altimeter draws under it.
void DressHub(CircleShape& hub);

} // namespace stormbell
