// What the gauge answers on its command line before any window system is needed: its version
// and its usage. Everything else on the command line is left to the window toolkit.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace stormbell {

/// The text `stormbell --help` prints, in English; a translatable text of the context
/// "CommandLine".
extern const char* const kGaugeUsage;

/// For `args` (after the program's name) holding --version, or --help or -h: writes the version
/// or `usage()` to `out` and gives the exit code 0. Gives nothing for any other command line,
/// which the program then runs with.
std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args, std::ostream& out,
                                       const std::function<std::string()>& usage);

} // namespace stormbell
