// stormbell-cli: the gauge's core without a window, for scripts, demos and benchmarks.
#include <iostream>
#include <string>
#include <vector>

#include "generated/Version.h"
#include "history/HistoryStore.h"
#include "platform/CommandLine.h"
#include "platform/DataFolder.h"
#include "tools/cli/Commands.h"
#include "tools/cli/TextEscapes.h"

namespace {

constexpr const char* Usage =
    "usage: stormbell-cli decode [--log] FILE...   (- reads standard input)\n"
    "       stormbell-cli fetch [--host H] [--port N] [--dir D] [--active] [--decode] STATION\n"
    "       stormbell-cli stations   (row, display text, identifier; tab-separated)\n"
    "       stormbell-cli stations --find TEXT   (identifier, display text of each match)\n"
    "       stormbell-cli history [--station ID] [--since 72h] [--format csv|json]\n"
    "       stormbell-cli history import LOGFILE\n";

} // namespace

int main(int argc, char** argv) {
    // The JSON and the reports are bytes: the same on every system.
    stormbell::UseBinaryStandardStreams();
    std::vector<std::string> args = stormbell::Utf8Arguments(argc, argv);
    if (args.empty()) {
        std::cerr << Usage;
        return 2;
    }
    const std::string command = args.front();
    if (command == "--version") {
        std::cout << "stormbell-cli " << stormbell::kVersion << '\n';
        return stormbell::EndOutput(std::cout, std::cerr, "--version", 0);
    }
    args.erase(args.begin());
    try {
        if (command == "decode")
            return stormbell::RunDecode(args, std::cin, std::cout, std::cerr);
        if (command == "fetch")
            return stormbell::RunFetch(args, std::cout, std::cerr);
        if (command == "stations")
            return stormbell::RunStations(args, std::cout, std::cerr);
        if (command == "history") {
            const auto folder = stormbell::UserDataFolder();
            return stormbell::RunHistory(
                args, std::cout, std::cerr,
                folder ? std::optional(*folder / stormbell::kHistoryFileName) : std::nullopt);
        }
    } catch (const std::exception& error) {
        std::cerr << "stormbell-cli: " << stormbell::ErrorText(error.what()) << '\n';
        return 1;
    }
    std::cerr << Usage;
    return 2;
}
