#include "settings/Settings.h"

#include <type_traits>

#include "settings/SettingsTable.h"

namespace stormbell {

// Each value held here starts at its row's default.
Settings::Settings() {
    settingstable::ForEachSetting([this](const auto& row) {
        using Row = std::remove_cvref_t<decltype(row)>;
        if constexpr (std::is_same_v<typename Row::Owner, Settings>)
            this->*row.Of = typename Row::Value(row.Default);
    });
}

} // namespace stormbell
