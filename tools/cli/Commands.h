// The subcommands of stormbell-cli. Each returns the process exit status.
#pragma once

#include <iostream>
#include <string>
#include <vector>

#include "observation/Observation.h"

namespace stormbell {

/// `decode FILE...`: decodes each report in turn from the fresh-store state, one JSON line each.
int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);

/// `fetch [--host H] [--port N] [--dir D] [--active] [--decode] STATION`: downloads
/// STATION.TXT anonymously and writes it (or with --decode its JSON) to `out`. Network errors go
/// to `err` with their code and give 1; a usage error gives 2.
int RunFetch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// `stations`: writes every row of the station directory as "row TAB display text TAB
/// identifier". Any argument is a usage error: a message to `err` and 2.
int RunStations(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// Decodes one report into `observation` and sweeps without pauses or logging, then writes
/// one JSON line: the record with "frames", or {"error": ...} for a conversion error (the
/// state the report left carries on). Returns whether the report decoded.
bool DecodeAndPrint(const std::string& reportText, Observation& observation, std::ostream& out);

} // namespace stormbell
