#include "settings/qt/SpinEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

constexpr int kMin = 0;
constexpr int kMax = 32766;

TEST(SpinEditTest, SettingClampsAndSignalsOnlyATextChange) {
    const struct {
        int set;
        const char* text;
        int emitted;
    } cases[] = {{40000, "32766", 1}, {32766, "32766", 0}, {-5, "0", 1}, {21, "21", 1}};
    SpinEdit spin(kMin, kMax, 21);
    QSignalSpy changed(&spin, &SpinEdit::changed);
    for (const auto& c : cases) {
        changed.clear();
        spin.setValue(c.set);
        EXPECT_EQ(spin.lineEdit()->text(), c.text) << c.set;
        EXPECT_EQ(changed.count(), c.emitted) << c.set;
    }
}

TEST(SpinEditTest, ButtonsStepWithinTheLimits) {
    SpinEdit spin(1, 1440, 1439);
    auto* up = spin.findChild<QToolButton*>("up");
    auto* down = spin.findChild<QToolButton*>("down");
    const struct {
        QToolButton* button;
        int value;
    } presses[] = {{up, 1440}, {up, 1440}, {down, 1439}};
    for (const auto& press : presses) {
        press.button->click();
        EXPECT_EQ(spin.value(), press.value);
    }
    spin.lineEdit()->setText("abc");
    down->click();
    EXPECT_EQ(spin.value(), 1);
}

} // namespace
} // namespace stormbell
