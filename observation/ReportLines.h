// Splits a downloaded report into the lines the decoder, the report box and printing work on,
// and bounds the size of a report anything decodes.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Wording.h"

namespace stormbell {

/// Largest report that is decoded. Real reports are under 2 KiB; the bound keeps the cost of
/// splitting and decoding tied to the report rather than to what a server or a file offers.
inline constexpr std::size_t kMaxReportBytes = 1024 * 1024;

/// "The report is larger than 1 MiB (1048577 bytes); it was not decoded", without the size when
/// it is not known, in `wording`'s words.
std::string TooLargeMessage(std::optional<std::size_t> size, const Wording& wording = English());

/// A report larger than kMaxReportBytes, refused before it was split or decoded.
class EReportTooLarge : public std::runtime_error {
public:
    /// `size` is the report's size in bytes when it is known.
    explicit EReportTooLarge(std::optional<std::size_t> size);
    std::optional<std::size_t> Size() const { return size_; }

private:
    std::optional<std::size_t> size_;
};

/// Throws EReportTooLarge when `size` is above kMaxReportBytes.
void CheckReportSize(std::size_t size);

/// Splits `text` at CR LF, LF or lone CR. A final line end does not start another line, so
/// "a\r\nb\r\n" gives {"a", "b"} and "" gives no lines. Costs one string per line and nothing
/// more; throws only std::bad_alloc.
std::vector<std::string> SplitReportLines(std::string_view text);

} // namespace stormbell
