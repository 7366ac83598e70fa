// The weather service's own felt temperatures, which a report may carry besides the values the
// gauge derives itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "observation/ServiceFigure.h"

namespace stormbell {

/// The service's wind chill and heat index of a report; each is missing when the report has no
/// such line.
struct ServiceFigures {
    std::optional<ServiceFigure> WindChill;
    std::optional<ServiceFigure> HeatIndex;
};

/// Reads "Windchill: 14 F (-10 C):1" and "Heat index: 96.1 F (35.6 C):1" among a report's
/// lines; a line whose figures are not numbers in that form is ignored. Never throws.
ServiceFigures ParseServiceFigures(const std::vector<std::string>& reportLines);

} // namespace stormbell
