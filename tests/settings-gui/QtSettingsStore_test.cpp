#include "settings/qt/QtSettingsStore.h"

#include "settings/SettingsPersistence.h"
#include "tests/support/MemorySettingsStore.h"
#include "tests/support/PermissionBitsApply.h"
#include "tests/support/TempDir.h"
#include "tests/support/Thrown.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLockFile>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <tuple>

namespace stormbell {
namespace {

namespace fs = std::filesystem;

using testing::ReadFile;

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    testing::WriteFile(path, bytes);
}

// What a case plants where the store or its lock goes.
struct Planted {
    const char* what;
    std::function<void()> make;
};

// Every test starts without a store; main() made XDG_CONFIG_HOME a folder of this run's own.
struct QtSettingsStoreTest : ::testing::Test {
    QtSettingsStoreTest() { fs::remove_all(folder); }

    void Save(const Settings& settings, const Observation& observation) {
        QtSettingsStore store;
        SaveSettings(store, settings, observation, 50, settings.WindowLeft, settings.WindowTop);
    }

    struct Loaded {
        Settings settings;
        Observation observation;
        std::string notice;
    };

    // Both parts of the load from the file as it stands.
    Loaded Load() {
        Loaded loaded;
        QtSettingsStore store;
        std::uint16_t storedPressSet = 0;
        LoadAtWindowCreation(store, loaded.settings);
        LoadSettings(store, loaded.settings, loaded.observation, storedPressSet,
                     DisplayMode::English);
        loaded.notice = store.StartupNotice();
        return loaded;
    }

