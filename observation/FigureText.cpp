#include "observation/FigureText.h"

#include <cctype>

namespace stormbell::figure_text {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::optional<std::string> TakeNumber(std::string_view& text) {
    std::size_t end = text.starts_with('-') ? 1 : 0;
    const std::size_t first = end;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end == first)
        return std::nullopt;
    if (end + 1 < text.size() && text[end] == '.' && IsDigit(text[end + 1])) {
        end += 2;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
    }
    std::string number(text.substr(0, end));
    text.remove_prefix(end);
    return number;
}

bool Take(std::string_view& text, std::string_view expected) {
    if (!text.starts_with(expected))
        return false;
    text.remove_prefix(expected.size());
    return true;
}

void SkipBlanks(std::string_view& text) {
    while (Take(text, " ")) {
    }
}

std::optional<ServiceFigure> TakeTemperature(std::string_view text) {
    SkipBlanks(text);
    const auto fahrenheit = TakeNumber(text);
    if (!fahrenheit || !Take(text, " F ("))
        return std::nullopt;
    const auto celsius = TakeNumber(text);
    if (!celsius || !Take(text, " C)"))
        return std::nullopt;
    return ServiceFigure{*fahrenheit, *celsius};
}

std::optional<int> TakeWhole(std::string_view& text, std::size_t maxDigits) {
    std::size_t end = 0;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end == 0 || end > maxDigits)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < end; ++i)
        value = value * 10 + (text[i] - '0');
    text.remove_prefix(end);
    return value;
}

std::optional<int> TakeHumidity(std::string_view text) {
    SkipBlanks(text);
    const auto percent = TakeWhole(text, 3);
    if (!percent || *percent > 100 || !Take(text, "%"))
        return std::nullopt;
    return percent;
}

} // namespace stormbell::figure_text
