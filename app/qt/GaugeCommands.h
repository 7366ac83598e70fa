// What the gauge's bars, keys and menu ask of the window, so that they need not know the window.
#pragma once

namespace stormbell {

enum class MouseButton;

class GaugeCommands {
public:
    virtual ~GaugeCommands() = default;

    /// The update cycle, unless one runs already. Failures are shown by the window, never thrown.
    virtual void UpdateNow() = 0;
    /// Shows the options dialog. Never throws.
    virtual void ShowOptions() = 0;
    /// Brings up the history window; a failure is shown, never thrown.
    virtual void ShowHistory() = 0;
    /// Turns the reference hand to the pressure needle; a failure is shown, never thrown.
    virtual void SetReferenceToPressure() = 0;
    /// Minimises the gauge. Never throws.
    virtual void Minimise() = 0;
    /// Saves every setting and ends the program; a failed save is shown and the program goes on.
    virtual void SaveAndExit() = 0;
    /// A press on the hub: left turns the reference hand on, right back, middle redraws. A
    /// failure is shown, never thrown.
    virtual void HubPressed(MouseButton button) = 0;

protected:
    GaugeCommands() = default;
    GaugeCommands(const GaugeCommands&) = default;
    GaugeCommands& operator=(const GaugeCommands&) = default;
};

} // namespace stormbell
