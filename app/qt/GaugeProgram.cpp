#include "app/qt/GaugeProgram.h"

#include <utility>

namespace stormbell {

GaugeProgram::GaugeProgram(SettingsStore& store, const Clock& clock, ProgramEnd end,
                           const ClientLimits& limits)
    : observation(FreshStoreObservation()),
      window(store, settings, observation, clock, std::move(end), limits),
      options(settings, observation, window), ftpSettings(settings) {
    window.AttachDialogs(options, ftpSettings);
    options.ReturnFocusTo({&window});
    ftpSettings.ReturnFocusTo({&options, &window});
    // Queued: the cycle runs from the event loop, not inside the list's pick.
    QObject::connect(&options, &OptionsDialog::placeChosen, &window, &GaugeWindow::UpdateNow,
                     Qt::QueuedConnection);
}

} // namespace stormbell
