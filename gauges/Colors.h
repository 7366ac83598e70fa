// Every colour the gauges and the skins use, as 0x00BBGGRR integers (the low byte is red).
#pragma once

#include <cstdint>

namespace stormbell {

/// A 24-bit colour in blue-green-red order: 0x00BBGGRR.
using Color = std::uint32_t;

namespace colors {
inline constexpr Color kNeedle = 0x444444;    ///< NeedleColor as set at start-up
inline constexpr Color kChill = 0xFF0000;     ///< wind-chill needle (blue)
inline constexpr Color kHeatIndex = 0x0000FF; ///< heat-index needle (red)
inline constexpr Color kReference = 0x6688;   ///< reference hand, inner hub, variable-wind disc
inline constexpr Color kHubOuter = 0x4466;    ///< outer hub disc of the altimeter
inline constexpr Color kSkinBackground = 0x400040; ///< window background around the instruments
inline constexpr Color kDialFace = 0xD6EAF0;       ///< the cream of the dials' faces
inline constexpr Color kGust = 0x303AC4;           ///< gust tell-tale: the red of the skin's art
inline constexpr Color kDimTowards = 0xEEF8FB;     ///< the dial face that dimmed needles fade into
} // namespace colors

/// Red component 0..255.
constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
/// Green component 0..255.
constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
/// Blue component 0..255.
constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

/// `c` faded three fifths of the way to the dials' face: a needle that shows no reading.
constexpr Color Faded(Color c) {
    const auto mix = [](int from, int to) {
        return static_cast<Color>(from + (to - from) * 3 / 5);
    };
    return mix(RedOf(c), RedOf(colors::kDialFace)) |
           mix(GreenOf(c), GreenOf(colors::kDialFace)) << 8 |
           mix(BlueOf(c), BlueOf(colors::kDialFace)) << 16;
}

/// `c` a shade dimmer: halfway to the dial face, so a dark needle still reads on it.
constexpr Color Dimmed(Color c) {
    const auto half = [](int from, int to) { return static_cast<Color>((from + to) / 2); };
    const Color face = colors::kDimTowards;
    return half(RedOf(c), RedOf(face)) | half(GreenOf(c), GreenOf(face)) << 8 |
           half(BlueOf(c), BlueOf(face)) << 16;
}

} // namespace stormbell
