#include "history/HistoryStore.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

bool Taken(const fs::path& path) {
    std::error_code ignored;
    return fs::symlink_status(path, ignored).type() != fs::file_type::not_found;
}

} // namespace

fs::path SetHistoryAside(const fs::path& file) {
    // Every earlier copy is kept: it may still hold readings someone can recover.
    fs::path aside;
    for (int number = 0;; ++number) {
        aside = file.string() + ".bad" + (number > 0 ? "." + std::to_string(number) : "");
        if (!Taken(aside) && !Taken(aside.string() + "-wal"))
            break;
    }
    std::error_code error;
    fs::rename(file, aside, error);
    if (error)
        throw EHistoryError("The history " + file.string() +
                                " is damaged and could not be set aside (" + error.message() + ")",
                            true);
    // The journals belong to the damaged file: left here, the new store would replay them.
    for (const char* journal : {"-wal", "-shm"}) {
        const fs::path from = file.string() + journal;
        if (Taken(from))
            fs::rename(from, aside.string() + journal, error);
    }
    return aside;
}

} // namespace stormbell
