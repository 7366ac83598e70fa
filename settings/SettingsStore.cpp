#include "settings/SettingsStore.h"

namespace stormbell {

ESettingsWriteError::ESettingsWriteError(const std::string& name)
    : std::runtime_error("Failed to set data for '" + name + "'"), name_(name) {}

} // namespace stormbell
