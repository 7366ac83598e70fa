#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace stormbell {
namespace {

// A file of `lines` under [General].
std::string General(const std::string& lines) {
    return "[General]\n" + lines;
}

TEST(SettingsFileTest, ReadsEachStoredFormAsTheProgramsText) {
    const std::string nested = "@Variant(" + std::string(50000, '(') + ")";
    const struct {
        std::string file;
        const char* name;
        std::optional<std::string> text;
    } cases[] = {
        {General("Host=a.b\n"), "Host", "a.b"},
        {"Host=before.any.header\n", "Host", "before.any.header"},
        {General("Host = spaced \r\nFLeft=5"), "Host", "spaced"},
        {General("Direct1=a,b,c\n"), "Direct1", "a,b,c"},
        {General("Host=\"a, b\"\n"), "Host", "a, b"},
        {General("Host=\" padded \"\n"), "Host", " padded "},
        {General("Host=x ; a comment\n"), "Host", "x"},
        {General("Host=\"x;y\"\n"), "Host", "x;y"},
        {General("Host=back\\\\slash \\\"q\\\" \\t\\x41\\101\\x263a\n"), "Host",
         "back\\slash \"q\" \tAA?"},
        {General("Direct1=caf\xc3\xa9\n"), "Direct1", "caf\xe9"},
        {General("Direct1=\xe6\x95\xb0\xe6\x8d\xae/decoded\n"), "Direct1",
         "??"
         "/decoded"},
        {General("Direct1=caf\xe9\n"), "Direct1", "caf?"},
        {General("Host=\xe0\x81\x81\n"), "Host", "?"},
        {General("Host=@@at\n"), "Host", "@at"},
        {General("Host=@at\n"), "Host", "@at"},
        {General("OWDInfo=@Rect(1 2 3 4)\n"), "OWDInfo", std::nullopt},
        {General("OCityStr=\n"), "OCityStr", ""},
        {General("FLeft=1\nFLeft=2\n"), "FLeft", "2"},
        {General("FLeft=1\n") + "[Other]\nFLeft=3\n", "FLeft", "1"},
        {General("FLeft=1\n") + "[Other\nnot a setting\n", "FLeft", "1"},
        {"; comment\n# comment\n\n" + General("LogIt=no\n"), "LogIt", "no"},
        {General("Unread=" + nested + "\nFTop=7\n"), "FTop", "7"},
        {General("FTop=7\n"), "FLeft", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto file = SettingsFile::Parse(c.file);
        ASSERT_TRUE(file) << c.file.substr(0, 60);
        EXPECT_EQ(file->Text(c.name), c.text) << c.file.substr(0, 60);
    }
}

TEST(SettingsFileTest, FilesWhoseGeneralValuesCannotBeReadAreRefused) {
    const std::string refused[] = {
        General("FLeft=5\nnot a setting\n"),
        "[General\nFLeft=5\n",
        "random\x01\xff bytes",
        General("Host=" + std::string(SettingsFile::kMostBytes, 'h') + "\n"),
    };
    for (const std::string& file : refused)
        EXPECT_FALSE(SettingsFile::Parse(file)) << file.substr(0, 60);
    EXPECT_TRUE(SettingsFile::Parse(std::string(SettingsFile::kMostBytes, '\n')));
}

TEST(SettingsFileTest, UnchangedValuesKeepTheirBytesAndOthersAreWrittenAsQtWritesThem) {
    const std::string kept = "; mine\n[General]\nDirect1=\xe6\x95\xb0/d\r\nHost=a,b,c\n"
                             "FLeft=5\n[Other]\nx=1\n";
    SettingsFile file = *SettingsFile::Parse(kept);
    file.Set("Direct1", *file.Text("Direct1"));
    file.Set("Host", "a,b,c");
    EXPECT_EQ(file.Bytes(), kept);

    const struct {
        std::string text, written;
    } forms[] = {{"a, b", "\"a, b\""},
                 {"\"q\"", "\\\"q\\\""},
                 {"caf\xe9", "caf\xc3\xa9"},
                 {"@at", "@@at"},
                 {"\x01"
                  "2\n",
                  "\\x1\\x32\\n"}};
    for (const auto& form : forms) {
        file.Set("FLeft", form.text);
        EXPECT_EQ(file.Bytes(), "; mine\n[General]\nDirect1=\xe6\x95\xb0/d\r\nHost=a,b,c\nFLeft=" +
                                    form.written + "\n[Other]\nx=1\n");
        EXPECT_EQ(SettingsFile::Parse(file.Bytes())->Text("FLeft"), form.text);
    }
}

TEST(SettingsFileTest, NewValuesGoAtTheEndOfGeneral) {
    const struct {
        std::string before, after;
    } cases[] = {{"", "[General]\nFTop=1\n"},
                 {"[General]\nFLeft=5", "[General]\nFLeft=5\nFTop=1\n"},
                 {"[General]\nFLeft=5\n[Other]\n", "[General]\nFLeft=5\nFTop=1\n[Other]\n"},
                 {"[Other]\nx=1\n", "[General]\nFTop=1\n[Other]\nx=1\n"}};
    for (const auto& c : cases) {
        SettingsFile file = *SettingsFile::Parse(c.before);
        file.Set("FTop", "1");
        EXPECT_EQ(file.Bytes(), c.after);
    }
}

} // namespace
} // namespace stormbell
