#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/TextConvert.h"

namespace stormbell {

namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnds = "\r\n";
constexpr char kUnshown = '?';
constexpr std::string_view kHexDigits = "0123456789abcdef";

int DigitValue(char c, int base) {
    const std::size_t found = kHexDigits.find(static_cast<char>(c | 0x20));
    return found != std::string_view::npos && static_cast<int>(found) < base
               ? static_cast<int>(found)
               : -1;
}

void AppendCodePoint(std::string& out, std::uint32_t codePoint) {
    out += codePoint <= 0xFF ? static_cast<char>(codePoint) : kUnshown;
}

// Literal UTF-8 bytes as single-byte text; a malformed sequence also reads as '?'.
void AppendUtf8(std::string& out, std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80                   ? 1
                           : lead >= 0xC2 && lead < 0xE0 ? 2
                           : lead >= 0xE0 && lead < 0xF0 ? 3
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                                                         : 0;
        std::uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
        int taken = 1;
        while (length > 1 && taken < length && i + taken < bytes.size() &&
               (static_cast<unsigned char>(bytes[i + taken]) & 0xC0) == 0x80)
            codePoint = codePoint << 6 | (static_cast<unsigned char>(bytes[i + taken++]) & 0x3F);
        const bool whole = length != 0 && taken == length;
        // An overlong form of a single-byte character is malformed as well.
        AppendCodePoint(out, whole && (length <= 2 || codePoint > 0xFF) ? codePoint : kUnshown);
        i += static_cast<std::size_t>(taken);
    }
}

// What follows a backslash; `i` is just past it. Unknown escapes are dropped, as Qt drops them.
void AppendEscape(std::string& out, std::string_view raw, std::size_t& i) {
    constexpr std::string_view kFrom = "abfnrtv\"?'\\";
    constexpr std::string_view kTo = "\a\b\f\n\r\t\v\"?'\\";
    const char c = raw[i++];
    if (const std::size_t simple = kFrom.find(c); simple != std::string_view::npos) {
        out += kTo[simple];
        return;
    }
    const int base = c == 'x' ? 16 : DigitValue(c, 8) >= 0 ? 8 : 0;
    if (base == 0)
        return;
    std::uint32_t codePoint = base == 8 ? static_cast<std::uint32_t>(DigitValue(c, 8)) : 0;
    bool any = base == 8;
    for (; i < raw.size() && DigitValue(raw[i], base) >= 0; ++i, any = true)
        codePoint = (codePoint * base + static_cast<std::uint32_t>(DigitValue(raw[i], base))) &
                    0xFFFF; // Qt keeps one UTF-16 unit
    if (any)
        AppendCodePoint(out, codePoint);
}

// A value as Qt's INI reader unescapes it, except that commas outside quotes are text, not list
// separators. A ';' outside quotes starts a comment.
std::optional<std::string> DecodeValue(std::string_view raw) {
    std::string out;
    std::size_t i = raw.find_first_not_of(kBlanks);
    std::size_t keepTo = 0; // trailing blanks before this length came from quotes or escapes
    bool inQuotes = false;
    bool quoted = false;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i < raw.size())
                AppendEscape(out, raw, i);
            keepTo = out.size();
        } else if (c == '"') {
            inQuotes = !inQuotes;
            quoted = true;
            i = inQuotes ? i + 1 : std::min(raw.find_first_not_of(kBlanks, i + 1), raw.size());
            keepTo = out.size();
        } else if (c == ';' && !inQuotes) {
            break;
        } else {
            const std::size_t end = std::min(raw.find_first_of("\\\";", i + 1), raw.size());
            AppendUtf8(out, raw.substr(i, end - i));
            i = end;
        }
    }
    if (!quoted)
        while (out.size() > keepTo && kBlanks.find(out.back()) != std::string_view::npos)
            out.pop_back();
    // Qt's forms of other types: "@Rect(1 2 3 4)"; a text starting with '@' is written "@@".
    if (out.starts_with("@@"))
        return out.substr(1);
    const std::size_t typeEnd =
        out.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 1);
    if (out.starts_with('@') && typeEnd > 1 && typeEnd < out.size() && out[typeEnd] == '(')
        return std::nullopt;
    return out;
}

