// The command line of stormbell-render: output file, skin, scale and the shown values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "observation/Observation.h"

namespace stormbell {

struct RenderOptions {
    std::string Out;
    bool Metric = false;
    double Scale = 1;
    std::int16_t Temp = 50;
    std::int32_t Humidity = 50;
    double Pressure = 30;    ///< inHg
    WindDirection Direction; ///< "VRB" or degrees on the command line
    std::int32_t Speed = 0;  ///< knots
    double HeatIndex = 50;
    double Chill = 50;
    std::int16_t TargetTemp = 50;
    std::uint16_t PressSet = 50;
    std::string StationLine;      ///< lettered in the caption's space; the caption when empty
    bool Dimmed = false;          ///< needles as for a stale reading or a failed update
    std::optional<int> GustKnots; ///< the gust tell-tale on the speed dial
};

/// The usage text printed for --help and after a bad command line.
extern const char* const kRenderUsage;

/// Reads the arguments after the program name. Throws std::invalid_argument naming the bad
/// option or value; --target-temp, --heat-index and --chill default to --temp.
RenderOptions ParseRenderOptions(const std::vector<std::string>& args);

} // namespace stormbell
