// Catches the exception a test expects, so its fields can be checked after the call.
#pragma once

#include <optional>

namespace stormbell {

/// Runs `action` and returns the exception of type E it throws, or nothing when it throws none.
template <typename E, typename Action> std::optional<E> Thrown(Action&& action) {
    try {
        action();
    } catch (const E& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace stormbell
