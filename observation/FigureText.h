// Reading numbers and fixed words off the front of a report line, for the figure readers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "observation/ServiceFigure.h"

namespace stormbell::figure_text {

/// A decimal number at the front of `text` ("-10", "96.1"), removed from it; nothing when there
/// is none.
std::optional<std::string> TakeNumber(std::string_view& text);

/// Removes `expected` from the front of `text`; false, leaving it, when it is not there.
bool Take(std::string_view& text, std::string_view expected);

/// Removes leading blanks.
void SkipBlanks(std::string_view& text);

/// "14 F (-10 C)" after blanks; what follows the closing parenthesis does not matter.
std::optional<ServiceFigure> TakeTemperature(std::string_view text);

/// A whole number of at most `maxDigits` digits, without sign, at the front of `text`.
std::optional<int> TakeWhole(std::string_view& text, std::size_t maxDigits = 6);

/// " 58%" after "Relative Humidity:": the percent, 0..100; what follows "%" does not matter.
std::optional<int> TakeHumidity(std::string_view text);

} // namespace stormbell::figure_text
