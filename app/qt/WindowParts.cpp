#include "app/qt/WindowParts.h"

#include "app/qt/BarButton.h"
#include "app/qt/BarGlyph.h"
#include "app/qt/CircleShape.h"
#include "app/qt/GaugeCommands.h"
#include "app/qt/SkinView.h"
#include "app/qt/SunkenPanel.h"
#include "gauges/Gauges.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/QtCanvas.h"

#include <QCoreApplication>

#include <optional>
#include <utility>

namespace stormbell {

namespace {

constexpr const char* kWindowName = QT_TRANSLATE_NOOP("WindowParts", "Stormbell weather gauge");
// The lamps' names while dark; the lamps rename themselves as they light.
constexpr const char* kFetching = QT_TRANSLATE_NOOP("WindowParts", "not fetching");
constexpr const char* kFetchFailed = QT_TRANSLATE_NOOP("WindowParts", "no fetch failure");
constexpr const char* kHub =
    QT_TRANSLATE_NOOP("WindowParts", "reference hand: left click turns on, right click turns back");
constexpr const char* kSaveOnlyHere = QT_TRANSLATE_NOOP(
    "WindowParts", "save and exit (closing the gauge any other way does not save the settings)");

// The hub's look from the start-up on matches the discs the altimeter draws under it.
constexpr Color kHubPen = colors::kHubOuter;
constexpr int kHubPenWidth = 3;
constexpr Color kHubBrush = colors::kReference;

struct ButtonSpec {
    const char* Name;
    const char* Says; ///< what a screen reader calls it
    const char* Tip;  ///< what hovering it shows
    layout::Bounds Bounds;
    Color Bright;
    Color Dark;
    void (GaugeCommands::*Click)();
    BarButton* WindowParts::*Role;
};

const ButtonSpec kButtons[] = {
    {"updateBar", QT_TRANSLATE_NOOP("WindowParts", "update now"),
     QT_TRANSLATE_NOOP("WindowParts", "update now"), layout::kUpdateButton, 0x00FF00, 0x00BF00,
     &GaugeCommands::UpdateNow, &WindowParts::UpdateBar},
    {"optionsBar", QT_TRANSLATE_NOOP("WindowParts", "options"),
     QT_TRANSLATE_NOOP("WindowParts", "options"), layout::kOptionsButton, 0xFF0000, 0xBF0000,
     &GaugeCommands::ShowOptions, &WindowParts::OptionsBar},
    {"minimiseBar", QT_TRANSLATE_NOOP("WindowParts", "minimise"),
     QT_TRANSLATE_NOOP("WindowParts", "minimise"), layout::kMinimiseButton, 0xFFFF00, 0xBFBF00,
     &GaugeCommands::Minimise, &WindowParts::MinimiseBar},
    // Only this bar saves: a close by the system quits as it stands.
    {"exitBar", QT_TRANSLATE_NOOP("WindowParts", "save and exit"), kSaveOnlyHere,
     layout::kExitButton, 0x0000FF, 0x0000BF, &GaugeCommands::SaveAndExit, &WindowParts::ExitBar},
};

template <typename Widget, typename... Args>
Widget* Place(const char* name, layout::Bounds bounds, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    widget->setGeometry(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    return widget;
}

void Name(QWidget& widget, const char* says, const char* tip) {
    widget.setAccessibleName(QCoreApplication::translate("WindowParts", says));
    widget.setToolTip(QCoreApplication::translate("WindowParts", tip));
}

std::optional<MouseButton> HubButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

// Each lamp's highlight dot is named as its lamp: hovering it is hovering the lamp.
CircleShape* Shape(const char* name, layout::Bounds bounds, const char* says, QWidget& window) {
    auto* shape = Place<CircleShape>(name, bounds, &window);
    Name(*shape, says, says);
    return shape;
}

} // namespace

WindowParts BuildWindowParts(QWidget& window, const std::function<const QImage&()>& visible,
                             GaugeCommands& commands) {
    window.setObjectName("gaugeWindow");
    window.setAccessibleName(QCoreApplication::translate("WindowParts", kWindowName));
    // A gauge on the desktop is rarely the active window, and hovering it should still tell.
    window.setAttribute(Qt::WA_AlwaysShowToolTips);
    window.setFixedSize(layout::kClientWidth, layout::kClientHeight);
    QPalette background = window.palette();
    background.setColor(QPalette::Window, ToQColor(colors::kSkinBackground));
    window.setPalette(background);
    window.setAutoFillBackground(true);

    WindowParts parts{};
    parts.EnglishSkin = Place<SkinView>("englishSkin", layout::kSkin, visible, &window);
    parts.MetricSkin = Place<SkinView>("metricSkin", layout::kSkin, visible, &window);
    parts.GreenBody = Shape("greenLamp", layout::kGreenLamp, kFetching, window);
    parts.RedBody = Shape("redLamp", layout::kRedLamp, kFetchFailed, window);
    parts.RedDot = Shape("redLampDot", layout::kRedLampDot, kFetchFailed, window);
    parts.GreenDot = Shape("greenLampDot", layout::kGreenLampDot, kFetching, window);
    parts.Hub = Shape("hub", layout::kAltimeterHub, kHub, window);
    parts.Hub->OnMouseDown = [&commands](Qt::MouseButton button) {
        if (const auto hub = HubButton(button))
            commands.HubPressed(*hub);
    };
    parts.ButtonPanel = Place<SunkenPanel>("barPanel", layout::kBarPanel, &window);
    for (const ButtonSpec& bar : kButtons) {
        BarButton* button = Place<BarButton>(
            bar.Name, bar.Bounds, BarGlyphStrip(bar.Bright, bar.Dark), parts.ButtonPanel);
        QObject::connect(button, &QAbstractButton::clicked, &window,
                         [&commands, click = bar.Click] { (commands.*click)(); });
        parts.*bar.Role = button;
        Name(*button, bar.Says, bar.Tip);
    }
    return parts;
}

void DressHub(CircleShape& hub) {
    hub.SetPen(kHubPen, kHubPenWidth);
    hub.SetBrush(kHubBrush);
}

} // namespace stormbell
