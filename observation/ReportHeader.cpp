#include "observation/ReportHeader.h"

#include <algorithm>
#include <string_view>

#include "observation/ObservationTime.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

constexpr std::size_t kIdentifierLength = 4;

bool IsIdentifierCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Whether "(XXXX)" starts at `open`.
bool IsIdentifierGroup(std::string_view line, std::size_t open) {
    if (open + kIdentifierLength + 1 >= line.size() || line[open + kIdentifierLength + 1] != ')')
        return false;
    for (std::size_t i = open + 1; i <= open + kIdentifierLength; ++i) {
        if (!IsIdentifierCharacter(line[i]))
            return false;
    }
    return true;
}

// "Vancouver International Air-Port, B. C., Canada (CYVR) 49-11N 123-10W 2M".
void ReadStation(std::string_view text, ReportHeader& header) {
    for (std::size_t open = text.size(); open-- > 0;) {
        if (text[open] != '(' || !IsIdentifierGroup(text, open))
            continue;
        std::string_view name = text.substr(0, open);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        header.StationName = Latin1ToUtf8(name);
        header.Station = std::string(text.substr(open + 1, kIdentifierLength));
        return;
    }
}

} // namespace

ReportHeader ReadReportHeader(const std::vector<std::string>& reportLines) {
    ReportHeader header;
    if (reportLines.empty())
        return header;
    std::size_t timeLine = 1;
    const std::size_t searchEnd = std::min(reportLines.size(), 1 + kTimeLineSearch);
    for (; timeLine < searchEnd && !header.Observed; ++timeLine)
        header.Observed = ParseObservationTime(reportLines[timeLine]);
    // A carriage return inside the first line split it; its parts are one text again.
    std::string stationText = reportLines[0];
    if (header.Observed)
        for (std::size_t i = 1; i + 1 < timeLine; ++i)
            stationText += reportLines[i];
    ReadStation(stationText, header);
    return header;
}

} // namespace stormbell
