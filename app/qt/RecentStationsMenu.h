// The gauge menu's recent stations, read from the settings each time the submenu opens.
#pragma once

#include <functional>

namespace stormbell {

class GaugeMenu;
struct Settings;

/// Adds the submenu to `menu`; choosing a station makes it the station file of `settings`, then
/// runs `chosen`. `settings` must outlive the menu. Never throws but for a failed allocation.
void OfferRecentStations(GaugeMenu& menu, Settings& settings, std::function<void()> chosen);

} // namespace stormbell
