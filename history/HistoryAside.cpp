// The one way a damaged history is set aside: on open, and on any later read or write.
#include "history/HistoryAside.h"

#include "history/HistoryStore.h"
#include "platform/ShownText.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

constexpr const char* kJournals[] = {"-wal", "-shm"};

bool Taken(const fs::path& path) {
    std::error_code ignored;
    return fs::symlink_status(path, ignored).type() != fs::file_type::not_found;
}

[[noreturn]] void Refuse(const fs::path& file, const std::string& why) {
    throw EHistoryError("The history " + file.string() +
                            " is damaged and could not be set aside (" + why + ")",
                        true);
}

fs::path FreeAsideName(const fs::path& file) {
    // Every earlier copy is kept: it may still hold readings someone can recover.
    for (int number = 0;; ++number) {
        fs::path aside = file.string() + ".bad" + (number > 0 ? "." + std::to_string(number) : "");
        if (!Taken(aside) && !Taken(aside.string() + "-wal"))
            return aside;
    }
}

// Moves the file and its journals; a journal that cannot follow brings the file back, for a
// journal left behind would be replayed into the new store.
void MoveWithJournals(const fs::path& file, const fs::path& aside) {
    std::error_code error;
    fs::rename(file, aside, error);
    if (error)
        Refuse(file, error.message());
    std::vector<std::string> moved;
    for (const std::string journal : kJournals) {
        if (!Taken(file.string() + journal))
            continue;
        fs::rename(file.string() + journal, aside.string() + journal, error);
        if (!error) {
            moved.push_back(journal);
            continue;
        }
        const std::string why = "its journal " + file.string() + journal + ": " + error.message();
        std::error_code ignored;
        for (const auto& back : moved)
            fs::rename(aside.string() + back, file.string() + back, ignored);
        fs::rename(aside, file, ignored);
        Refuse(file, why);
    }
}

} // namespace

HistoryAside SetHistoryAside(const fs::path& file, const std::optional<FileIdentity>& damaged) {
    // Another program may have set it aside already and begun a new store under the name.
    if (damaged && IdentityOf(file) != damaged)
        Refuse(file, "another file has taken its name meanwhile");
    const fs::path aside = FreeAsideName(file);
    MoveWithJournals(file, aside);
    std::size_t kept = 0;
    {
        HistoryStore fresh(file, WhenDamaged::Refuse);
        try {
            const HistoryStore old(aside, WhenDamaged::Inspect);
            std::vector<HistoryReading> batch;
            // In batches, as an import: a large store is never held whole.
            constexpr std::size_t kBatch = 2000;
            old.ForEachReadable([&](const HistoryReading& reading) {
                if (PlausibleObservation(reading.Observed, reading.Received))
                    batch.push_back(reading);
                if (batch.size() >= kBatch) {
                    kept += fresh.AddAll(batch);
                    batch.clear();
                }
            });
            kept += fresh.AddAll(batch);
        } catch (const EHistoryError&) {
            // Nothing of it can be read: the new store begins empty.
        }
    }
    return {file, aside, kept};
}

std::string AsideNotice(const HistoryAside& aside, const Wording& wording) {
    const Words say(wording, "HistoryAside");
    const std::string file = aside.File.string();
    const std::string moved = aside.Aside.string();
    if (aside.Kept == 0)
        return say(STORMBELL_TEXT("HistoryAside", "The history %1 was damaged and was set aside as "
                                                  "%2; a new history begins."),
                   {file, moved});
    // One whole sentence for each number, as Words::Count chooses, so a language words it whole.
    return say(aside.Kept == 1
                   ? STORMBELL_TEXT("HistoryAside", "The history %1 was damaged and was set aside "
                                                    "as %2; a new history begins with the %3 "
                                                    "reading still readable.")
                   : STORMBELL_TEXT("HistoryAside", "The history %1 was damaged and was set aside "
                                                    "as %2; a new history begins with the %3 "
                                                    "readings still readable."),
               {file, moved, std::to_string(aside.Kept)});
}

} // namespace stormbell
