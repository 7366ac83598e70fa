#include "settings/stations/StationSearch.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>
#include <utility>

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

namespace {

// How well a name matches, best first.
enum class Match { Exact, WholeName, WordStart, InsideWord, None };

// Weight of a station among others matched alike.
constexpr int kMainStation = 2;  // a main airport, or the station of a listed city
constexpr int kCodedStation = 1; // an airport with a passenger code
constexpr int kNoRank = std::numeric_limits<int>::max();

constexpr std::string_view kUnlistedMark = " (not in the list: fetched by its identifier)";

bool HasVisibleCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

// The folded names a display text is made of: its parts between commas and slashes.
std::vector<std::string> FoldedNames(std::string_view text, bool utf8) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto end = text.find_first_of(",/");
        if (std::string name = FoldForSearch(text.substr(0, end), utf8); !name.empty())
            names.push_back(std::move(name));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return names;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace

struct StationSearch::Station {
    int Row;
    std::string_view Identifier;
    std::string_view Text;
    int Weight = 0;
    int Rank = kNoRank; ///< the rank of the largest city it serves
};

struct StationSearch::Entry {
    std::size_t Station;
    std::string_view Alias;         ///< empty for the station's own text
    std::string Words;              ///< folded, led by a blank so that " word" finds a word start
    std::vector<std::string> Names; ///< folded, each compared word for word
    bool Code = false;              ///< an airport code: only an exact match counts
};

std::string MatchLabel(const StationMatch& match) {
    std::string label;
    if (!match.Alias.empty()) {
        // "Germany ,Munchen" reads as "Germany, Munchen" after an arrow.
        std::string text(match.Text);
        for (auto at = text.find(" ,"); at != std::string::npos; at = text.find(" ,", at))
            text.replace(at, 2, ", ");
        label.append(match.Alias).append(" \u2192 ").append(text);
    } else {
        label = match.Text;
    }
    if (match.Row < 0)
        label.insert(0, std::string(match.Identifier) + ' ').append(kUnlistedMark);
    return label;
}

StationSearch::StationSearch(const std::vector<StationRow>& rows, const PlaceNames& places) {
    std::unordered_map<std::string_view, std::size_t> byIdentifier;
    stations_.reserve(rows.size() + places.Unlisted.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        stations_.push_back({static_cast<int>(row), rows[row].Identifier, rows[row].DisplayText});
        byIdentifier.emplace(rows[row].Identifier, row);
    }
    for (const UnlistedStation& station : places.Unlisted)
        if (byIdentifier.emplace(station.Identifier, stations_.size()).second)
            stations_.push_back({-1, station.Identifier, station.Name});
    for (std::size_t at = 0; at < stations_.size(); ++at) {
        const Station& station = stations_[at];
        const bool utf8 = station.Row < 0;
        entries_.push_back(
            {at,
             {},
             ' ' + FoldForSearch(station.Text, utf8) + ' ' + Lower(station.Identifier),
             FoldedNames(station.Text, utf8)});
    }
    // Names of stations that no row and no unlisted entry holds are left out: they could
    // only be offered as something the service does not publish.
    const auto station = [&](std::string_view identifier) -> Station* {
        const auto found = byIdentifier.find(identifier);
        return found == byIdentifier.end() ? nullptr : &stations_[found->second];
    };
    for (std::string_view identifier : places.MainAirports)
        if (Station* main = station(identifier))
            main->Weight = kMainStation;
    for (const AirportCode& code : places.Airports)
        if (Station* coded = station(code.Identifier)) {
            coded->Weight = std::max(coded->Weight, kCodedStation);
            entries_.push_back(
                {byIdentifier[code.Identifier], code.Code, Lower(code.Code), {}, true});
        }
    for (const CityName& city : places.Cities)
        if (Station* served = station(city.Identifier)) {
            served->Weight = kMainStation;
            served->Rank = std::min(served->Rank, city.Rank);
            std::string folded = FoldForSearch(city.Name, true);
            entries_.push_back({byIdentifier[city.Identifier], city.Name, ' ' + folded, {folded}});
        }
    // Main stations and larger cities first, then the directory's order, then the stations it
    // lacks.
    order_.resize(stations_.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    std::stable_sort(order_.begin(), order_.end(), [this](std::size_t a, std::size_t b) {
        return std::pair(-stations_[a].Weight, stations_[a].Rank) <
               std::pair(-stations_[b].Weight, stations_[b].Rank);
    });
}

StationSearch::~StationSearch() = default;

std::vector<StationMatch> StationSearch::Find(std::string_view typed) const {
    std::vector<StationMatch> found;
    if (!HasVisibleCharacter(typed)) {
        for (const Station& station : stations_)
            if (station.Row >= 0)
                found.push_back({station.Row, station.Identifier, station.Text, {}});
        return found;
    }
    const std::string folded = FoldForSearch(typed, true);
    if (folded.empty())
        return found;
    const auto words = Words(folded);
    std::vector<std::string> wordStarts;
    for (std::string_view word : words)
        wordStarts.push_back(' ' + std::string(word));

    // The best way each station was matched, and by which entry.
    struct Best {
        Match How = Match::None;
        const Entry* By = nullptr;
    };
    std::vector<Best> best(stations_.size());
    const bool exactIdentifier = folded.size() == kStationIdLength;
    const auto holdsEvery = [](const std::string& text, const auto& parts) {
        return std::all_of(parts.begin(), parts.end(), [&text](const auto& part) {
            return text.find(part) != std::string::npos;
        });
    };
    for (const Entry& entry : entries_) {
        // Most names hold not even the letters typed: that is found out with one look.
        Match how = Match::None;
        if (entry.Code) {
            if (entry.Words == folded)
                how = Match::Exact;
        } else if (!holdsEvery(entry.Words, words)) {
            continue;
        } else if (exactIdentifier && entry.Alias.empty() &&
                   Lower(stations_[entry.Station].Identifier) == folded) {
            how = Match::Exact;
        } else if (std::find(entry.Names.begin(), entry.Names.end(), folded) != entry.Names.end()) {
            // A large city's name counts as much as an identifier: "lima" means the city, not
            // the station whose identifier it also is.
            how = entry.Alias.empty() ? Match::WholeName : Match::Exact;
        } else {
            how = holdsEvery(entry.Words, wordStarts) ? Match::WordStart : Match::InsideWord;
        }
        Best& station = best[entry.Station];
        // A station's own text that names it wholly needs no explaining, even when a city's
        // name (an exact match) says the same; own entries come first.
        const bool ownWholeName = station.How == Match::WholeName && station.By->Alias.empty();
        if (how == Match::Exact && !entry.Code && ownWholeName)
            station.How = how;
        else if (how < station.How)
            station = {how, &entry};
    }

    // Stations in their standing order, group by group: no sort on a keystroke.
    for (Match group : {Match::Exact, Match::WholeName, Match::WordStart, Match::InsideWord})
        for (std::size_t at : order_)
            if (best[at].How == group) {
                const Station& station = stations_[at];
                found.push_back(
                    {station.Row, station.Identifier, station.Text, best[at].By->Alias});
            }
    return found;
}

} // namespace stormbell
