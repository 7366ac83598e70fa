#include "settings/SettingsPersistence.h"

#include "settings/SettingsTable.h"
#include "tests/support/MemorySettingsStore.h"
#include "tests/support/Thrown.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace stormbell {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using testing::MemorySettingsStore;
using ::testing::Pair;
using Texts = std::map<std::string, std::string>;

struct Loaded {
    Settings settings;
    Observation observation;
    std::uint16_t storedPressSet = 0;
};

// Both parts of the load from a store holding `values`.
Loaded Load(const Texts& values) {
    MemorySettingsStore store;
    store.Values = values;
    Loaded loaded;
    LoadAtWindowCreation(store, loaded.settings);
    LoadSettings(store, loaded.settings, loaded.observation, loaded.storedPressSet,
                 DisplayMode::Metric);
    return loaded;
}

// What a save writes of `settings` with the rest of a fresh store, the window at its first place.
Texts Saved(const Settings& settings) {
    MemorySettingsStore store;
    SaveSettings(store, settings, FreshStoreObservation(), rest::kPressSet, 213, 102);
    return store.Values;
}

// What a save writes after loading `values` and changing nothing.
Texts Resaved(const Texts& values) {
    const Loaded l = Load(values);
    MemorySettingsStore store;
    SaveSettings(store, l.settings, l.observation, l.storedPressSet, l.settings.WindowLeft,
                 l.settings.WindowTop);
    return store.Values;
}

struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> storedAndResaved;
};

// Each stored text alone in a store loads as the value the save writes back as the second.
void ExpectResaved(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        for (const auto& [stored, resaved] : c.storedAndResaved)
            EXPECT_EQ(Resaved({{c.name, stored}}).at(c.name), resaved)
                << c.name << " stored as \"" << stored << '"';
}

// A few of the defaults that files of earlier versions lacking a value rely on; the others are
// checked against what a program that never loaded holds.
TEST(SettingsLoadTest, EmptyStoreGivesEveryDefault) {
    const Texts defaults = Resaved({});
    EXPECT_EQ(defaults, Saved(Settings{}));
    EXPECT_THAT(defaults,
                IsSupersetOf({Pair("OCityStr", "KJLN.TXT"), Pair("TValue", "60"),
                              Pair("FLeft", "213"), Pair("FTop", "102"), Pair("FTPPortNum", "21"),
                              Pair("OHumidLoc", "50"), Pair("Host", "tgftp.nws.noaa.gov"),
                              Pair("Direct1", "data/observations/metar/decoded")}));
    const Observation o = Load({}).observation;
    EXPECT_EQ(o.Target, o.Shown);
}

// A stored text the program cannot use loads as the default; the rest load as written.
TEST(SettingsLoadTest, EachStoredTextLoadsAsTheValueItSavesBackAs) {
    ExpectResaved({
        // Booleans read the usual spellings and anything else as false.
        {"LogIt", {{"false", "false"}, {"False", "false"}, {"TRUE", "true"}, {"on", "true"}}},
        {"LogIt", {{"truth", "false"}}},
        {"RunOnStart", {{"0", "false"}, {"1", "true"}, {"nein", "false"}}},
        {"UseProxy", {{"no", "false"}, {"OFF", "false"}, {"Yes", "true"}, {"", "false"}}},
        // DisplayMode other than "0" or "1" is English.
        {"DisplayMode", {{"1", "1"}, {"2", "0"}, {"", "0"}, {" 1", "0"}}},
        // Only the former directory is replaced.
        {"Direct1", {{"data/observations/metar/stations", "data/observations/metar/decoded"}}},
        {"Direct1", {{"data/observations/metar/stations/", "data/observations/metar/stations/"}}},
        // Empty text is not a missing value.
        {"OCityStr", {{"", ""}}},
        {"Host", {{"", ""}}},
        {"LIndex", {{"", "0"}}},
        {"Direct1", {{"", ""}}},
        // Whole numbers that are bad or do not fit take their default; TValue is a day at most.
        {"TValue", {{"abc", "60"}, {"4294967296", "60"}, {" +90", "90"}}},
        {"TValue", {{"0", "1"}, {"-5", "1"}, {"1441", "1440"}}},
        {"FLeft", {{"32767", "32767"}, {"32768", "213"}}},
        {"FTop", {{"-32769", "102"}}},
        {"OTemp", {{"7x", "-30"}, {"-40000", "-30"}}},
        {"OHumidLoc", {{"65535", "65535"}, {"-1", "50"}}},
        {"OHumd", {{"2147483648", "0"}}},
        {"LIndex", {{"-3", "-3"}}},
        {"FTPPortNum", {{"40000", "40000"}}},
        // Reals load as whole numbers, bad text as -30.
        {"OHeatIndex", {{"abc", "-30"}, {"72.5", "72"}, {"72,5", "72"}}},
        {"OChill", {{"", "-30"}, {"73.5", "74"}, {"-4.6", "-5"}, {"-4,6", "-5"}, {"1,5,0", "-30"}}},
        // Shown values the dials cannot show and texts the gauges cannot draw load as defaults.
        {"OHumd", {{"100", "100"}, {"101", "0"}, {"2147483647", "0"}, {"-1", "0"}}},
        {"OTemp", {{"250", "250"}, {"251", "-30"}, {"-151", "-30"}}},
        {"OHeatIndex", {{"-150", "-150"}, {"1e3", "-30"}}},
        {"OChill", {{"-151", "-30"}}},
        {"OPresInfo", {{"29,92", "29.92"}, {"9999.99", "9999.99"}, {"1e300", "28.00"}}},
        {"OPresInfo", {{"10000", "28.00"}, {"-0.5", "28.00"}, {"29.92", "29.92"}, {"x", "28.00"}}},
        {"OWSInfo", {{"999", "999"}, {"1000", "00"}, {"-5", "00"}}},
        {"OWSInfo", {{"12", "12"}, {"1.5", "00"}, {"", "00"}}},
        {"OWDInfo", {{"VRB", "VRB"}, {"360", "360"}, {"999", "999"}, {"1000", "000"}}},
        {"OWDInfo", {{"-1", "000"}, {"vrb", "000"}}},
    });
}

