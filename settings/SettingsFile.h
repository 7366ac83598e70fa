// The settings file's text in Qt's INI form: the values of its [General] section as the program's
// texts, and the same text with some values replaced and every other byte kept as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stormbell {

class SettingsFile {
public:
    /// The largest file read; ours holds a few hundred bytes.
    static constexpr std::size_t kMostBytes = 64 * 1024;

    /// An empty file: no values.
    SettingsFile() = default;

    /// The file holding `bytes`. Nothing when its [General] values cannot be read: the text is
    /// larger than kMostBytes, a line of that section is no "name=value", or its header is
    /// damaged. Lines of other sections are never read, so damage there does not count.
    static std::optional<SettingsFile> Parse(std::string bytes);

    /// The text of `name` in [General] (the last one when it is there twice), decoded as Qt
    /// writes it and made the program's single-byte text: a character beyond one byte reads as
    /// '?'. Unquoted commas are part of the text. Nothing when the value is missing or holds
    /// another type in Qt's "@Type(...)" form.
    std::optional<std::string> Text(std::string_view name) const;

    /// Makes `name` hold `text`. A value that already reads as `text` keeps its bytes; otherwise
    /// the value is written as Qt writes a text (UTF-8, escaped and quoted where needed), in its
    /// old place or else at the end of [General], which is created first in the file if need be.
    void Set(std::string_view name, std::string_view text);

    /// The whole text.
    const std::string& Bytes() const { return bytes_; }

private:
    struct Entry {
        std::string name;
        std::size_t valueBegin;
        std::size_t valueEnd;
    };

    // Finds the [General] values of bytes_; false when they cannot be read.
    bool Scan();
    const Entry* Find(std::string_view name) const;

    std::string bytes_;
    std::vector<Entry> entries_;
    std::optional<std::size_t> generalEnd_; // just past the last line of [General]
};

} // namespace stormbell
