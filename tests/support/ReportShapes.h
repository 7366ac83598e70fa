// One report in each shape the service's text arrives in: CR LF or LF line ends, a stray
// carriage return inside the first line or a value line, the time line moved down a line.
#pragma once

#include <string>
#include <vector>

namespace stormbell::testing {

struct ReportShape {
    const char* name;
    std::string text;
};

/// `report` has LF line ends, its station group on the first line and a "Visibility:" line
/// ending with the ":0" flag, as the service's reports do; each shape keeps every value.
inline std::vector<ReportShape> ReportShapes(const std::string& report) {
    const auto firstEnd = report.find('\n');
    const std::string header = report.substr(0, firstEnd);
    const std::string rest = report.substr(firstEnd);
    std::string crlf;
    for (const char c : report)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    // "... 47-18N 071-16W \rM": the height's figure lost, a carriage return in its place.
    const std::string strayInHeader = header.substr(0, header.rfind(' ') + 1) + "\rM" + rest;
    std::string strayInValue = report;
    const auto visibility = strayInValue.find("Visibility:");
    strayInValue.insert(strayInValue.find(":0\n", visibility), "\r");
    const auto group = header.find(") ") + 1;
    const std::string timeThird = header.substr(0, group) + "\n" + header.substr(group) + rest;
    return {{"CR LF", crlf},
            {"LF", report},
            {"lone CR in the header", strayInHeader},
            {"lone CR in a value line", strayInValue},
            {"time line third", timeThird}};
}

} // namespace stormbell::testing
