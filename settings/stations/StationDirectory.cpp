#include "settings/stations/StationDirectory.h"

#include <stdexcept>
#include <utility>

namespace stormbell {

// The committed table file, turned into a string by the build.
extern const std::string_view kStationTableText;

namespace {

constexpr std::size_t kMaxDisplayText = 82;
constexpr std::string_view kReportExtension = ".TXT";

bool IsPrintableAscii(char c) {
    return c >= ' ' && c <= '~';
}

bool IsIdentifierChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Why `line` is not a valid row, or nullptr when it is.
const char* RowFault(std::string_view line, StationRow& row) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos)
        return "no tab between display text and identifier";
    const auto text = line.substr(0, tab);
    const auto identifier = line.substr(tab + 1);
    if (text.empty())
        return "empty display text";
    if (text.size() > kMaxDisplayText)
        return "display text longer than 82 characters";
    for (char c : text)
        if (!IsPrintableAscii(c))
            return "display text not printable ASCII";
    if (text.front() == ' ' || text.back() == ' ')
        return "blank at an end of the display text";
    if (identifier.size() != kStationIdLength)
        return "identifier not four characters";
    for (char c : identifier)
        if (!IsIdentifierChar(c))
            return "identifier not A-Z and 0-9";
    row.DisplayText = text;
    row.Identifier = identifier;
    return nullptr;
}

} // namespace

std::vector<StationRow> ParseStationTable(std::string_view text) {
    std::vector<StationRow> rows;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto end = text.find('\n');
        const auto line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.starts_with('#'))
            continue;
        StationRow row;
        if (const char* fault = RowFault(line, row))
            throw std::runtime_error("station table line " + std::to_string(lineNumber) + ": " +
                                     fault);
        rows.push_back(std::move(row));
    }
    return rows;
}

const std::vector<StationRow>& StationDirectory() {
    static const std::vector<StationRow> rows = ParseStationTable(kStationTableText);
    return rows;
}

std::optional<std::string> StationIdentifier(long long row) {
    const auto& rows = StationDirectory();
    if (row < 0 || row >= static_cast<long long>(rows.size()))
        return std::nullopt;
    return rows[static_cast<std::size_t>(row)].Identifier;
}

std::optional<int> StationRowOf(std::string_view identifier) {
    const auto& rows = StationDirectory();
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row].Identifier == identifier)
            return static_cast<int>(row);
    return std::nullopt;
}

bool IsIdentifierLike(std::string_view text) {
    if (text.size() != kStationIdLength)
        return false;
    for (char c : text)
        if (!IsIdentifierChar(c) && !(c >= 'a' && c <= 'z'))
            return false;
    return true;
}

std::string StationFileName(std::string_view identifier) {
    return std::string(identifier).append(kReportExtension);
}

bool IsStationFileName(std::string_view name) {
    return name.ends_with(kReportExtension);
}

std::string_view StationIdOf(std::string_view file) {
    return file.substr(0, kStationIdLength);
}

} // namespace stormbell
