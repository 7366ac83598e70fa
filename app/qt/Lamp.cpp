#include "app/qt/Lamp.h"

#include "app/qt/CircleShape.h"

#include <QCoreApplication>

#include <utility>

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

// What each lamp says lit and dark; the description tells which lamp it is.
constexpr const char* kGreenSays[] = {QT_TRANSLATE_NOOP("WindowParts", "not fetching"),
                                      QT_TRANSLATE_NOOP("WindowParts", "fetching")};
constexpr const char* kRedSays[] = {QT_TRANSLATE_NOOP("WindowParts", "no fetch failure"),
                                    QT_TRANSLATE_NOOP("WindowParts", "fetch failed")};
constexpr const char* kGreenIs =
    QT_TRANSLATE_NOOP("WindowParts", "green lamp, lit while a report is fetched");
constexpr const char* kRedIs =
    QT_TRANSLATE_NOOP("WindowParts", "red lamp, lit when the last fetch failed");

void Say(CircleShape& shape, const char* says, const char* is) {
    const QString name = QCoreApplication::translate("WindowParts", says);
    shape.setToolTip(name);
    shape.setAccessibleDescription(QCoreApplication::translate("WindowParts", is));
    // Sends the screen reader a NameChanged event when the name changes.
    shape.setAccessibleName(name);
}

void Light(CircleShape& body, CircleShape& dot, const LampColors& colors, bool lit,
           const char* const (&says)[2], const char* is) {
    body.SetPen(kBodyPen, kBodyPenWidth);
    body.SetBrush(colors.Body);
    dot.SetPen(colors.Dot, kDotPenWidth);
    dot.SetBrush(colors.Dot);
    for (CircleShape* shape : {&body, &dot})
        Say(*shape, says[lit], is);
}

} // namespace

WindowLamps::WindowLamps(LampShapes shapes, std::function<void()> changed)
    : shapes_(shapes), changed_(std::move(changed)) {}

void WindowLamps::SetLampState(LampState state) {
    fetching_ = state == LampState::Busy;
    Light(shapes_.GreenBody, shapes_.GreenDot, fetching_ ? kGreenLit : kGreenDark, fetching_,
          kGreenSays, kGreenIs);
    // Fetched leaves the red lamp as the cycle found it.
    if (state != LampState::Fetched) {
        const bool failed = state == LampState::Failed;
        Light(shapes_.RedBody, shapes_.RedDot, failed ? kRedLit : kRedDark, failed, kRedSays,
              kRedIs);
    }
    if (changed_)
        changed_();
}

} // namespace stormbell
