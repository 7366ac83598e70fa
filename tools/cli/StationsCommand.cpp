// `stormbell-cli stations`: the built-in station directory, one row a line, for grep; with
// --find, the stations that the options dialog's search shows, best first, each with the name
// that found it.
#include "settings/stations/StationDirectory.h"
#include "settings/stations/StationSearch.h"
#include "tools/cli/Commands.h"
#include "tools/cli/TextEscapes.h"

namespace stormbell {
namespace {

int FindStations(const std::string& typed, std::ostream& out, std::ostream& err) {
    const std::vector<StationMatch> found = StationSearch().Find(typed);
    for (const StationMatch& match : found)
        out << match.Identifier << '\t' << MatchLabel(match) << '\n';
    if (found.empty())
        err << "stormbell-cli stations: no station matches \"" << EscapeForTerminal(typed)
            << "\"\n";
    return EndOutput(out, err, "stations", found.empty() ? 1 : 0);
}

} // namespace

int RunStations(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "--find")
        return FindStations(args[1], out, err);
    if (!args.empty()) {
        err << "stormbell-cli stations: takes no arguments but --find TEXT\n";
        return 2;
    }
    const auto& rows = StationDirectory();
    for (std::size_t row = 0; row < rows.size(); ++row)
        out << row << '\t' << rows[row].DisplayText << '\t' << rows[row].Identifier << '\n';
    return EndOutput(out, err, "stations", 0);
}

} // namespace stormbell
