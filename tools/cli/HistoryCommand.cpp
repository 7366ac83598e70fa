// `stormbell-cli history`: prints the stored readings, or imports a report log into them.
#include <fstream>

#include "history/HistoryFormat.h"
#include "history/HistoryStore.h"
#include "history/LogImport.h"
#include "tools/cli/Commands.h"
#include "tools/cli/TextEscapes.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: stormbell-cli history [--station ID] [--since 72h] [--format csv|json]\n"
    "       stormbell-cli history import LOGFILE\n";

std::chrono::sys_seconds Now() {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

fs::path FromUtf8(const std::string& name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

int Import(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const fs::path& storeFile) {
    if (args.size() != 2) {
        err << kUsage;
        return 2;
    }
    std::ifstream log(FromUtf8(args[1]), std::ios::binary);
    if (!log) {
        err << "stormbell-cli history import: cannot read " << EscapeForTerminal(args[1]) << '\n';
        return 1;
    }
    HistoryStore store(storeFile);
    if (store.Aside())
        err << AsideNotice(*store.Aside()) << '\n';
    ImportCounts counts;
    try {
        counts = ImportLog(log, store, Now());
    } catch (const EImportFailed& failure) {
        err << "stormbell-cli history import: " << failure.what() << '\n';
        return 1;
    }
    if (log.bad()) {
        err << "stormbell-cli history import: reading " << EscapeForTerminal(args[1])
            << " failed part-way; " << counts.Added << " readings were stored before\n";
        return 1;
    }
    out << args[1] << ": " << counts.Added << " added, " << counts.Duplicates << " already stored, "
        << counts.Skipped << " damaged entries skipped\n";
    return EndOutput(out, err, "history import", 0);
}

} // namespace

int RunHistory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::optional<fs::path>& storeFile) {
    if (!HistoryStore::Available()) {
        err << "stormbell-cli history: this build keeps no history (built without SQLite)\n";
        return 1;
    }
    if (!storeFile) {
        err << "stormbell-cli history: no data folder is known (neither XDG_DATA_HOME nor HOME "
               "is set)\n";
        return 1;
    }
    if (!args.empty() && args.front() == "import")
        return Import(args, out, err, *storeFile);
    HistoryQuery query;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            err << kUsage;
            return 2;
        }
        const std::string& value = args[i + 1];
        if (option == "--station") {
            query.Station = value;
        } else if (option == "--since") {
            const auto span = ParseSpan(value);
            if (!span) {
                err << "stormbell-cli history: --since takes a span such as 72h, 30m or 7d, not \""
                    << EscapeForTerminal(value) << "\"\n";
                return 2;
            }
            // A span reaches back from now, never past it.
            query.Until = Now();
            query.Since = *query.Until - *span;
        } else if (option == "--format" && (value == "csv" || value == "json")) {
            json = value == "json";
        } else {
            err << kUsage;
            return 2;
        }
    }
    // Reading must not create a store: a missing one simply holds nothing yet. The header waits
    // for the first row, so that a store that cannot be read prints nothing on stdout.
    bool started = false;
    const auto start = [&] {
        if (!started && !json)
            out << HistoryCsvHeader();
        started = true;
    };
    std::error_code missing;
    if (fs::symlink_status(*storeFile, missing).type() != fs::file_type::not_found) {
        const HistoryStore store(*storeFile, WhenDamaged::Refuse);
        store.ForEach(query, [&](const HistoryReading& reading) {
            start();
            out << (json ? HistoryJsonLine(reading) : HistoryCsvRow(reading));
        });
    }
    start();
    return EndOutput(out, err, "history", 0);
}

} // namespace stormbell
