#include "app/qt/AppIdentity.h"

#include <QGuiApplication>
#include <QIcon>

#include <gtest/gtest.h>

namespace stormbell {
namespace {

TEST(AppIdentity, NamesTheProgramAsItsDesktopEntryAndSettingsStoreDo) {
    ApplyAppIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "com.brightmoor.Stormbell");
    EXPECT_EQ(QGuiApplication::applicationName(), "Stormbell");
    EXPECT_EQ(QGuiApplication::organizationName(), "Brightmoor");
    EXPECT_EQ(QGuiApplication::applicationVersion(), "1.3.0");
}

TEST(AppIdentity, WindowIconCarriesEveryInstalledSize) {
    ApplyAppIdentity();
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

} // namespace
} // namespace stormbell
