// The load of the settings at start-up and their save on exit, between a settings store and the
// variables the program works with.
#pragma once

#include <cstdint>

#include "observation/Observation.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace stormbell {

/// The window creation's part of the load: the rows of the settings table read by
/// ReadBy::WindowCreation. Each load reads its rows, converted and limited as the row says; a
/// missing or unusable value takes its default.
void LoadAtWindowCreation(SettingsStore& store, Settings& settings);

/// The first activation's part of the load: every other setting; then the targets are set to
/// the shown values, DisplayMode is made "0" unless it is "1" (on a first start it is
/// `firstStartMode`, the units of the user's locale), and a metric skin loaded with the default
/// pressure or temperature shows its own scales' low ends instead. `storedPressSet` receives the
/// reference hand's stored position; the caller sets PressSet from it.
void LoadSettings(SettingsStore& store, Settings& settings, Observation& observation,
                  std::uint16_t& storedPressSet, DisplayMode firstStartMode);

/// The exit button's save: every setting in the table's order and its text form, Host without a
/// leading "F#F", the window's place from its current `left` and `top`, committed together.
/// Throws ESettingsWriteError when the store could not take them; the store then keeps its old
/// values.
void SaveSettings(SettingsStore& store, const Settings& settings, const Observation& observation,
                  std::uint16_t storedPressSet, int left, int top);

} // namespace stormbell
