// The program's one-line status (the application title shown on the task bar).
#pragma once

#include <string>

namespace stormbell {

class StatusLine {
public:
    virtual ~StatusLine() = default;
    /// Replaces the status text.
    virtual void SetStatus(const std::string& text) = 0;
};

} // namespace stormbell
