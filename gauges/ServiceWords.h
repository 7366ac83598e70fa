// The weather service's own words for visibility, sky and weather, as its decoded reports write
// them, in the reader's language: the tooltip then reads in one language throughout.
#pragma once

#include <string>

#include "platform/Wording.h"

namespace stormbell {

/// "10 mile(s)", "greater than 7 mile(s)", "less than 1/4 mile(s)", "1 1/2 mile(s)" in
/// `wording`'s words and number form; a text of any other shape comes back as it is.
std::string VisibilityWords(const std::string& visibility, const Wording& wording);

/// "clear", "mostly cloudy", "overcast" ... in `wording`'s words; an unknown text comes back as it
/// is.
std::string SkyWords(const std::string& sky, const Wording& wording);

/// Each "; "-separated part of "thunder in the vicinity; light rain; Lightning observed" in
/// `wording`'s words, "X in the vicinity" by its parts; a part the table does not know stays as
/// the service wrote it.
std::string WeatherWords(const std::string& weather, const Wording& wording);

} // namespace stormbell
