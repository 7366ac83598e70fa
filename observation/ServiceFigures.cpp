#include "observation/ServiceFigures.h"

#include <utility>

#include "observation/FigureText.h"

namespace stormbell {

using figure_text::Take;
using figure_text::TakeTemperature;

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
            if (auto read = TakeTemperature(text))
                *figure = std::move(read);
    }
    return figures;
}

} // namespace stormbell
