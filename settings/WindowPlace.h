// A window's place and size on the screen as a setting keeps it, "left,top,width,height", and
// its fit on a screen smaller than the one it was left on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stormbell {

struct WindowPlace {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const WindowPlace&) const = default;
};

/// The place `text` holds; nothing unless it is four whole numbers separated by commas, each
/// within 16 bits, with a width and a height above zero.
std::optional<WindowPlace> ParseWindowPlace(std::string_view text);
/// `place` as ParseWindowPlace reads it.
std::string WindowPlaceText(const WindowPlace& place);
/// Whether ParseWindowPlace reads `text`.
bool IsWindowPlace(const std::string& text);
/// `place` shrunk to no larger than `screen`, but no smaller than `least` (width and height),
/// and moved as little as it takes to lie within it.
WindowPlace FittedOnScreen(WindowPlace place, const WindowPlace& screen, const WindowPlace& least);

} // namespace stormbell
