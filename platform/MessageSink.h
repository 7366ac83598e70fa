// Where the core's modal messages go: a message box in the program, a list in the tests.
#pragma once

#include <string>

namespace stormbell {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    /// Shows `text` to the user with an OK button and returns when it is dismissed.
    virtual void ShowMessage(const std::string& text) = 0;
};

} // namespace stormbell
