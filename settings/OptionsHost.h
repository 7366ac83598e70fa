// What the options dialog asks of the main window, so that the window needs only this seam and
// not the dialog.
#pragma once

#include <string>

namespace stormbell {

class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    /// The update timer's interval; the count restarts only when the interval differs from the
    /// current one.
    virtual void SetUpdateInterval(int milliseconds) = 0;
    /// Shows the English or the Metric skin by Observation::DisplayMode, redraws the reference
    /// hand and the six needles on it and repaints the window.
    virtual void ApplyDisplayMode() = 0;
    /// The user changed the station, by a pick in the list or in the Station box: shortly after
    /// the last change the window fetches the station, when the file names a complete identifier
    /// other than the one fetched last.
    virtual void StationChanged() = 0;
    /// Makes the FTP settings dialog visible, not modally.
    virtual void ShowFtpSettings() = 0;
    /// Shows an error that ended a handler (a print job that could not start), with an OK button.
    virtual void ShowError(const std::string& message) = 0;
    /// Brings up the reading history's window.
    virtual void ShowHistory() {}
    /// The report the last cycle fetched, its bytes as the server sent them; empty before one.
    virtual const std::string& LastReport() const = 0;
};

} // namespace stormbell
