// The program's one way to show a message: a modal box over the gauge, or a hook in tests.
#pragma once

#include "platform/MessageSink.h"

#include <functional>
#include <string>

class QWidget;

namespace stormbell {

class QtMessageSink final : public MessageSink {
public:
    using TestHook = std::function<void(const std::string& text)>;

    /// Boxes appear over `parent`, which must outlive the sink (may be null).
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}

    /// A modal box with `text` and OK; returns when it is dismissed. With a test hook set, the
    /// hook gets the text instead and no box appears.
    void ShowMessage(const std::string& text) override;

    /// Tests: hands every message to `hook` instead of a box; an empty hook restores the boxes.
    static void SetTestHook(TestHook hook);

private:
    QWidget* parent_;
};

} // namespace stormbell
