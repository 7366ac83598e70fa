// Finds stations by the words a user types: a town, a city's other name, a country, an airport,
// its code or an identifier, whatever their case, accents and punctuation; the best first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/stations/PlaceNames.h"
#include "settings/stations/StationDirectory.h"

namespace stormbell {

/// `text` as search words: letters and digits in lower case without accents (a ligature or ß
/// as two letters), apostrophes dropped, any other character a single blank between words.
/// `utf8` says how `text` is encoded: UTF-8 (a byte that is not read as UTF-8 counts as a
/// Latin-1 character) or single-byte Latin-1.
std::string FoldForSearch(std::string_view text, bool utf8);

/// A station the search found, and the name that found it.
struct StationMatch {
    int Row = -1; ///< the directory's row; -1 for a station only the service publishes
    std::string_view Identifier;
    std::string_view Text;  ///< the row's display text, or the unlisted station's name
    std::string_view Alias; ///< the other name or airport code that found it; empty for its own
};

/// How a match reads in a list: its text, led by the other name that found it
/// ("Munich → Germany, Munchen") and marked when the directory lacks the station.
std::string MatchLabel(const StationMatch& match);

class StationSearch {
public:
    /// Folds every row's display text and identifier and every other name once; `rows` and
    /// `places` must outlive the search.
    explicit StationSearch(const std::vector<StationRow>& rows = StationDirectory(),
                           const PlaceNames& places = BuiltInPlaceNames());
    ~StationSearch();

    /// The stations `typed` (UTF-8) names, best first: an exact identifier or airport code;
    /// then a name equal to it word for word; then names where each word typed starts a word;
    /// then names holding each word inside a word. Within each, the place's main airport (and
    /// the larger city) first, then the directory's order, then the stations it lacks. Text
    /// with no visible character gives every row in order; text without a letter or digit the
    /// search knows gives nothing.
    std::vector<StationMatch> Find(std::string_view typed) const;

private:
    struct Station;
    struct Entry;
    std::vector<Station> stations_;  ///< the directory's rows, then the unlisted stations
    std::vector<Entry> entries_;     ///< every searchable name of every station
    std::vector<std::size_t> order_; ///< stations_ in the order matches of one strength show
};

} // namespace stormbell
