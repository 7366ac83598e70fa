#include "observation/ReportHeader.h"

#include <cstddef>

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

} // namespace

std::optional<ReportHeader> ParseReportHeader(std::string_view firstLine) {
    for (std::size_t open = firstLine.size(); open-- > 0;) {
        if (firstLine[open] != '(' || !IsIdentifierGroup(firstLine, open))
            continue;
        std::string_view name = firstLine.substr(0, open);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        return ReportHeader{Latin1ToUtf8(name),
                            std::string(firstLine.substr(open + 1, kIdentifierLength))};
    }
    return std::nullopt;
}

} // namespace stormbell