    std::optional<QLockFile> held;
    const fs::path folder = fs::path(std::getenv("XDG_CONFIG_HOME")) / "Brightmoor";
    const fs::path file = folder / "Stormbell.conf";
};

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

TEST_F(QtSettingsStoreTest, EveryValueIsTextUnderGeneralOfTheIniFileUnderXdgConfigHome) {
    EXPECT_EQ(fs::path(QtSettingsStore().Location()), file);
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

TEST_F(QtSettingsStoreTest, FilesWhoseGeneralCannotBeReadAreSetAsideBesideEarlierCopies) {
    const std::string damaged[] = {"[General\nFLeft=5\nnot a setting\n",
                                   "[General]\nHost=" + std::string(SettingsFile::kMostBytes, 'h')};
    for (const std::string& bytes : damaged) {
        fs::remove_all(folder);
        WriteBytes(folder / "Stormbell.conf.bad", "oldest");
        WriteBytes(folder / "Stormbell.conf.bad.1", "older");
        WriteBytes(file, bytes);
        Loaded loaded = Load();
        EXPECT_EQ(loaded.settings.WindowLeft, 213);
        EXPECT_EQ(loaded.notice, "The settings file " + file.string() +
                                     " could not be read and was set aside as " +
                                     (folder / "Stormbell.conf.bad.2").string() +
                                     "; the gauge starts with its default settings.");
        Save(loaded.settings, loaded.observation);
        EXPECT_EQ(QtSettingsStore().ReadSetting("FLeft", ""), "213");
        EXPECT_EQ(std::make_tuple(ReadFile(folder / "Stormbell.conf.bad"),
                                  ReadFile(folder / "Stormbell.conf.bad.1"),
                                  ReadFile(folder / "Stormbell.conf.bad.2")),
                  std::make_tuple("oldest", "older", bytes));
    }
}

TEST_F(QtSettingsStoreTest, HandWrittenValuesLoadAndUnchangedOnesSaveBackByteForByte) {
    const std::string stored = "; kept\n[General]\nLogIt=False\nRunOnStart=no\nUseProxy=ON\n"
                               "OHeatIndex=72,5\nOPresInfo=29,92\nOHumd=2147483647\n"
                               "Direct1=\xe6\x95\xb0\xe6\x8d\xae/decoded\nHost=a,b,c\n"
                               "[Other\nnot a setting\n";
    WriteBytes(file, stored);
    Loaded loaded = Load();
    const Settings& s = loaded.settings;
    const Observation& o = loaded.observation;
    EXPECT_EQ(std::make_tuple(s.LogReports, s.FetchAtStart, s.UseProxy, s.Host, o.Shown.HeatIndexF,
                              o.Shown.PressureInHg, o.Shown.HumidityPercent, loaded.notice),
              std::make_tuple(false, false, true, "a,b,c", 72.0, 29.92, 0, ""));
    Save(loaded.settings, loaded.observation);
    const std::string saved = ReadFile(file);
    for (const std::string kept :
         {"; kept\n[General]\n", "\nDirect1=\xe6\x95\xb0\xe6\x8d\xae/decoded\nHost=a,b,c\n",
          "\nLogIt=false\nRunOnStart=false\nUseProxy=true\nOHeatIndex=72\nOPresInfo=29.92\n",
          "\n[Other\nnot a setting\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << " not in\n" << saved;
}

TEST_F(QtSettingsStoreTest, SpecialFilesAreNeitherOpenedNorReplaced) {
    const Planted cases[] = {
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }},
        {"link to a device", [&] { fs::create_symlink("/dev/null", file); }},
        {"link loop", [&] { fs::create_symlink(file, file); }},
        {"directory", [&] { fs::create_directory(file); }},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.make();
        const auto before = fs::symlink_status(file).type();
        Loaded loaded = Load();
        EXPECT_EQ(loaded.notice, "The settings file " + file.string() +
                                     " is not a regular file; the gauge starts with its default "
                                     "settings and does not save over the file.")
            << c.what;
        EXPECT_EQ(loaded.settings.Host, "tgftp.nws.noaa.gov") << c.what;
        EXPECT_TRUE(Thrown<ESettingsWriteError>([&] { Save(loaded.settings, loaded.observation); }))
            << c.what;
        EXPECT_EQ(fs::symlink_status(file).type(), before) << c.what;
    }
}

TEST_F(QtSettingsStoreTest, SaveThatCannotLockOrWriteFailsAndKeepsTheOldFile) {
    const fs::path lock = folder / "Stormbell.conf.lock";
    const Planted cases[] = {
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); }},
        {"directory", [&] { fs::create_directory(lock); }},
        {"link", [&] { fs::create_symlink(folder / "elsewhere", lock); }},
        {"held", [&] { ASSERT_TRUE(held.emplace(QString::fromStdString(lock)).tryLock(0)); }},
        {"read-only folder",
         [&] { fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec); }},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder);
        Save(Settings{}, FreshStoreObservation());
        const std::string before = ReadFile(file);
        c.make();
        Settings changed;
        changed.Host = "changed.example.org";
        QtSettingsStore store(std::chrono::milliseconds(0));
        std::optional<ESettingsWriteError> error;
        {
            testing::PermissionBitsApply asUser;
            error = Thrown<ESettingsWriteError>(
                [&] { SaveSettings(store, changed, FreshStoreObservation(), 50, 0, 0); });
        }
        fs::permissions(folder, fs::perms::owner_all);
        ASSERT_TRUE(error) << c.what;
        EXPECT_STREQ(error->what(), "Failed to set data for 'LIndex'") << c.what;
        EXPECT_EQ(ReadFile(file), before) << c.what;
        held.reset();
    }
}

