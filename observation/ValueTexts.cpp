#include "observation/ValueTexts.h"

#include "platform/TextConvert.h"

namespace stormbell {

bool IsDirectionText(std::string_view text) {
    return text == kVariableText || (!text.empty() && text.size() <= 3 &&
                                     text.find_first_not_of("0123456789") == std::string::npos);
}

std::string DirectionText(WindDirection direction) {
    if (direction.Variable)
        return std::string(kVariableText);
    // One or two digits are padded with zeros to three: 5 -> "005".
    const std::string digits = IntToStr(direction.Degrees);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

std::optional<WindDirection> DirectionFromText(std::string_view text) {
    if (text == kVariableText)
        return kVariableWind;
    const auto degrees = TryStrToInt(text);
    return degrees ? std::optional(WindDirection{*degrees, false}) : std::nullopt;
}

} // namespace stormbell