// The save takes one marker off as the load does.
TEST(SettingsLoadTest, HostLosesOnePortMarker) {
    const std::pair<std::string, std::string> hosts[] = {{"F#Fexample.org", "example.org"},
                                                         {"F#FF#Fexample.org", "F#Fexample.org"},
                                                         {"example.F#F", "example.F#F"}};
    for (const auto& [stored, loaded] : hosts) {
        EXPECT_EQ(Load({{"Host", stored}}).settings.Host, loaded);
        Settings settings;
        settings.Host = stored;
        EXPECT_EQ(Saved(settings).at("Host"), loaded);
    }
}

TEST(SettingsLoadTest, MetricStartsAtItsOwnLowEndsOnlyFromTheDefaults) {
    const Observation fresh = Load({{"DisplayMode", "1"}}).observation;
    EXPECT_EQ(std::tie(fresh.Shown.PressureInHg, fresh.Shown.TemperatureF), std::tuple(100.0, 0));
    EXPECT_EQ(std::tie(fresh.Target.PressureInHg, fresh.Target.TemperatureF),
              std::tuple(28.0, -30));
    const Observation read =
        Load({{"DisplayMode", "1"}, {"OPresInfo", "28.0"}, {"OTemp", "-29"}}).observation;
    EXPECT_EQ(std::tie(read.Shown.PressureInHg, read.Shown.TemperatureF), std::tuple(28.0, -29));
    const Observation english = Load({{"DisplayMode", "2"}}).observation;
    EXPECT_EQ(std::tie(english.Shown.PressureInHg, english.Shown.TemperatureF),
              std::tuple(28.0, -30));
}

// The locale's units only while no settings file exists; the metric face then starts at its own
// low ends, as any store that never held a reading does.
TEST(SettingsLoadTest, FirstStartTakesTheGivenModeAndLaterStartsTheStoredOne) {
    const struct {
        bool noFile;
        Texts stored;
        DisplayMode given;
        DisplayMode loaded;
        double pressure;
    } cases[] = {{true, {}, DisplayMode::Metric, DisplayMode::Metric, 100.0},
                 {true, {}, DisplayMode::English, DisplayMode::English, 28.00},
                 {false, {}, DisplayMode::Metric, DisplayMode::English, 28.00},
                 {false, {{"DisplayMode", "1"}}, DisplayMode::English, DisplayMode::Metric, 100.0},
                 {false, {{"DisplayMode", "0"}}, DisplayMode::Metric, DisplayMode::English, 28.00}};
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.Values = c.stored;
        store.NoFile = c.noFile;
        Loaded l;
        LoadSettings(store, l.settings, l.observation, l.storedPressSet, c.given);
        EXPECT_EQ(l.observation.DisplayMode, c.loaded) << c.noFile << c.stored.size();
        EXPECT_EQ(l.observation.Shown.PressureInHg, c.pressure) << c.noFile << c.stored.size();
    }
}

TEST(SettingsSaveTest, WritesEverySettingOnceInTheTablesOrder) {
    std::vector<std::string> names;
    settingstable::ForEachSetting([&](const auto& row) { names.push_back(row.Name); });
    MemorySettingsStore store;
    SaveSettings(store, Settings{}, FreshStoreObservation(), rest::kPressSet, 213, 102);
    EXPECT_EQ(store.Written, names);
    EXPECT_EQ(std::set(names.begin(), names.end()).size(), names.size());
}

