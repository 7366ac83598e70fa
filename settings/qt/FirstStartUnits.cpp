#include "settings/qt/FirstStartUnits.h"

namespace stormbell {

DisplayMode FirstStartDisplayMode(const QLocale& locale) {
    // Qt counts only the United States as US customary; Liberia and Myanmar use the same units.
    // The C locale names no country, so it keeps the face the gauge always started on.
    const bool customary = locale.language() == QLocale::C ||
                           locale.measurementSystem() == QLocale::ImperialUSSystem ||
                           locale.territory() == QLocale::Liberia ||
                           locale.territory() == QLocale::Myanmar;
    return customary ? DisplayMode::English : DisplayMode::Metric;
}

} // namespace stormbell
