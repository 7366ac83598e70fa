// A temperature as a report prints it, in both scales, for the figure readers and their users.
#pragma once

#include <string>

namespace stormbell {

/// One figure as the report prints it: the numbers of "96.1 F (35.6 C)".
struct ServiceFigure {
    std::string Fahrenheit; ///< "96.1"
    std::string Celsius;    ///< "35.6"
};

} // namespace stormbell
