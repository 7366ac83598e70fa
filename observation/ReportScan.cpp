#include "observation/ReportScan.h"

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

void ScanWind(const std::string& line, Observation& o) {
    if (Cut(line, 7, 4) == "Calm") {
        o.NewWDInfo = "000";
        o.NewWSInfo = "00";
    } else if (Cut(line, 7, 8) == "Variable") {
        o.NewWDInfo = VariableWind;
        o.NewWSInfo = KnotsText(line);
    } else {
        // "Wind: from the WSW (250 degrees) at 9 MPH (8 KT):0"
        const long long p = Find("(", line);
        const long long d = Find("degrees", line);
        o.NewWDInfo = Cut(line, p + 1, d - p - 2);
        o.NewWSInfo = KnotsText(line);
    }
}

} // namespace

void ScanReportLines(const std::vector<std::string>& lines, Observation& o) {
    for (const auto& line : lines) {
        if (Cut(line, 1, 5) == "Wind:")
            ScanWind(line, o);
        if (Cut(line, 1, 11) == "Temperature")
            o.TempCText = CelsiusText(line);
        if (Cut(line, 1, 9) == "Dew Point")
            o.DewCText = CelsiusText(line);
        if (Cut(line, 1, 13) == "Pressure (alt") {
            // "Pressure (altimeter): 30.09 in. Hg (1018 hPa)"
            const long long k = Find(":", line);
            const long long i = Find("in.", line);
            o.NewPresInfo = Cut(line, k + 2, i - k - 3);
        }
    }
}

} // namespace stormbell
