// How the gauge turns inches of mercury into hectopascals, wherever it does.
#pragma once

namespace stormbell {

/// Hectopascals in one inch of mercury (at 0 °C, standard gravity), to the precision the
/// history and the tooltip need to agree on every shown figure.
inline constexpr double kHectopascalsPerInch = 33.8638866667;

} // namespace stormbell
