#include "settings/SettingsPersistence.h"

#include "settings/SettingsTable.h"
#include "tests/support/MemorySettingsStore.h"
#include "tests/support/Thrown.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace stormbell {
namespace {

using ::testing::ElementsAre;
using testing::MemorySettingsStore;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

struct Loaded {
    Settings settings;
    Observation observation;
    std::uint16_t ohumidLoc = 0;
};

// Both parts of the load from a store holding `values`.
Loaded Load(const std::map<std::string, std::string>& values) {
    MemorySettingsStore store;
    store.Values = values;
    Loaded loaded;
    LoadWindowPosition(store, loaded.settings);
    LoadSettings(store, loaded.settings, loaded.observation, loaded.ohumidLoc);
    return loaded;
}

// The texts a save writes after loading `values` and changing nothing.
std::map<std::string, std::string> Resaved(const std::map<std::string, std::string>& values) {
    const Loaded loaded = Load(values);
    MemorySettingsStore store;
    SaveSettings(store, loaded.settings, loaded.observation, loaded.ohumidLoc,
                 loaded.settings.FLeft, loaded.settings.FTop);
    return store.Values;
}

TEST(SettingsLoadTest, EmptyStoreGivesEveryDefault) {
    Settings fresh;
    fresh.LIndex = 7; // overwritten by the load
    MemorySettingsStore store;
    Observation o;
    std::uint16_t ohumidLoc = 0;
    LoadWindowPosition(store, fresh);
    LoadSettings(store, fresh, o, ohumidLoc);

    EXPECT_EQ(fresh.FLeft, 213);
    EXPECT_EQ(fresh.FTop, 102);
    EXPECT_EQ(fresh.LIndex, 0);
    EXPECT_EQ(fresh.TValue, 60);
    EXPECT_EQ(fresh.FTPPortNum, 21);
    EXPECT_EQ(fresh.OCityStr, "KJLN.TXT");
    EXPECT_FALSE(fresh.LogIt || fresh.RunOnStart || fresh.UseProxy);
    EXPECT_EQ(fresh.Host, "tgftp.nws.noaa.gov");
    EXPECT_EQ(fresh.Direct1, "data/observations/metar/decoded");
    EXPECT_EQ(ohumidLoc, 50);
    const Observation expected = FreshStoreObservation();
    for (const Observation* x : {&std::as_const(o), &expected}) {
        EXPECT_EQ(x->OTemp, -30);
        EXPECT_EQ(x->NewTemp, -30);
        EXPECT_EQ(x->OHumd, 0);
        EXPECT_EQ(x->OHeatIndex, -30.0);
        EXPECT_EQ(x->NewChill, -30.0);
        EXPECT_EQ(x->OPresInfo, "28.00");
        EXPECT_EQ(x->NewPresInfo, "28.00");
        EXPECT_EQ(x->OWDInfo, "000");
        EXPECT_EQ(x->OWSInfo, "00");
        EXPECT_EQ(x->DisplayMode, "0");
    }
    EXPECT_TRUE(store.Written.empty()); // a load writes nothing
}

TEST(SettingsLoadTest, OnlyTheExactTextFalseIsFalse) {
    const struct {
        std::string text;
        bool value;
    } cases[] = {{"false", false}, {"False", true}, {"0", true},
                 {"", true},       {"true", true},  {"FALSE", true}};
    for (const auto& c : cases) {
        const Loaded l = Load({{"LogIt", c.text}, {"RunOnStart", c.text}, {"UseProxy", c.text}});
        EXPECT_EQ(l.settings.LogIt, c.value) << c.text;
        EXPECT_EQ(l.settings.RunOnStart, c.value) << c.text;
        EXPECT_EQ(l.settings.UseProxy, c.value) << c.text;
    }
}

TEST(SettingsLoadTest, DisplayModeOtherThanZeroOrOneIsEnglish) {
    const struct {
        std::string stored, loaded;
    } cases[] = {{"0", "0"}, {"1", "1"}, {"2", "0"}, {"", "0"}, {" 1", "0"}};
    for (const auto& c : cases)
        EXPECT_EQ(Load({{"DisplayMode", c.stored}}).observation.DisplayMode, c.loaded) << c.stored;
}

TEST(SettingsLoadTest, HostLosesOnePortMarkerAndTheFormerDirectoryIsReplaced) {
    const struct {
        std::string host, loadedHost, dir, loadedDir;
    } cases[] = {
        {"F#Fexample.org", "example.org", "data/observations/metar/stations",
         "data/observations/metar/decoded"},
        {"F#FF#Fexample.org", "F#Fexample.org", "data/observations/metar/stations/",
         "data/observations/metar/stations/"},
        {"example.F#F", "example.F#F", "", ""},
        {"F#", "F#", "other", "other"},
    };
    for (const auto& c : cases) {
        const Loaded l = Load({{"Host", c.host}, {"Direct1", c.dir}});
        EXPECT_EQ(l.settings.Host, c.loadedHost);
        EXPECT_EQ(l.settings.Direct1, c.loadedDir);
    }
}

TEST(SettingsLoadTest, WholeNumbersOutsideTheirVariableOrLimitsAreMended) {
    const struct {
        const char* name;
        std::string stored;
        long long loaded;
    } cases[] = {
        {"TValue", "abc", 60},         {"TValue", "", 60},         {"TValue", "0", 1},
        {"TValue", "-5", 1},           {"TValue", "1441", 1440},   {"TValue", "4294967296", 60},
        {"TValue", " +90", 90},        {"FLeft", "32767", 32767},  {"FLeft", "32768", 213},
        {"FTop", "-32769", 102},       {"OTemp", "-40000", -30},   {"OTemp", "7x", -30},
        {"OHumidLoc", "65535", 65535}, {"OHumidLoc", "70000", 50}, {"OHumidLoc", "-1", 50},
        {"OHumd", "2147483648", 0},    {"LIndex", "-3", -3},       {"FTPPortNum", "40000", 40000},
    };
    for (const auto& c : cases) {
        const Loaded l = Load({{c.name, c.stored}});
        const std::map<std::string, long long> got = {
            {"TValue", l.settings.TValue}, {"FLeft", l.settings.FLeft},
            {"FTop", l.settings.FTop},     {"OTemp", l.observation.OTemp},
            {"OHumidLoc", l.ohumidLoc},    {"OHumd", l.observation.OHumd},
            {"LIndex", l.settings.LIndex}, {"FTPPortNum", l.settings.FTPPortNum}};
        EXPECT_EQ(got.at(c.name), c.loaded) << c.name << " " << c.stored;
    }
}

TEST(SettingsLoadTest, RealsLoadAsWholeNumbersAndBadTextAsMinusThirty) {
    const struct {
        std::string stored;
        double loaded;
    } cases[] = {{"72.5", 72}, {"73.5", 74}, {"-4.6", -5}, {"abc", -30}, {"", -30}, {"1e3", 1000}};
    for (const auto& c : cases) {
        const Loaded l = Load({{"OHeatIndex", c.stored}, {"OChill", c.stored}});
        EXPECT_EQ(l.observation.OHeatIndex, c.loaded) << c.stored;
        EXPECT_EQ(l.observation.NewHeatIndex, c.loaded) << c.stored;
        EXPECT_EQ(l.observation.OChill, c.loaded) << c.stored;
    }
}

TEST(SettingsLoadTest, ShownTextsTheGaugesCannotDrawLoadAsDefaults) {
    const struct {
        const char* name;
        std::string stored, loaded;
    } cases[] = {
        {"OWDInfo", "VRB", "VRB"},       {"OWDInfo", "360", "360"}, {"OWDInfo", "5", "5"},
        {"OWDInfo", "361", "000"},       {"OWDInfo", "-1", "000"},  {"OWDInfo", "vrb", "000"},
        {"OWSInfo", "12", "12"},         {"OWSInfo", "1.5", "00"},  {"OWSInfo", "", "00"},
        {"OPresInfo", "29.92", "29.92"}, {"OPresInfo", "30", "30"}, {"OPresInfo", "x", "28.00"},
    };
    for (const auto& c : cases) {
        const Observation o = Load({{c.name, c.stored}}).observation;
        const std::map<std::string, std::string> got = {
            {"OWDInfo", o.OWDInfo}, {"OWSInfo", o.OWSInfo}, {"OPresInfo", o.OPresInfo}};
        const std::map<std::string, std::string> target = {
            {"OWDInfo", o.NewWDInfo}, {"OWSInfo", o.NewWSInfo}, {"OPresInfo", o.NewPresInfo}};
        EXPECT_EQ(got.at(c.name), c.loaded) << c.name << " " << c.stored;
        EXPECT_EQ(target.at(c.name), c.loaded) << c.name << " " << c.stored;
    }
}

TEST(SettingsLoadTest, MetricStartsAtItsOwnLowEndsOnlyFromTheDefaults) {
    const Loaded fresh = Load({{"DisplayMode", "1"}});
    EXPECT_EQ(fresh.observation.OPresInfo, "100.0");
    EXPECT_EQ(fresh.observation.OTemp, 0);
    EXPECT_EQ(fresh.observation.NewPresInfo, "28.00");
    EXPECT_EQ(fresh.observation.NewTemp, -30);

    const Loaded read = Load({{"DisplayMode", "1"}, {"OPresInfo", "28.0"}, {"OTemp", "-29"}});
    EXPECT_EQ(read.observation.OPresInfo, "28.0");
    EXPECT_EQ(read.observation.OTemp, -29);

    const Loaded english = Load({{"DisplayMode", "2"}});
    EXPECT_EQ(english.observation.OPresInfo, "28.00");
    EXPECT_EQ(english.observation.OTemp, -30);
}

TEST(SettingsLoadTest, EmptyTextIsNotAMissingValue) {
    const Loaded l = Load({{"OCityStr", ""}, {"Host", ""}, {"LIndex", ""}});
    EXPECT_EQ(l.settings.OCityStr, "");
    EXPECT_EQ(l.settings.Host, "");
    EXPECT_EQ(l.settings.LIndex, 0);
}

TEST(SettingsSaveTest, FreshStoreWritesTheTwentyDefaultsInOrder) {
    MemorySettingsStore store;
    const Loaded l = Load({});
    SaveSettings(store, l.settings, l.observation, l.ohumidLoc, 213, 102);
    EXPECT_THAT(store.Written,
                ElementsAre("LIndex", "TValue", "FTPPortNum", "OTemp", "OHumd", "OHumidLoc",
                            "OHeatIndex", "OChill", "OPresInfo", "OWDInfo", "OWSInfo", "OCityStr",
                            "DisplayMode", "FLeft", "UseProxy", "FTop", "LogIt", "RunOnStart",
                            "Host", "Direct1"));
    EXPECT_THAT(store.Values,
                UnorderedElementsAre(
                    Pair("FLeft", "213"), Pair("FTop", "102"), Pair("LIndex", "0"),
                    Pair("TValue", "60"), Pair("OTemp", "-30"), Pair("OHumd", "0"),
                    Pair("OHumidLoc", "50"), Pair("FTPPortNum", "21"), Pair("OHeatIndex", "-30"),
                    Pair("OChill", "-30"), Pair("DisplayMode", "0"), Pair("OPresInfo", "28.00"),
                    Pair("OWDInfo", "000"), Pair("OWSInfo", "00"), Pair("OCityStr", "KJLN.TXT"),
                    Pair("LogIt", "false"), Pair("RunOnStart", "false"), Pair("UseProxy", "false"),
                    Pair("Host", "tgftp.nws.noaa.gov"),
                    Pair("Direct1", "data/observations/metar/decoded")));
}

TEST(SettingsSaveTest, LoadedTextsAreWrittenBackInTheirOwnForms) {
    const struct {
        const char* name;
        std::string stored, written;
    } cases[] = {
        {"OHeatIndex", "abc", "-30"}, {"OChill", "72.5", "72"},   {"LogIt", "False", "true"},
        {"UseProxy", "", "true"},     {"TValue", "5000", "1440"}, {"Host", "F#Fa.b", "a.b"},
        {"FLeft", "40000", "213"},    {"OTemp", "+5", "5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Resaved({{c.name, c.stored}}).at(c.name), c.written) << c.name << " " << c.stored;
}

TEST(SettingsSaveTest, ProxyPortClampedBySpinIsWrittenClamped) {
    Loaded l = Load({{"FTPPortNum", "40000"}});
    l.settings.FTPPortNum = settingstable::ClampProxyPort(l.settings.FTPPortNum);
    EXPECT_EQ(l.settings.FTPPortNum, 32766);
    EXPECT_EQ(settingstable::ClampProxyPort(-1), 0);
    MemorySettingsStore store;
    SaveSettings(store, l.settings, l.observation, l.ohumidLoc, 0, 0);
    EXPECT_EQ(store.Values.at("FTPPortNum"), "32766");
}

TEST(SettingsSaveTest, SavedValuesLoadBackUnchanged) {
    Loaded saved = Load({});
    saved.settings = {400,          -20,  1987,  15,   2121,
                      "EGLC.TXT",   true, false, true, "F#Fftp.example.org",
                      "pub/reports"};
    saved.observation.OTemp = 71;
    saved.observation.OHumd = 64;
    saved.observation.OHeatIndex = 72;
    saved.observation.OChill = -12;
    saved.observation.OPresInfo = "29.92";
    saved.observation.OWDInfo = "VRB";
    saved.observation.OWSInfo = "15";
    saved.observation.DisplayMode = "1";
    MemorySettingsStore store;
    SaveSettings(store, saved.settings, saved.observation, 77, 400, -20);
    Loaded back;
    LoadWindowPosition(store, back.settings);
    LoadSettings(store, back.settings, back.observation, back.ohumidLoc);

    const Settings& a = saved.settings;
    const Settings& b = back.settings;
    EXPECT_EQ(std::tie(a.FLeft, a.FTop, a.LIndex, a.TValue, a.FTPPortNum, a.OCityStr, a.LogIt,
                       a.RunOnStart, a.UseProxy, a.Direct1),
              std::tie(b.FLeft, b.FTop, b.LIndex, b.TValue, b.FTPPortNum, b.OCityStr, b.LogIt,
                       b.RunOnStart, b.UseProxy, b.Direct1));
    EXPECT_EQ(b.Host, "ftp.example.org");
    const Observation& x = saved.observation;
    const Observation& y = back.observation;
    EXPECT_EQ(std::tie(x.OTemp, x.OHumd, x.OHeatIndex, x.OChill, x.OPresInfo, x.OWDInfo, x.OWSInfo,
                       x.DisplayMode),
              std::tie(y.OTemp, y.OHumd, y.OHeatIndex, y.OChill, y.OPresInfo, y.OWDInfo, y.OWSInfo,
                       y.DisplayMode));
    EXPECT_EQ(back.ohumidLoc, 77);
}

TEST(SettingsSaveTest, FailedCommitNamesTheFirstValueAndKeepsTheStore) {
    MemorySettingsStore store;
    store.Values = {{"LIndex", "5"}};
    store.FailCommit = true;
    const Loaded l = Load({});
    const auto error = Thrown<ESettingsWriteError>(
        [&] { SaveSettings(store, l.settings, l.observation, l.ohumidLoc, 1, 2); });
    ASSERT_TRUE(error);
    EXPECT_STREQ(error->what(), "Failed to set data for 'LIndex'");
    EXPECT_EQ(error->Name(), "LIndex");
    EXPECT_THAT(store.Values, ElementsAre(Pair("LIndex", "5")));
}

} // namespace
} // namespace stormbell
