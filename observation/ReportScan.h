// Cuts wind, temperature, dew point and pressure texts out of the captioned report lines.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "observation/Observation.h"

namespace stormbell {

/// Tests every line against the "Wind:", "Temperature", "Dew Point", "Relative Humidity:" and
/// "Pressure (alt" captions and sets the matching texts of `cut` (StatedHumidity for the
/// humidity, missing when it does not read as "58%"); a later line overwrites an earlier one,
/// values not found keep theirs. Never fails: odd lines give odd texts, which the
/// number conversions later reject.
void ScanReportLines(const std::vector<std::string>& lines, CutTexts& cut);

/// True when a line carries one of the four captions ScanReportLines reads. A report of a
/// station whose sensors are out of service has none: it is no reading.
bool HoldsObservation(const std::vector<std::string>& lines);

/// A report without any of the four observation lines, refused before it changes anything. Its
/// text, as ENotADecodedReport's, is a STORMBELL_TEXT of the context "Report".
class ENotAReading : public std::runtime_error {
public:
    ENotAReading();
};

/// A text none of whose first lines ends with the observation time ("... / 2024.01.05 1753
/// UTC") that every decoded report carries: an error page, a cut download, something else.
class ENotADecodedReport : public std::runtime_error {
public:
    ENotADecodedReport();
};

/// Throws ENotADecodedReport unless ReadReportHeader finds the observation time.
void CheckDecodedReport(const std::vector<std::string>& lines);

} // namespace stormbell
