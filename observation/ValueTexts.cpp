#include "observation/ValueTexts.h"

#include "platform/TextConvert.h"

namespace stormbell {

bool IsDirectionText(std::string_view text) {
    return text == kVariableText || (!text.empty() && text.size() <= 3 &&
                                     text.find_first_not_of("0123456789") == std::string::npos);
}

namespace {

// A direction of one or two digits padded with zeros to three: "5" -> "005".
std::string PadDirection(std::string direction) {
    if (direction.size() == 2)
        direction.insert(0, "0");
    if (direction.size() == 1)
        direction.insert(0, "00");
    return direction;
}

} // namespace

std::string DirectionText(WindDirection direction) {
    return direction.Variable ? std::string(kVariableText)
                              : PadDirection(IntToStr(direction.Degrees));
}

std::optional<WindDirection> DirectionFromText(std::string_view text) {
    if (text == kVariableText)
        return kVariableWind;
    const auto degrees = TryStrToInt(text);
    return degrees ? std::optional(WindDirection{*degrees, false}) : std::nullopt;
}

} // namespace stormbell
