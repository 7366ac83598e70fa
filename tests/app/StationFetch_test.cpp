#include "GaugeFixture.h"

#include "settings/qt/OptionsDialog.h"
#include "tests/net/FakeFtpServer.h"

#include <QListView>

#include <algorithm>

namespace stormbell::testing {
namespace {

using StationFetchTest = GaugeFixture;

// Picks in the options dialog restart one short wait; its end fetches the last station picked
// once, and the update timer counts its interval from that fetch.
TEST_F(StationFetchTest, PicksFetchOnceAfterTheWait) {
    store.Values["Host"] = "127.0.0.1";
    store.Values["UseProxy"] = "true";
    store.Values["FTPPortNum"] = std::to_string(UnusedPort()); // a quick, failed fetch
    GaugeWindow& w = Start();
    Watcher watch(w);
    QTimer& wait = Child<QTimer>(w, "StationFetchDelay");
    QTimer& updateTimer = Child<QTimer>(w, "Timer1");
    OptionsDialog& options = program->options;
    options.show();
    for (const int row : {0, 1987}) {
        options.StationList->setCurrentIndex(options.StationList->model()->index(row, 0));
        EXPECT_TRUE(wait.isActive() && wait.isSingleShot() && wait.interval() <= 1000) << row;
    }
    EXPECT_TRUE(watch.titles.empty());

    updateTimer.start(updateTimer.interval() / 2); // a count the fetch is to restart
    wait.stop();
    QMetaObject::invokeMethod(&wait, "timeout");
    EXPECT_EQ(std::count(watch.titles.begin(), watch.titles.end(), "Accessing data"), 1);
    EXPECT_GT(updateTimer.remainingTime(), updateTimer.interval() / 2);
    QMetaObject::invokeMethod(&wait, "timeout"); // the station fetched last: nothing to do
    EXPECT_EQ(std::count(watch.titles.begin(), watch.titles.end(), "Accessing data"), 1);
}

} // namespace
} // namespace stormbell::testing
