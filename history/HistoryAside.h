// Where a damaged history went when it was set aside, and the notice that tells the user so in
// the reader's words.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/Wording.h"

namespace stormbell {

/// A damaged history set aside: its file, the name it was moved to, and how many of its readings
/// the new history at `File` kept.
struct HistoryAside {
    std::filesystem::path File;
    std::filesystem::path Aside;
    std::size_t Kept = 0;
};

/// "The history F was damaged and was set aside as A; a new history begins with the 12 readings
/// still readable." in `wording`'s words (nothing kept: it ends at "begins"). Never throws for
/// the values.
std::string AsideNotice(const HistoryAside& aside, const Wording& wording = English());

} // namespace stormbell
