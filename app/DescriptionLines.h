// The gauge's description is put together from pieces of lines told by different owners.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace stormbell {

/// Each piece that is not empty on lines of its own, in order, without the line end a piece
/// may close with; nothing after the last line. Never throws but for a failed allocation.
std::string JoinLines(std::initializer_list<std::string_view> pieces);

} // namespace stormbell
