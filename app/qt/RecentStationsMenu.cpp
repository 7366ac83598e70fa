#include "app/qt/RecentStationsMenu.h"

#include "app/qt/GaugeMenu.h"
#include "settings/Settings.h"
#include "settings/stations/RecentStations.h"
#include "settings/stations/StationDirectory.h"

#include <utility>

namespace stormbell {

void OfferRecentStations(GaugeMenu& menu, Settings& settings, std::function<void()> chosen) {
    menu.AddRecentStations(
        [&settings] {
            std::vector<std::string> labels;
            for (const std::string& identifier : RecentStationList(settings.RecentStations))
                labels.push_back(RecentStationLabel(identifier));
            return labels;
        },
        [&settings, chosen = std::move(chosen)](std::size_t index) {
            // The list is read again: the settings may have changed while the menu was open.
            const auto recent = RecentStationList(settings.RecentStations);
            if (index >= recent.size())
                return;
            settings.StationFile = StationFileName(recent[index]);
            chosen();
        });
}

} // namespace stormbell
