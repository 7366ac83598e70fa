#include "observation/ReportScan.h"

#include "observation/FigureText.h"
#include "observation/ReportHeader.h"
#include "observation/ValueTexts.h"
#include "platform/ShownText.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

// "Temperature: 55 F (13 C)": the Celsius figure between "(" and the blank before "C".
std::string CelsiusText(const std::string& line) {
    const long long p = Find("(", line);
    const long long q = Find("C", line);
    return Cut(line, p + 1, q - p - 2);
}

// "... at 15 MPH (13 KT) gusting to 25 MPH (22 KT)": the first, sustained knots figure.
std::string KnotsText(const std::string& line) {
    const long long m = Find("MPH (", line);
    const long long t = Find("KT", line);
    return Cut(line, m + 5, t - m - 6);
}

bool IsWindLine(const std::string& line) {
    return Cut(line, 1, 5) == "Wind:";
}

bool IsTemperatureLine(const std::string& line) {
    return Cut(line, 1, 11) == "Temperature";
}

bool IsDewPointLine(const std::string& line) {
    return Cut(line, 1, 9) == "Dew Point";
}

bool IsHumidityLine(const std::string& line) {
    return Cut(line, 1, 18) == "Relative Humidity:";
}

bool IsPressureLine(const std::string& line) {
    return Cut(line, 1, 13) == "Pressure (alt";
}

void ScanWind(const std::string& line, CutTexts& cut) {
    if (Cut(line, 7, 4) == "Calm") {
        cut.WindDirection = "000";
        cut.WindSpeedKnots = "00";
    } else if (Cut(line, 7, 8) == "Variable") {
        cut.WindDirection = kVariableText;
        cut.WindSpeedKnots = KnotsText(line);
    } else {
        // "Wind: from the WSW (250 degrees) at 9 MPH (8 KT):0"
        const long long p = Find("(", line);
        const long long d = Find("degrees", line);
        cut.WindDirection = Cut(line, p + 1, d - p - 2);
        cut.WindSpeedKnots = KnotsText(line);
    }
}

} // namespace

void ScanReportLines(const std::vector<std::string>& lines, CutTexts& cut) {
    for (const auto& line : lines) {
        if (IsWindLine(line))
            ScanWind(line, cut);
        if (IsTemperatureLine(line))
            cut.TemperatureC = CelsiusText(line);
        if (IsDewPointLine(line))
            cut.DewPointC = CelsiusText(line);
        if (IsHumidityLine(line))
            cut.StatedHumidity = figure_text::TakeHumidity(std::string_view(line).substr(18));
        if (IsPressureLine(line)) {
            // "Pressure (altimeter): 30.09 in. Hg (1018 hPa)"
            const long long k = Find(":", line);
            const long long i = Find("in.", line);
            cut.PressureInHg = Cut(line, k + 2, i - k - 3);
        }
    }
}

bool HoldsObservation(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (IsWindLine(line) || IsTemperatureLine(line) || IsDewPointLine(line) ||
            IsPressureLine(line))
            return true;
    return false;
}

ENotAReading::ENotAReading()
    : std::runtime_error(STORMBELL_TEXT(
          "Report",
          "The report holds none of the Wind, Temperature, Dew Point and Pressure lines")) {}

ENotADecodedReport::ENotADecodedReport()
    : std::runtime_error(
          STORMBELL_TEXT("Report", "none of its first lines gives the observation time")) {}

void CheckDecodedReport(const std::vector<std::string>& lines) {
    if (!ReadReportHeader(lines).Observed)
        throw ENotADecodedReport();
}

} // namespace stormbell
