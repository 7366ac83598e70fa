// A main window stand-in that records what the options dialog asks of it.
#pragma once

#include "observation/Observation.h"
#include "settings/OptionsHost.h"

#include <string>
#include <vector>

namespace stormbell::testing {

class RecordingHost final : public OptionsHost {
public:
    explicit RecordingHost(const Observation& observation) : observation_(observation) {}
    void SetUpdateInterval(int milliseconds) override { intervals.push_back(milliseconds); }
    void ApplyDisplayMode() override { appliedModes.push_back(observation_.DisplayMode); }
    void StationChanged() override { ++stationChanges; }
    void ShowFtpSettings() override { ++ftpShown; }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    const std::string& LastReport() const override { return report; }

    std::vector<int> intervals;            ///< every interval asked for, in order
    std::vector<DisplayMode> appliedModes; ///< DisplayMode at each redraw request
    int stationChanges = 0;
    int ftpShown = 0;
    std::vector<std::string> errors;
    std::string report; ///< what LastReport gives

private:
    const Observation& observation_;
};

} // namespace stormbell::testing
