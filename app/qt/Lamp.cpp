#include "app/qt/Lamp.h"

#include "app/qt/CircleShape.h"

namespace stormbell {

namespace {

struct LampColors {
    Color Body;
    Color Dot;
};

constexpr LampColors kGreenDark{0x4000, 0x6600};
constexpr LampColors kGreenLit{0x8800, 0xCC00};
constexpr LampColors kRedDark{0x40, 0x66};
constexpr LampColors kRedLit{0x88, 0xCC};
constexpr Color kBodyPen = 0;
constexpr int kBodyPenWidth = 4;
constexpr int kDotPenWidth = 0;

void Light(CircleShape& body, CircleShape& dot, const LampColors& colors) {
    body.SetPen(kBodyPen, kBodyPenWidth);
    body.SetBrush(colors.Body);
    dot.SetPen(colors.Dot, kDotPenWidth);
    dot.SetBrush(colors.Dot);
}

} // namespace

void WindowLamps::SetLampState(LampState state) {
    const bool greenLit = state == LampState::Busy;
    Light(shapes_.GreenBody, shapes_.GreenDot, greenLit ? kGreenLit : kGreenDark);
    // Fetched leaves the red lamp as the cycle found it.
    if (state != LampState::Fetched)
        Light(shapes_.RedBody, shapes_.RedDot, state == LampState::Failed ? kRedLit : kRedDark);
}

} // namespace stormbell
