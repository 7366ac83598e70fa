// Splits a downloaded report into the lines the decoder and the report box work on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stormbell {

/// Splits `text` at CR LF, LF or lone CR. A final line end does not start another line, so
/// "a\r\nb\r\n" gives {"a", "b"} and "" gives no lines. Never fails.
std::vector<std::string> SplitReportLines(std::string_view text);

} // namespace stormbell
