// The settings store on Qt's per-user settings of "Brightmoor"/"Stormbell" in the native format:
// the registry key HKEY_CURRENT_USER\Software\Brightmoor\Stormbell on Windows, the INI file
// $XDG_CONFIG_HOME/Brightmoor/Stormbell.conf (values under [General]) on Linux.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsStore.h"

namespace stormbell {

class QtSettingsStore final : public SettingsStore {
public:
    /// Opens the current user's store. A file Qt cannot parse is renamed aside with the suffix
    /// ".bad", so no save overwrites it, and every read then gives its default.
    QtSettingsStore();

    /// Every value is read as text; a value Qt reads as a list ("a, b" written by hand) gives
    /// its items joined by ", ", any other value that is not text gives `defaultText`.
    std::string ReadSetting(const std::string& name, const std::string& defaultText) override;
    void WriteSetting(const std::string& name, const std::string& text) override;
    /// Writes the recorded values as text values and syncs; the file is replaced atomically,
    /// so a failure leaves the old one whole.
    void Commit() override;

    /// The INI file's path or the registry key's name.
    std::string Location() const;

private:
    bool unreadable_ = false;
    std::vector<std::pair<std::string, std::string>> pending_;
};

} // namespace stormbell
