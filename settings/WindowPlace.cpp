#include "settings/WindowPlace.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "platform/TextConvert.h"

namespace stormbell {

namespace {

// The settings keep a window's place in 16 bits, as the main window's.
constexpr int kLowest = std::numeric_limits<std::int16_t>::min();
constexpr int kHighest = std::numeric_limits<std::int16_t>::max();

// Moves `start` so that [start, start + length) lies within [low, low + span), or at `low`
// when it is longer than the span.
int Within(int start, int length, int low, int span) {
    return std::max(low, std::min(start, low + span - length));
}

} // namespace

std::optional<WindowPlace> ParseWindowPlace(std::string_view text) {
    std::array<int, 4> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const std::size_t comma = text.find(',');
        // Three commas, no more and no fewer.
        if (last != (comma == std::string_view::npos))
            return std::nullopt;
        const auto value = TryStrToInt(text.substr(0, comma));
        if (!value || *value < kLowest || *value > kHighest)
            return std::nullopt;
        parts[i] = *value;
        if (!last)
            text.remove_prefix(comma + 1);
    }
    if (parts[2] <= 0 || parts[3] <= 0)
        return std::nullopt;
    return WindowPlace{parts[0], parts[1], parts[2], parts[3]};
}

std::string WindowPlaceText(const WindowPlace& place) {
    return std::to_string(place.Left) + "," + std::to_string(place.Top) + "," +
           std::to_string(place.Width) + "," + std::to_string(place.Height);
}

bool IsWindowPlace(const std::string& text) {
    return ParseWindowPlace(text).has_value();
}

WindowPlace FittedOnScreen(WindowPlace place, const WindowPlace& screen, const WindowPlace& least) {
    place.Width = std::max(std::min(place.Width, screen.Width), least.Width);
    place.Height = std::max(std::min(place.Height, screen.Height), least.Height);
    place.Left = Within(place.Left, place.Width, screen.Left, screen.Width);
    place.Top = Within(place.Top, place.Height, screen.Top, screen.Height);
    return place;
}

} // namespace stormbell