// Each setting stored unlike its default, a boolean as the opposite of its own, loads back as
// stored, alone and with all the others: no two settings share a variable.
TEST(SettingsSaveTest, SavedTextsLoadBackUnchanged) {
    Texts stored = {{"FLeft", "-20"},         {"FTop", "900"},
                    {"LIndex", "1987"},       {"TValue", "15"},
                    {"OTemp", "71"},          {"OHumd", "64"},
                    {"OHumidLoc", "77"},      {"FTPPortNum", "2121"},
                    {"OHeatIndex", "72"},     {"OChill", "-12"},
                    {"DisplayMode", "1"},     {"OPresInfo", "29.92"},
                    {"OWDInfo", "VRB"},       {"OWSInfo", "15"},
                    {"OCityStr", "EGLC.TXT"}, {"Direct1", "pub\\reports/x"},
                    {"Host", "a, b"},         {"RecentStations", "KSEA,EGLL"}};
    stored["HistoryGeometry"] = "5,6,700,80";
    settingstable::ForEachSetting([&](const auto& row) {
        if constexpr (std::is_same_v<decltype(row.Default), bool>)
            stored[row.Name] = row.Default ? "false" : "true";
    });
    const Texts defaults = Resaved({});
    for (const auto& [name, text] : stored) {
        EXPECT_NE(defaults.at(name), text) << name;
        EXPECT_EQ(Resaved({{name, text}}).at(name), text) << name;
    }
    stored["ONotReported"] = ""; // the values above are all stated
    EXPECT_EQ(Resaved(stored), stored);
}

// A program's save into the store it loaded from, changing nothing: its settings file.
Texts ResavedInPlace(const Texts& values) {
    MemorySettingsStore store;
    store.Values = values;
    Loaded l;
    LoadAtWindowCreation(store, l.settings);
    LoadSettings(store, l.settings, l.observation, l.storedPressSet, DisplayMode::English);
    SaveSettings(store, l.settings, l.observation, l.storedPressSet, l.settings.WindowLeft,
                 l.settings.WindowTop);
    return store.Values;
}

// Each form a save has written for a shown value comes back byte for byte: "00" and "0" are
// both calm, "30.10" and "30.1" the same pressure.
TEST(SettingsSaveTest, AFileLoadsAndSavesToTheSameBytes) {
    const Texts forms[] = {
        {{"OPresInfo", "28.00"}, {"OWDInfo", "000"}, {"OWSInfo", "00"}},
        {{"OPresInfo", "28"}, {"OWDInfo", "VRB"}, {"OWSInfo", "0"}},
        {{"OPresInfo", "30.10"}, {"OWDInfo", "090"}, {"OWSInfo", "05"}},
        {{"OPresInfo", "30.1"}, {"OWDInfo", "370"}, {"OWSInfo", "5"}},
        {{"OPresInfo", "100.0"}, {"DisplayMode", "1"}, {"OTemp", "0"}},
        {{"OPresInfo", "29.921"}, {"OHeatIndex", "-30"}, {"OChill", "71"}},
    };
    for (const Texts& form : forms) {
        Texts file = Resaved({});
        for (const auto& [name, text] : form)
            file[name] = text;
        EXPECT_EQ(ResavedInPlace(file), file) << form.begin()->second;
    }
}

// Nothing the report did not state is kept as a reading, whatever a hand edit put there.
TEST(SettingsSaveTest, UnreportedValuesLoadAndSaveAtTheirRest) {
    const Texts resaved = Resaved({{"ONotReported", "Pressure,Wind"},
                                   {"OPresInfo", "29.92"},
                                   {"OWDInfo", "250"},
                                   {"OTemp", "71"}});
    EXPECT_EQ(std::make_tuple(resaved.at("ONotReported"), resaved.at("OPresInfo"),
                              resaved.at("OWDInfo"), resaved.at("OTemp")),
              std::make_tuple("Pressure,Wind", "28.00", "000", "71"));
}

TEST(SettingsSaveTest, FailedCommitNamesTheFirstValueAndKeepsTheStore) {
    MemorySettingsStore store;
    store.Values = {{"LIndex", "5"}};
    store.FailCommit = true;
    const auto error = Thrown<ESettingsWriteError>(
        [&] { SaveSettings(store, Settings{}, FreshStoreObservation(), 50, 1, 2); });
    ASSERT_TRUE(error);
    EXPECT_STREQ(error->what(), "Failed to set data for 'LIndex'");
    EXPECT_THAT(store.Values, ElementsAre(Pair("LIndex", "5")));
}

} // namespace
} // namespace stormbell
