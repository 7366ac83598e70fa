// The load of the settings at start-up and their save on exit, between a settings store and the
// variables the program works with.
#pragma once

#include <cstdint>

#include "observation/Observation.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace stormbell {

/// FormCreate's part of the load: FLeft and FTop. A missing value, or one that is no whole
/// number or does not fit 16 bits, loads as its default.
void LoadWindowPosition(SettingsStore& store, Settings& settings);

/// FormActivate's part of the load: the other eighteen values, read in the stored order and
/// converted (a missing or unusable value takes its default), with "F#F" removed once from the
/// front of Host, the former report directory replaced by the current one, TValue limited to
/// 1..1440, the targets set to the shown values, DisplayMode made "0" unless it is "1", and the
/// metric starting values. Booleans read true/false, 1/0, yes/no or on/off in any case; reals
/// and the pressure take a decimal comma as well as a point; a shown value the dials cannot
/// show (humidity outside 0..100, a temperature or index no thermometer holds, a pressure
/// beyond the digits of its text form, a negative or four-digit wind speed) takes its default.
/// `ohumidLoc` receives OHumidLoc; the caller sets PressSet from it. FTPPortNum is loaded as
/// stored: the FTP settings dialog's spin limits it (ClampProxyPort).
void LoadSettings(SettingsStore& store, Settings& settings, Observation& observation,
                  std::uint16_t& ohumidLoc);

/// Button3Click's save: the twenty values in their stored order and text forms, Host without a
/// leading "F#F", FLeft and FTop from the window's current `left` and `top`, committed together.
/// Throws ESettingsWriteError when the store could not take them; the store then keeps its old
/// values.
void SaveSettings(SettingsStore& store, const Settings& settings, const Observation& observation,
                  std::uint16_t ohumidLoc, int left, int top);

} // namespace stormbell
