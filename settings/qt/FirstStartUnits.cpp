#include "settings/qt/FirstStartUnits.h"

namespace stormbell {

DisplayMode FirstStartDisplayMode(const QLocale& locale) {
    // Qt counts only the United States as US customary; Liberia and Myanmar use the same units.
    const bool customary = locale.measurementSystem() == QLocale::ImperialUSSystem ||
                           locale.territory() == QLocale::Liberia ||
                           locale.territory() == QLocale::Myanmar;
    return customary ? DisplayMode::English : DisplayMode::Metric;
}

} // namespace stormbell
