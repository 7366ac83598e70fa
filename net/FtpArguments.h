// What may go onto the FTP control connection as a command's argument, checked before anything
// is sent, so that a stored setting can neither add a command nor garble the one it is part of.
#pragma once

#include <string>

namespace stormbell {

/// Throws EProtocolError (code 501) when `argument` holds CR or LF, another control character
/// or NUL, or (with `bounded`) more than MaxArgumentLength bytes. `what` names the argument in
/// the message ("directory", "file name").
void CheckFtpArgument(const std::string& argument, const char* what, bool bounded = true);

/// `command` as the control connection carries it: every 0xFF byte doubled, since a single one
/// would be read as the Telnet escape.
std::string EscapeTelnet(const std::string& command);

} // namespace stormbell
