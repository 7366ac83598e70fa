// `stormbell-cli stations`: the built-in station directory, one row a line, for grep.
#include "settings/stations/StationDirectory.h"
#include "tools/cli/Commands.h"

namespace stormbell {

int RunStations(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "stormbell-cli stations: takes no arguments\n";
        return 2;
    }
    const auto& rows = StationDirectory();
    for (std::size_t row = 0; row < rows.size(); ++row)
        out << row << '\t' << rows[row].DisplayText << '\t' << rows[row].Identifier << '\n';
    return EndOutput(out, err, "stations", 0);
}

} // namespace stormbell
