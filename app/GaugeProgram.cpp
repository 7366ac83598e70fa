#include "app/GaugeProgram.h"

#include <utility>

namespace stormbell {

GaugeProgram::GaugeProgram(SettingsStore& store, ProgramEnd end)
    : observation(FreshStoreObservation()), window(store, settings, observation, std::move(end)),
      options(settings, observation, window), ftpSettings(settings) {
    window.AttachDialogs(options, ftpSettings);
}

} // namespace stormbell
