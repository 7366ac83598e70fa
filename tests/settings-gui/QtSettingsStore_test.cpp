#include "settings/qt/QtSettingsStore.h"

#include "settings/SettingsPersistence.h"
#include "tests/support/MemorySettingsStore.h"
#include "tests/support/PermissionBitsApply.h"
#include "tests/support/Thrown.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace stormbell {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every test starts without a store; main() made XDG_CONFIG_HOME a folder of this run's own.
struct QtSettingsStoreTest : ::testing::Test {
    QtSettingsStoreTest() { fs::remove_all(folder); }

    void Save(const Settings& settings, const Observation& observation) {
        QtSettingsStore store;
        SaveSettings(store, settings, observation, 50, settings.FLeft, settings.FTop);
    }

    const fs::path folder = fs::path(std::getenv("XDG_CONFIG_HOME")) / "Brightmoor";
    const fs::path file = folder / "Stormbell.conf";
};

TEST_F(QtSettingsStoreTest, StoreIsTheIniFileUnderXdgConfigHome) {
    EXPECT_EQ(fs::path(QtSettingsStore().Location()), file);
}

TEST_F(QtSettingsStoreTest, TextsRoundTripUnchanged) {
    // Texts Qt's file format would otherwise read as lists, escapes, comments or other types.
    const std::string texts[] = {"a, b", "x;y",      " padded ", "@at",         "back\\slash",
                                 "",     "k=v",      "\"q\"",    "caf\xc3\xa9", "F#Fhost",
                                 "#h",   "dir/a/b/", "caf\xe9"};
    for (const std::string& text : texts) {
        QtSettingsStore writer;
        writer.WriteSetting("Host", text);
        writer.WriteSetting("Direct1", text);
        writer.Commit();
        QtSettingsStore reader;
        EXPECT_EQ(reader.ReadSetting("Host", "default"), text);
        EXPECT_EQ(reader.ReadSetting("Direct1", "default"), text);
    }
}

TEST_F(QtSettingsStoreTest, EveryValueIsTextUnderGeneral) {
    testing::MemorySettingsStore texts;
    Settings settings;
    settings.Host = "a, b";
    SaveSettings(texts, settings, FreshStoreObservation(), 50, 213, 102);
    Save(settings, FreshStoreObservation());

    std::set<std::string> expected = {"[General]"};
    for (const auto& [name, text] : texts.Values)
        expected.insert(name + "=" + (name == "Host" ? "\"a, b\"" : text));
    std::set<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.insert(line);
    EXPECT_EQ(lines, expected);
}

TEST_F(QtSettingsStoreTest, HandWrittenValuesReadAsText) {
    WriteBytes(file, "[General]\nOCityStr=\nHost=a, b\nOWDInfo=@Rect(1 2 3 4)\nFLeft=7\n"
                     "Direct1=caf\xc3\xa9\n");
    QtSettingsStore store;
    const struct {
        const char* name;
        std::string read;
    } cases[] = {{"OCityStr", ""},    {"Host", "a, b"},      {"OWDInfo", "default"}, {"FLeft", "7"},
                 {"FTop", "default"}, {"Direct1", "caf\xe9"}}; // UTF-8 in the file, one byte a
                                                               // character in the program
    for (const auto& c : cases)
        EXPECT_EQ(store.ReadSetting(c.name, "default"), c.read) << c.name;
}

TEST_F(QtSettingsStoreTest, FailedSaveNamesTheFirstValueAndKeepsTheOldFile) {
    Save(Settings{}, FreshStoreObservation());
    const std::string before = ReadBytes(file);
    Settings changed;
    changed.Host = "changed.example.org";
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    std::optional<ESettingsWriteError> error;
    {
        testing::PermissionBitsApply asUser;
        error = Thrown<ESettingsWriteError>([&] { Save(changed, FreshStoreObservation()); });
    }
    fs::permissions(folder, fs::perms::owner_all);
    ASSERT_TRUE(error);
    EXPECT_STREQ(error->what(), "Failed to set data for 'LIndex'");
    EXPECT_EQ(ReadBytes(file), before);
}

TEST_F(QtSettingsStoreTest, UnparsableFileGivesDefaultsAndIsSetAside) {
    const std::string damaged = "[General\nFLeft=5\nnot a setting\n";
    WriteBytes(file, damaged);
    Settings loaded;
    Observation observation;
    std::uint16_t ohumidLoc = 0;
    {
        QtSettingsStore store;
        LoadWindowPosition(store, loaded);
        LoadSettings(store, loaded, observation, ohumidLoc);
    }
    EXPECT_EQ(loaded.FLeft, 213);
    EXPECT_EQ(observation.OPresInfo, "28.00");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(ReadBytes(folder / "Stormbell.conf.bad"), damaged);

    Save(loaded, observation);
    EXPECT_EQ(QtSettingsStore().ReadSetting("FLeft", ""), "213");
    EXPECT_EQ(ReadBytes(folder / "Stormbell.conf.bad"), damaged);
}

} // namespace
} // namespace stormbell