// Each case loads a store, changes the folder meanwhile, then saves the store's values.
TEST_F(QtSettingsStoreTest, ASaveChangesOnlyItsOwnValuesInTheFileAsItIsNow) {
    struct Case {
        const char* what;
        std::function<void()> meanwhile;
        std::string host;
        std::function<void()> check;
    };
    const auto contains = [&](std::string text) {
        return [&, text] { EXPECT_NE(ReadFile(file).find(text), std::string::npos) << text; };
    };
    const auto append = [&](std::string text) { WriteBytes(file, ReadFile(file) + text); };
    const std::string leftover = "Stormbell.conf.AbC123";
    const std::string strangers[] = {"Stormbell.conf.bad", "Stormbell.conf.ab-12x",
                                     "Stormbell.conf.AbC1234", "other.conf.AbC123"};
    const Case cases[] = {
        {"a section added by hand", [&] { append("[Extra]\nkey=1\n"); }, "h.example",
         contains("[Extra]\nkey=1\n")},
        {"a line added to [General] by hand", [&] { append("Mine=kept\n"); }, "h.example",
         contains("\nMine=kept\n")},
        {"another gauge's save with its hand edit",
         [&] {
             QtSettingsStore other;
             append("[Other]\nx=1\n");
             other.WriteSetting("FLeft", "77");
             other.Commit();
         },
         "h.example", contains("[Other]\nx=1\n")},
        {"an interrupted save's leftovers",
         [&] {
             for (const auto& name : strangers)
                 WriteBytes(folder / name, "x");
             WriteBytes(folder / leftover, "x");
         },
         "h.example",
         [&] {
             EXPECT_FALSE(fs::exists(folder / leftover));
             for (const auto& name : strangers)
                 EXPECT_TRUE(fs::exists(folder / name)) << name;
         }},
        {"a file the load would refuse", [] {}, std::string(SettingsFile::kMostBytes, 'h'), [] {}},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder);
        Settings first;
        first.Host = "first.example";
        Save(first, FreshStoreObservation());
        Loaded loaded = Load();
        QtSettingsStore store;
        c.meanwhile();
        loaded.settings.Host = c.host;
        const bool saved = !Thrown<ESettingsWriteError>(
            [&] { SaveSettings(store, loaded.settings, loaded.observation, 50, 0, 0); });
        c.check();
        // Whatever was saved loads back as it was saved.
        EXPECT_TRUE(QtSettingsStore().ReadSetting("Host", "") == (saved ? c.host : "first.example"))
            << c.what;
        EXPECT_EQ(QtSettingsStore().StartupNotice(), "") << c.what;
    }
}

// The file's folder by the XDG rules: a relative XDG_CONFIG_HOME or HOME counts as none, and
// without HOME the password database names the home folder.
TEST_F(QtSettingsStoreTest, TheFileLiesInTheUsersSettingsFolder) {
    const std::string xdg = std::getenv("XDG_CONFIG_HOME");
    const fs::path user = ::getpwuid(::getuid())->pw_dir;
    const auto in = [](const fs::path& config) { return config / "Brightmoor/Stormbell.conf"; };
    const struct {
        const char* xdg;
        const char* home;
        fs::path file;
    } cases[] = {
        {xdg.c_str(), "/nowhere", in(xdg)},
        {"relative/config", "/home/x", in("/home/x/.config")},
        {nullptr, "/home/x", in("/home/x/.config")},
        {nullptr, nullptr, in(user / ".config")},
        {"relative", "relative", in(user / ".config")},
    };
    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    for (const auto& c : cases) {
        c.xdg ? ::setenv("XDG_CONFIG_HOME", c.xdg, 1) : ::unsetenv("XDG_CONFIG_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(fs::path(QtSettingsStore().Location()), c.file) << c.xdg << " " << c.home;
    }
    ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    home != nullptr ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
}

TEST_F(QtSettingsStoreTest, LinkToTheFileStaysALinkAndTheFileGetsTheSave) {
    WriteBytes(folder / "real.conf", "[General]\nFLeft=5\n");
    fs::create_symlink("real.conf", file);
    Loaded loaded = Load();
    EXPECT_EQ(loaded.settings.WindowLeft, 5);
    loaded.settings.WindowLeft = 6;
    Save(loaded.settings, loaded.observation);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(QtSettingsStore().ReadSetting("FLeft", ""), "6");
}

} // namespace
} // namespace stormbell
