// Finds stations of the directory by the words a user types: a town, a country, an airport or
// an identifier, whatever their case, accents and punctuation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/stations/StationDirectory.h"

namespace stormbell {

/// `text` as search words: letters and digits in lower case without accents (a ligature or ß
/// as two letters), apostrophes dropped, any other character a single blank between words.
/// `utf8` says how `text` is encoded: UTF-8 (a byte that is not read as UTF-8 counts as a
/// Latin-1 character) or single-byte Latin-1.
std::string FoldForSearch(std::string_view text, bool utf8);

class StationSearch {
public:
    /// Folds every row's display text and identifier once; `rows` must outlive the search.
    explicit StationSearch(const std::vector<StationRow>& rows = StationDirectory());

    /// The directory rows, in their order, whose display text or identifier holds every word of
    /// `typed` (UTF-8); every row when `typed` has no word.
    std::vector<int> Find(std::string_view typed) const;

private:
    std::vector<std::string> folded_; ///< per row: the folded display text and identifier
};

} // namespace stormbell
