#include "observation/ServiceFigures.h"

#include <cctype>
#include <utility>

namespace stormbell {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A decimal number at the front of `text` ("-10", "96.1"), removed from it; nothing when there
// is none.
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

// "14 F (-10 C)" after the caption; what follows the closing parenthesis does not matter.
std::optional<ServiceFigure> Figure(std::string_view text) {
    while (Take(text, " ")) {
    }
    const auto fahrenheit = TakeNumber(text);
    if (!fahrenheit || !Take(text, " F ("))
        return std::nullopt;
    const auto celsius = TakeNumber(text);
    if (!celsius || !Take(text, " C)"))
        return std::nullopt;
    return ServiceFigure{*fahrenheit, *celsius};
}

} // namespace

ServiceFigures ParseServiceFigures(const std::vector<std::string>& reportLines) {
    ServiceFigures figures;
    for (const std::string& line : reportLines) {
        std::string_view text = line;
        std::optional<ServiceFigure>* figure = nullptr;
        if (Take(text, "Windchill:"))
            figure = &figures.WindChill;
        else if (Take(text, "Heat index:"))
            figure = &figures.HeatIndex;
        if (figure != nullptr)
            if (auto read = Figure(text))
                *figure = std::move(read);
    }
    return figures;
}

} // namespace stormbell
