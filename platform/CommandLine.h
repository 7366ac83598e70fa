// A command-line program's arguments and standard streams, the same on every system: arguments
// as UTF-8, and streams that pass bytes through unchanged (no CR added before LF on Windows).
#pragma once

#include <string>
#include <vector>

namespace stormbell {

/// The program's arguments after its name, as UTF-8 (Windows gives them in the ANSI code page;
/// they are read again from the wide command line).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

/// Switches standard input, output and error to binary, where the system has a text mode.
void UseBinaryStandardStreams();

} // namespace stormbell
