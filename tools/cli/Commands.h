// The subcommands of stormbell-cli. Each returns the process exit status.
#pragma once

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "observation/Observation.h"

namespace stormbell {

/// `decode [--log] FILE...`: decodes each report in turn from the fresh-store state, one JSON
/// line each; with --log each report is first appended to METAR.LOG in the current directory.
/// A file that cannot be read or is larger than 1 MiB gives an error line and the batch goes
/// on; any failure gives 1, a usage error 2.
int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);

/// `fetch [--host H] [--port N] [--dir D] [--active] [--decode] STATION`: runs the gauge's
/// update cycle for STATION.TXT and writes the report (or with --decode its JSON) to `out`.
/// A failed cycle (network, empty or oversized report, no reading) is told on `err` and gives
/// 1; a usage error 2.
int RunFetch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// `stations`: writes every row of the station directory as "row TAB display text TAB
/// identifier". `stations --find TEXT`: writes "identifier TAB display text" of each row that
/// holds every word of TEXT (as StationSearch finds them), 1 when none does. Any other argument
/// is a usage error: a message to `err` and 2.
int RunStations(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// `history [--station ID] [--since SPAN] [--format csv|json]`: the readings in `storeFile`
/// (oldest first; CSV with a header, or one JSON object a line); `history import LOGFILE`: the
/// log's reports stored, damaged entries counted and skipped. A store or log that cannot be
/// read throws or gives 1 with the reason; a usage error gives 2.
int RunHistory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::optional<std::filesystem::path>& storeFile);

/// Decodes one report's lines into `observation` and sweeps without pauses, logging when
/// `logIt`, then writes one JSON line: the record with the station, the time observed and
/// "frames", or {"error": ...} for a conversion or log file error (the state the report left
/// carries on). Returns whether the report decoded and, with `logIt`, the log took it without a
/// message.
bool DecodeAndPrint(const std::vector<std::string>& lines, Observation& observation, bool logIt,
                    std::ostream& out);

/// Flushes `out`; when any write to it failed, says so on `err` and gives 1, else `status`.
int EndOutput(std::ostream& out, std::ostream& err, const char* command, int status);

} // namespace stormbell
