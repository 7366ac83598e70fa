// Keeps outside text (reports, server replies) from reaching JSON or a terminal as raw bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace stormbell {

/// Bytes of the well-formed UTF-8 sequence starting at `text[i]` (1 for ASCII); 0 when the
/// bytes there are no such sequence (stray continuation, overlong form, surrogate, above
/// U+10FFFF, cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

/// `text` with control characters (C0, DEL, C1), backslashes and bytes that are not UTF-8
/// written as \xNN escapes, so that printing it cannot steer a terminal.
std::string EscapeForTerminal(std::string_view text);

/// An error's message ready for the terminal: escaped, and never empty.
std::string ErrorText(std::string_view message);

} // namespace stormbell
