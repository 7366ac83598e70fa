#include "app/qt/CommandLine.h"

#include "generated/Version.h"

#include <QtGlobal>

namespace stormbell {

const char* const kGaugeUsage = QT_TRANSLATE_NOOP(
    "CommandLine",
    "usage: stormbell [--version | --help]\n"
    "Opens the weather gauge. The red bar saves the settings and the window's place and quits;\n"
    "closing the window any other way quits without saving.\n");

std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args, std::ostream& out,
                                       const std::function<std::string()>& usage) {
    for (const std::string& arg : args) {
        if (arg == "--version") {
            out << "stormbell " << kVersion << '\n';
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            out << usage();
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace stormbell
