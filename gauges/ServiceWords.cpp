#include "gauges/ServiceWords.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "platform/ShownText.h"

namespace stormbell {

namespace {

constexpr const char* kContext = "ServiceWords";

// The decoded reports' "Sky conditions:" texts.
constexpr std::array kSky{
    STORMBELL_TEXT("ServiceWords", "clear"),
    STORMBELL_TEXT("ServiceWords", "mostly clear"),
    STORMBELL_TEXT("ServiceWords", "partly cloudy"),
    STORMBELL_TEXT("ServiceWords", "mostly cloudy"),
    STORMBELL_TEXT("ServiceWords", "cloudy"),
    STORMBELL_TEXT("ServiceWords", "overcast"),
    STORMBELL_TEXT("ServiceWords", "obscured"),
};

// The parts of the decoded reports' "Weather:" texts. A precipitation's intensity is listed with
// it rather than put together by a pattern: the adjective takes the noun's gender in German,
// French and Spanish ("leichter Regen", "leichte Schauer").
constexpr std::array kWeather{
    STORMBELL_TEXT("ServiceWords", "rain"),
    STORMBELL_TEXT("ServiceWords", "light rain"),
    STORMBELL_TEXT("ServiceWords", "moderate rain"),
    STORMBELL_TEXT("ServiceWords", "heavy rain"),
    STORMBELL_TEXT("ServiceWords", "snow"),
    STORMBELL_TEXT("ServiceWords", "light snow"),
    STORMBELL_TEXT("ServiceWords", "moderate snow"),
    STORMBELL_TEXT("ServiceWords", "heavy snow"),
    STORMBELL_TEXT("ServiceWords", "drizzle"),
    STORMBELL_TEXT("ServiceWords", "light drizzle"),
    STORMBELL_TEXT("ServiceWords", "moderate drizzle"),
    STORMBELL_TEXT("ServiceWords", "heavy drizzle"),
    STORMBELL_TEXT("ServiceWords", "freezing rain"),
    STORMBELL_TEXT("ServiceWords", "light freezing rain"),
    STORMBELL_TEXT("ServiceWords", "heavy freezing rain"),
    STORMBELL_TEXT("ServiceWords", "freezing drizzle"),
    STORMBELL_TEXT("ServiceWords", "light freezing drizzle"),
    STORMBELL_TEXT("ServiceWords", "heavy freezing drizzle"),
    STORMBELL_TEXT("ServiceWords", "showers"),
    STORMBELL_TEXT("ServiceWords", "rain showers"),
    STORMBELL_TEXT("ServiceWords", "light rain showers"),
    STORMBELL_TEXT("ServiceWords", "heavy rain showers"),
    STORMBELL_TEXT("ServiceWords", "snow showers"),
    STORMBELL_TEXT("ServiceWords", "light snow showers"),
    STORMBELL_TEXT("ServiceWords", "heavy snow showers"),
    STORMBELL_TEXT("ServiceWords", "snow grains"),
    STORMBELL_TEXT("ServiceWords", "light snow grains"),
    STORMBELL_TEXT("ServiceWords", "ice pellets"),
    STORMBELL_TEXT("ServiceWords", "light ice pellets"),
    STORMBELL_TEXT("ServiceWords", "ice crystals"),
    STORMBELL_TEXT("ServiceWords", "hail"),
    STORMBELL_TEXT("ServiceWords", "small hail/snow pellets"),
    STORMBELL_TEXT("ServiceWords", "precipitation"),
    STORMBELL_TEXT("ServiceWords", "light precipitation"),
    STORMBELL_TEXT("ServiceWords", "unknown precipitation"),
    STORMBELL_TEXT("ServiceWords", "thunder"),
    STORMBELL_TEXT("ServiceWords", "thunderstorm"),
    STORMBELL_TEXT("ServiceWords", "thunderstorms"),
    STORMBELL_TEXT("ServiceWords", "Lightning observed"),
    STORMBELL_TEXT("ServiceWords", "mist"),
    STORMBELL_TEXT("ServiceWords", "fog"),
    STORMBELL_TEXT("ServiceWords", "shallow fog"),
    STORMBELL_TEXT("ServiceWords", "partial fog"),
    STORMBELL_TEXT("ServiceWords", "patches of fog"),
    STORMBELL_TEXT("ServiceWords", "freezing fog"),
    STORMBELL_TEXT("ServiceWords", "haze"),
    STORMBELL_TEXT("ServiceWords", "smoke"),
    STORMBELL_TEXT("ServiceWords", "volcanic ash"),
    STORMBELL_TEXT("ServiceWords", "dust"),
    STORMBELL_TEXT("ServiceWords", "widespread dust"),
    STORMBELL_TEXT("ServiceWords", "blowing dust"),
    STORMBELL_TEXT("ServiceWords", "sand"),
    STORMBELL_TEXT("ServiceWords", "blowing sand"),
    STORMBELL_TEXT("ServiceWords", "blowing snow"),
    STORMBELL_TEXT("ServiceWords", "drifting snow"),
    STORMBELL_TEXT("ServiceWords", "low drifting snow"),
    STORMBELL_TEXT("ServiceWords", "spray"),
    STORMBELL_TEXT("ServiceWords", "dust/sand whirls"),
    STORMBELL_TEXT("ServiceWords", "squalls"),
    STORMBELL_TEXT("ServiceWords", "funnel cloud"),
    STORMBELL_TEXT("ServiceWords", "tornado"),
    STORMBELL_TEXT("ServiceWords", "sandstorm"),
    STORMBELL_TEXT("ServiceWords", "duststorm"),
};

template <std::size_t N>
std::optional<std::string> Known(std::string_view phrase, const std::array<const char*, N>& table,
                                 const Wording& wording) {
    const auto found = std::find(table.begin(), table.end(), phrase);
    if (found == table.end())
        return std::nullopt;
    return wording.Text(kContext, *found);
}

// "thunder in the vicinity": the phenomenon in the table's words, placed by the pattern.
std::string WeatherPart(std::string_view part, const Wording& wording) {
    if (auto known = Known(part, kWeather, wording))
        return *known;
    constexpr std::string_view kVicinity = " in the vicinity";
    if (part.ends_with(kVicinity))
        if (const auto near =
                Known(part.substr(0, part.size() - kVicinity.size()), kWeather, wording))
            return Words(wording, kContext)(STORMBELL_TEXT("ServiceWords", "%1 in the vicinity"),
                                            {*near});
    return std::string(part);
}

bool Digits(std::string_view text) {
    return !text.empty() && text.size() <= 5 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Fraction(std::string_view text) {
    const std::size_t slash = text.find('/');
    return slash != std::string_view::npos && Digits(text.substr(0, slash)) &&
           Digits(text.substr(slash + 1));
}

// "10", "1/4" or "1 1/2"; a fraction reads alike in the catalogues' languages.
std::optional<std::string> Amount(std::string_view text, const Wording& wording) {
    if (Digits(text))
        return wording.Number(std::string(text));
    const std::size_t space = text.find(' ');
    const bool mixed = space != std::string_view::npos && Digits(text.substr(0, space)) &&
                       Fraction(text.substr(space + 1));
    if (mixed || Fraction(text))
        return std::string(text);
    return std::nullopt;
}

} // namespace

std::string VisibilityWords(const std::string& visibility, const Wording& wording) {
    std::string_view text = visibility;
    const char* pattern = STORMBELL_TEXT("ServiceWords", "%1 mile(s)");
    constexpr std::string_view kGreater = "greater than ";
    constexpr std::string_view kLess = "less than ";
    if (text.starts_with(kGreater)) {
        text.remove_prefix(kGreater.size());
        pattern = STORMBELL_TEXT("ServiceWords", "greater than %1 mile(s)");
    } else if (text.starts_with(kLess)) {
        text.remove_prefix(kLess.size());
        pattern = STORMBELL_TEXT("ServiceWords", "less than %1 mile(s)");
    }
    constexpr std::string_view kMiles = " mile(s)";
    if (!text.ends_with(kMiles))
        return visibility;
    text.remove_suffix(kMiles.size());
    const auto amount = Amount(text, wording);
    if (!amount)
        return visibility;
    return Words(wording, kContext)(pattern, {*amount});
}

std::string SkyWords(const std::string& sky, const Wording& wording) {
    return Known(sky, kSky, wording).value_or(sky);
}

std::string WeatherWords(const std::string& weather, const Wording& wording) {
    constexpr std::string_view kSeparator = "; ";
    // French sets a space before the semicolon. Joined once, part by part: a line of many
    // parts costs no more than its length.
    const std::string separator = wording.Text(kContext, STORMBELL_TEXT("ServiceWords", "; "));
    std::string words;
    std::string_view rest = weather;
    for (;;) {
        const std::size_t end = rest.find(kSeparator);
        words += WeatherPart(rest.substr(0, end), wording);
        if (end == std::string_view::npos)
            return words;
        words += separator;
        rest.remove_prefix(end + kSeparator.size());
    }
}

} // namespace stormbell
