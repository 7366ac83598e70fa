#include "GaugeFixture.h"

#include "settings/qt/OptionsDialog.h"
#include "tests/net/FakeFtpServer.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMenu>

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
    QTimer& wait = Child<QTimer>(w, "stationFetchDelay");
    QTimer& updateTimer = Child<QTimer>(w, "updateTimer");
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

// The menu offers the stations picked last, newest first; a choice from the keyboard switches
// to it and fetches it at once, and the list is stored under its own key.
TEST_F(StationFetchTest, RecentStationsMenuSwitchesAndFetches) {
    store.Values["Host"] = "127.0.0.1";
    store.Values["UseProxy"] = "true";
    store.Values["FTPPortNum"] = std::to_string(UnusedPort()); // a quick, failed fetch
    store.Values["RecentStations"] = "EGLL,KSEA,bad";
    GaugeWindow& w = Start();
    Watcher watch(w);
    QTimer& wait = Child<QTimer>(w, "stationFetchDelay");
    OptionsDialog& options = program->options;
    options.show();
    options.StationList->setCurrentIndex(options.StationList->model()->index(1987, 0));
    wait.stop();
    QMetaObject::invokeMethod(&wait, "timeout");
    EXPECT_EQ(program->settings.RecentStations, "KJLN,EGLL,KSEA");

    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Menu);
    QMenu& recent = Child<QMenu>(w, "RecentStations");
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
    ASSERT_TRUE(QTest::qWaitFor([&] { return recent.isVisible(); }));
    QStringList entries;
    for (const QAction* action : recent.actions())
        entries << action->text();
    EXPECT_EQ(entries, QStringList({"&1 KJLN  US,MO,Joplin, Joplin Regional Airport",
                                    "&2 EGLL  United Kingdom ,London / Heathrow Airport",
                                    "&3 KSEA  US,WA,Seattle-Tacoma International Airport"}));
    QTest::keyClick(&recent, Qt::Key_2);
    EXPECT_EQ(program->settings.StationFile, "EGLL.TXT");
    EXPECT_EQ(options.StationIdField->text(), "EGLL");
    EXPECT_EQ(std::count(watch.titles.begin(), watch.titles.end(), "Accessing data"), 2);
    EXPECT_EQ(program->settings.RecentStations, "EGLL,KJLN,KSEA");
    w.SaveAndExit();
    EXPECT_EQ(store.Values["RecentStations"], "EGLL,KJLN,KSEA");
}

} // namespace
} // namespace stormbell::testing
