#include "GaugeFixture.h"

#include "tests/support/ProxyPort.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace stormbell::testing {
namespace {

// Without a settings file the gauge asks where the user is, the keyboard in the search field;
// the first pick fetches at once (here from a port where nothing listens, so the fetch fails).
// A later start, with the file, asks nothing.
TEST_F(GaugeFixture, FirstStartAsksWhereTheUserIsAndFetchesTheFirstPick) {
    for (const bool noFile : {false, true}) {
        store.Values = {{"Host", "127.0.0.1"},
                        {"UseProxy", "true"},
                        {"FTPPortNum", std::to_string(FreeProxyPort())}};
        store.NoFile = noFile;
        GaugeWindow& w = Start();
        OptionsDialog& options = program->options;
        EXPECT_EQ(options.isVisible(), noFile);
        if (!noFile)
            continue;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
        EXPECT_EQ(QApplication::focusWidget(), options.StationNameField);
        EXPECT_TRUE(options.PlacePrompt->isVisible());
        QTest::keyClicks(options.StationNameField, "zurich");
        QTest::keyClick(options.StationNameField, Qt::Key_Return);
        EXPECT_EQ(program->settings.StationFile, "LSZH.TXT");
        EXPECT_TRUE(QTest::qWaitFor([&] { return Brush(w, "redLamp") == 0x88; }));
    }
}

} // namespace
} // namespace stormbell::testing
