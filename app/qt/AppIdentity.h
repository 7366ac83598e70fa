// What the desktop knows the program by: its desktop entry, names, version and window icon.
#pragma once

namespace stormbell {

/// Sets the application's desktop file name, application and organisation names (which also
/// name the settings store), version and window icon. Call once after the QApplication exists;
/// it cannot fail.
void ApplyAppIdentity();

} // namespace stormbell
