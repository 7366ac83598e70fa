#include "observation/ReportLines.h"

#include "platform/ShownText.h"

namespace stormbell {

namespace {

// Bytes of the line end at `i`: 2 for CR LF, 1 for a lone CR or LF, 0 for none.
std::size_t LineEndLength(std::string_view text, std::size_t i) {
    if (text[i] == '\n')
        return 1;
    if (text[i] != '\r')
        return 0;
    return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

} // namespace

std::string TooLargeMessage(std::optional<std::size_t> size, const Wording& wording) {
    const Words say(wording, "Report");
    if (!size)
        return say(STORMBELL_TEXT("Report", "The report is larger than 1 MiB; it was not decoded"));
    return say(
        STORMBELL_TEXT("Report", "The report is larger than 1 MiB (%1 bytes); it was not decoded"),
        {std::to_string(*size)});
}

EReportTooLarge::EReportTooLarge(std::optional<std::size_t> size)
    : std::runtime_error(TooLargeMessage(size)), size_(size) {}

void CheckReportSize(std::size_t size) {
    if (size > kMaxReportBytes)
        throw EReportTooLarge(size);
}

std::vector<std::string> SplitReportLines(std::string_view text) {
    // Counting first sizes the vector exactly: text made of line ends alone would otherwise
    // leave up to half of a doubled vector unused.
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const std::size_t end = LineEndLength(text, i)) {
            ++count;
            i += end - 1;
        }
    }
    std::vector<std::string> lines;
    lines.reserve(count + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const std::size_t end = LineEndLength(text, i)) {
            lines.emplace_back(text.substr(start, i - start));
            i += end - 1;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace stormbell
