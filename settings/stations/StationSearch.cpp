#include "settings/stations/StationSearch.h"

#include <algorithm>

namespace stormbell {
namespace {

// Base letters of the Latin-1 letters U+00C0..U+00FF; '*' marks the ones written as two
// letters, ' ' the two signs among them (multiplication, division).
constexpr std::string_view kLatin1Letters = "aaaaaa*ceeeeiiiidnooooo ouuuuy**"
                                            "aaaaaa*ceeeeiiiidnooooo ouuuuy*y";
// Base letters of Latin Extended-A, U+0100..U+017F; '*' as above.
constexpr std::string_view kExtendedALetters = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii"
                                               "**jjkkkllllllllllnnnnnnnnnoooooo**rrrrrrssssssss"
                                               "ttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(kLatin1Letters.size() == 0x40 && kExtendedALetters.size() == 0x80);

std::string_view TwoLetters(char32_t c) {
    if (c == 0xC6 || c == 0xE6)
        return "ae";
    if (c == 0xDE || c == 0xFE)
        return "th";
    if (c == 0xDF)
        return "ss";
    if (c == 0x132 || c == 0x133)
        return "ij";
    return "oe"; // U+0152, U+0153
}

bool IsApostrophe(char32_t c) {
    return c == '\'' || c == '`' || c == 0xB4 || c == 0x2018 || c == 0x2019;
}

// The next character of UTF-8 `text` from `at`, which moves past it; a byte that does not start
// a well-formed sequence is taken as a Latin-1 character.
char32_t NextUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (length == 1 || lead > 0xF4 || at + length > text.size()) {
        ++at;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return lead;
        }
        c = (c << 6) | (next & 0x3F);
    }
    at += length;
    return c;
}

void AppendFolded(char32_t c, std::string& out) {
    char letter = ' ';
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        letter = static_cast<char>(c);
    else if (c >= 'A' && c <= 'Z')
        letter = static_cast<char>(c - 'A' + 'a');
    else if (IsApostrophe(c))
        return;
    else if (c >= 0xC0 && c <= 0xFF)
        letter = kLatin1Letters[c - 0xC0];
    else if (c >= 0x100 && c <= 0x17F)
        letter = kExtendedALetters[c - 0x100];
    if (letter == '*')
        out += TwoLetters(c);
    else if (letter != ' ')
        out += letter;
    else if (!out.empty() && out.back() != ' ')
        out += ' ';
}

// The words of folded text.
std::vector<std::string_view> Words(std::string_view folded) {
    std::vector<std::string_view> words;
    while (!folded.empty()) {
        const auto end = folded.find(' ');
        words.push_back(folded.substr(0, end));
        folded = end == std::string_view::npos ? std::string_view() : folded.substr(end + 1);
    }
    return words;
}

} // namespace

std::string FoldForSearch(std::string_view text, bool utf8) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();)
        AppendFolded(utf8 ? NextUtf8(text, at) : static_cast<unsigned char>(text[at++]), out);
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

StationSearch::StationSearch(const std::vector<StationRow>& rows) {
    folded_.reserve(rows.size());
    for (const StationRow& row : rows)
        folded_.push_back(FoldForSearch(row.DisplayText, false) + ' ' +
                          FoldForSearch(row.Identifier, false));
}

std::vector<int> StationSearch::Find(std::string_view typed) const {
    const std::string folded = FoldForSearch(typed, true);
    const auto words = Words(folded);
    std::vector<int> rows;
    for (std::size_t row = 0; row < folded_.size(); ++row) {
        const std::string_view text = folded_[row];
        if (std::all_of(words.begin(), words.end(), [text](std::string_view word) {
                return text.find(word) != std::string_view::npos;
            }))
            rows.push_back(static_cast<int>(row));
    }
    return rows;
}

} // namespace stormbell
