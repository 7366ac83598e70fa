// The running gauge as a whole: the program-wide variables, then the main window, the options
// dialog and the FTP settings dialog, created in that order and wired together.
#pragma once

#include "app/qt/GaugeWindow.h"
#include "observation/Observation.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/qt/FtpSettingsDialog.h"
#include "settings/qt/OptionsDialog.h"

namespace stormbell {

struct GaugeProgram {
    /// The settings come from `store` and the time from `clock`, which must outlive the program;
    /// `end` ends it. The cycle's clients keep to `limits`.
    GaugeProgram(SettingsStore& store, const Clock& clock, ProgramEnd end,
                 const ClientLimits& limits = {});
    GaugeProgram(const GaugeProgram&) = delete;
    GaugeProgram& operator=(const GaugeProgram&) = delete;

    Settings settings;
    Observation observation;
    GaugeWindow window;
    OptionsDialog options;
    FtpSettingsDialog ftpSettings;
};

} // namespace stormbell