// A text as Qt's INI writer writes a string value, so Qt-based readers read it back alike.
std::string EncodeValue(std::string_view text) {
    std::string out = text.starts_with('@') ? "@" : "";
    bool needsQuotes = false;
    bool escapeNextIfDigit = false; // "\x1" followed by "2" would read as one escape
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeNextIfDigit && DigitValue(c, 16) >= 0) {
            out += std::string("\\x") + kHexDigits[byte >> 4] + kHexDigits[byte & 0xF];
            continue;
        }
        escapeNextIfDigit = false;
        constexpr std::string_view kFrom = "\a\b\f\n\r\t\v\"\\";
        constexpr std::string_view kTo = "abfnrtv\"\\";
        if (c == '\0') {
            out += "\\0";
            escapeNextIfDigit = true;
        } else if (const std::size_t simple = kFrom.find(c); simple != std::string_view::npos) {
            out += '\\';
            out += kTo[simple];
        } else if (byte <= 0x1F) {
            out += "\\x";
            if (byte > 0xF)
                out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
            escapeNextIfDigit = true;
        } else {
            out += Latin1ToUtf8(std::string_view(&c, 1));
        }
    }
    if (needsQuotes || out.starts_with(' ') || out.ends_with(' '))
        out = '"' + out + '"';
    return out;
}

} // namespace

std::optional<SettingsFile> SettingsFile::Parse(std::string bytes) {
    if (bytes.size() > kMostBytes)
        return std::nullopt;
    SettingsFile file;
    file.bytes_ = std::move(bytes);
    if (!file.Scan())
        return std::nullopt;
    return file;
}

bool SettingsFile::Scan() {
    entries_.clear();
    generalEnd_.reset();
    const std::string_view all = bytes_;
    bool inGeneral = true; // lines before any header belong to [General]
    for (std::size_t begin = 0; begin < all.size();) {
        const std::size_t end = std::min(all.find_first_of(kLineEnds, begin), all.size());
        std::size_t next = end;
        if (next < all.size())
            next += all.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        const std::string_view line = all.substr(begin, end - begin);
        const std::string_view text = Trimmed(line);
        const std::size_t lineBegin = begin;
        begin = next;
        if (text.empty() || text.starts_with(';') || text.starts_with('#'))
            continue;
        if (text.starts_with('[')) {
            const std::size_t close = text.find(']');
            // A damaged header that may be [General]'s leaves its values in doubt; one of
            // another section leaves them as they were.
            if (close == std::string_view::npos && text.find(kGeneral) != std::string_view::npos)
                return false;
            inGeneral =
                close != std::string_view::npos && Trimmed(text.substr(1, close - 1)) == kGeneral;
            if (inGeneral)
                generalEnd_ = next;
            continue;
        }
        if (!inGeneral)
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return false;
        entries_.push_back({std::string(Trimmed(line.substr(0, equals))), lineBegin + equals + 1,
                            lineBegin + line.size()});
        generalEnd_ = next;
    }
    return true;
}

const SettingsFile::Entry* SettingsFile::Find(std::string_view name) const {
    const auto found = std::find_if(entries_.rbegin(), entries_.rend(),
                                    [&](const Entry& entry) { return entry.name == name; });
    return found == entries_.rend() ? nullptr : &*found;
}

std::optional<std::string> SettingsFile::Text(std::string_view name) const {
    const Entry* entry = Find(name);
    if (entry == nullptr)
        return std::nullopt;
    return DecodeValue(
        std::string_view(bytes_).substr(entry->valueBegin, entry->valueEnd - entry->valueBegin));
}

void SettingsFile::Set(std::string_view name, std::string_view text) {
    if (Text(name) == text)
        return;
    const std::string value = EncodeValue(text);
    if (const Entry* entry = Find(name)) {
        bytes_.replace(entry->valueBegin, entry->valueEnd - entry->valueBegin, value);
    } else {
        std::string line = std::string(name) + "=" + value + "\n";
        if (!generalEnd_)
            line = "[" + std::string(kGeneral) + "]\n" + line;
        const std::size_t at = generalEnd_.value_or(0);
        // The section's last line may be the file's last, without a line end.
        if (at > 0 && kLineEnds.find(bytes_[at - 1]) == std::string_view::npos)
            line.insert(0, "\n");
        bytes_.insert(at, line);
    }
    Scan();
}

} // namespace stormbell
