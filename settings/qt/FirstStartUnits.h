// The face a first start shows, from the units the user's locale measures in.
#pragma once

#include <QLocale>

#include "observation/Observation.h"

namespace stormbell {

/// English for a locale of a country that measures in the US customary units (the United
/// States, Liberia, Myanmar) and for the C locale, which names none; Metric for any other.
DisplayMode FirstStartDisplayMode(const QLocale& locale);

} // namespace stormbell
