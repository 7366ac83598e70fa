#include "GaugeFixture.h"

#include "app/qt/GaugeMenu.h"
#include "app/qt/KeyboardAccess.h"
#include "tests/support/ProxyPort.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>

#include <sstream>

namespace stormbell::testing {
namespace {

// Every case starts a new gauge, active, the focus on the window itself, the reference hand at
// 50 and the pressure needle on 29.92 inHg; a fetch goes to a port where nothing listens.
class KeyboardTest : public GaugeFixture {
protected:
    GaugeWindow& StartActive() {
        store.Values = {{"Host", "127.0.0.1"},
                        {"UseProxy", "true"},
                        {"OHumidLoc", "50"},
                        {"OPresInfo", "29.92"},
                        {"FTPPortNum", std::to_string(FreeProxyPort())}};
        GaugeWindow& w = Start();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }

    /// Each key of `keys` ("Tab;Shift+F10") to the part that has the focus, once the window
    /// system has passed on the activations the key before asked for.
    static void Press(GaugeWindow& w, const QString& keys) {
        for (const QString& key : keys.split(';')) {
            const QKeyCombination k = QKeySequence(key)[0];
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &w, k.key(), k.keyboardModifiers());
            QCoreApplication::processEvents();
        }
    }

    /// What the user would see: a failed fetch, the dialogs, the window's state and place, the
    /// hand, the focus (in any window, unless on the gauge itself) and its mark, the menu.
    std::string Seen(GaugeWindow& w) {
        std::ostringstream s;
        if (Brush(w, "redLamp") == 0x88)
            s << "fetch failed, ";
        if (program->options.isVisible())
            s << "options, ";
        if (program->ftpSettings.isVisible())
            s << "FTP settings, ";
        if (w.isMinimized())
            s << "minimised, ";
        if (endCode)
            s << (store.Values.contains("FLeft") ? "saved and ended, " : "ended unsaved, ");
        s << "hand " << w.GetGauges().PressSet << " at " << w.x() << "," << w.y();
        if (QWidget* focus = QApplication::focusWidget();
            focus && focus != &w && focus->isVisible())
            s << ", focus " << focus->objectName().toStdString();
        if (Child(w, "FocusMark").isVisible())
            s << " marked";
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            s << ", menu";
            menu->close();
        }
        return s.str();
    }

    GaugeMenu& Menu(GaugeWindow& w) { return Child<KeyboardAccess>(w, "KeyboardAccess").Menu(); }
};

// Dialogs take the focus on their first field, and Escape hands it back.
TEST_F(KeyboardTest, EachKeyDoesItsAction) {
    const std::string home = "hand 50 at 213,102";
    const std::pair<QString, std::string> cases[] = {
        {"F5", "fetch failed, " + home},
        {"Ctrl+,", "options, " + home + ", focus stationSearch"},
        {"Ctrl+O", "options, " + home + ", focus stationSearch"},
        {"Ctrl+O;Escape", home},
        {"Ctrl+O;Shift+Tab;Shift+Tab;Space",
         "options, FTP settings, " + home + ", focus hostField"},
        {"Ctrl+O;Shift+Tab;Shift+Tab;Space;Escape", "options, " + home + ", focus ftpSettings"},
        {"Ctrl+M", "minimised, " + home},
        {"Ctrl+Q", "saved and ended, " + home},
        {"Alt+F4", "ended unsaved, " + home},
        {"Ctrl+Shift+R", "hand 98 at 213,102"},
        {"Up;+;Return", home},
        {"Tab;Return", "fetch failed, " + home + ", focus updateBar marked"},
        {"Tab;Tab;Space", "options, " + home + ", focus stationSearch"},
        {"Tab;Tab;Tab;Return", "minimised, " + home + ", focus minimiseBar marked"},
        {"Tab;Tab;Tab;Tab;Space", "saved and ended, " + home + ", focus exitBar marked"},
        {"Shift+Backtab;Up;+;Return", "hand 53 at 213,102, focus hub marked"},
        {"Shift+Backtab;Down;-", "hand 48 at 213,102, focus hub marked"},
        {"Tab;Tab;Tab;Tab;Tab;Tab", home + ", focus updateBar marked"},
        {"Menu", home + ", menu"},
        {"Tab;Shift+F10", home + ", focus updateBar marked, menu"},
    };
    for (const auto& [keys, seen] : cases) {
        endCode.reset();
        GaugeWindow& w = StartActive();
        Press(w, keys);
        EXPECT_EQ(Seen(w), seen) << keys.toStdString();
    }
}

TEST_F(KeyboardTest, MenuListsEveryActionWithItsKeysAndOpensOnARightClickOnly) {
    GaugeWindow& w = StartActive();
    QStringList entries;
    for (const QAction* action : Menu(w).Menu().actions())
        entries << action->text() + " " + action->shortcut().toString();
    EXPECT_EQ(entries, QStringList({"Update now F5", "Options… Ctrl+,",
                                    "Set reference hand to current pressure Ctrl+Shift+R",
                                    "History… Ctrl+H", "Move with the keyboard ", "Minimise Ctrl+M",
                                    "Save and exit Ctrl+Q", "&Recent stations "}));
    QWidget& skin = Child(w, "englishSkin");
    QTest::mouseClick(&skin, Qt::RightButton, {}, {100, 50});
    EXPECT_EQ(Seen(w), "hand 50 at 213,102, menu");
    QTest::mousePress(&skin, Qt::RightButton, {}, {100, 50});
    QTest::mouseMove(&skin, {130, 60});
    QTest::mouseRelease(&skin, Qt::RightButton, {}, {130, 60});
    QTest::mouseClick(&Child(w, "hub"), Qt::RightButton);
    EXPECT_EQ(Seen(w), "hand 49 at 213,102");

    // Moving by the menu's entry until Return; the place it ends at is the one the exit saves.
    // The gauge is the active window again first, as after a menu on a desktop: the offscreen
    // platform hands the activation to a closed menu's window late, which would end the move.
    QCoreApplication::processEvents();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Menu(w).Menu().actions()[4]->trigger();
    Press(w, "Right;Shift+Down;Return;Left");
    EXPECT_EQ(Seen(w), "hand 49 at 214,112");
    Menu(w).Menu().actions()[6]->trigger();
    EXPECT_EQ(std::make_pair(store.Values["FLeft"], store.Values["FTop"]),
              std::make_pair(std::string("214"), std::string("112")));
}

TEST_F(KeyboardTest, HubKeysMoveTheWindowWhileTheMoveRunsAndTurnTheHandAfter) {
    GaugeWindow& w = StartActive();
    QWidget& hub = Child(w, "hub");
    Menu(w).Menu().actions()[4]->trigger();
    QTest::keyClick(&hub, Qt::Key_Up);
    QTest::keyClick(&hub, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Seen(w), "hand 50 at 213,111");
    Press(w, "Escape");
    QTest::keyClick(&hub, Qt::Key_Up);
    QTest::keyClick(&hub, Qt::Key_Up);
    EXPECT_EQ(Seen(w), "hand 52 at 213,111");
}

} // namespace
} // namespace stormbell::testing
