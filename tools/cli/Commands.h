// The subcommands of stormbell-cli. Each returns the process exit status.
#pragma once

#include <iostream>
#include <string>
#include <vector>

namespace stormbell {

/// `decode FILE...`: decodes each report in turn from the fresh-store state, one JSON line each.
int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);

} // namespace stormbell
