// The load of the settings at start-up and their save on exit, between a settings store and the
// variables the program works with.
#pragma once

#include <cstdint>

#include "observation/Observation.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace stormbell {

/// FormCreate's part of the load: FLeft and FTop. Each load reads its rows of the settings
/// table, converted and limited as the row says; a missing or unusable value takes its default.
void LoadWindowPosition(SettingsStore& store, Settings& settings);

/// FormActivate's part of the load: the other eighteen values; then the targets are set to the
/// shown values, DisplayMode is made "0" unless it is "1", and a metric skin loaded with the
/// default pressure or temperature shows its own scales' low ends instead. `ohumidLoc` receives
/// OHumidLoc; the caller sets PressSet from it.
void LoadSettings(SettingsStore& store, Settings& settings, Observation& observation,
                  std::uint16_t& ohumidLoc);

/// Button3Click's save: the twenty values in their stored order and text forms, Host without a
/// leading "F#F", FLeft and FTop from the window's current `left` and `top`, committed together.
/// Throws ESettingsWriteError when the store could not take them; the store then keeps its old
/// values.
void SaveSettings(SettingsStore& store, const Settings& settings, const Observation& observation,
                  std::uint16_t ohumidLoc, int left, int top);

} // namespace stormbell
